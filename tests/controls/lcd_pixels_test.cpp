// The real widget on screen: its pixels must be exactly those the recorded
// drawing calls predict, and it behaves as a display and a click target.

#include "controls/lcd_display.h"
#include "controls/lcd_images.h"
#include "controls/lcd_recording_canvas.h"
#include "controls/lcd_screen_canvas.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quillet {
namespace {

QImage Predicted(LcdDisplay& display, const std::string& text, int width, int height)
{
    RecordingCanvas canvas(width, height);
    display.DrawDisplay(canvas, text);
    return canvas.Rasterise();
}

const std::vector<std::string> kTexts = {
    "00:00:00.00 ",  "E0:00:00:00 ", "0123456789+", "00:01:00:00-", "0003*", "98765432/",
    "01;02;03;04 ",  "E0000005 ",    "E",           "",             "?x\xB5 E;",
};

TEST(LcdDisplayPixels, GrabbedWidgetMatchesTheRecordedDrawing)
{
    struct Size {
        int width;
        int height;
    };
    const Size sizes[] = {{196, 36}, {196, 35}, {120, 50}};
    for (const Size& size : sizes) {
        for (const std::string& text : kTexts) {
            SCOPED_TRACE("\"" + text + "\" at " + std::to_string(size.width) + "x" + std::to_string(size.height));
            LcdDisplay display;
            display.resize(size.width, size.height);
            display.m_backColor = 0xC0FFFF; // light yellow
            display.m_text = text;
            const QPixmap grabbed = display.grab();
            ASSERT_EQ(grabbed.devicePixelRatio(), 1.0);
            const QImage actual = grabbed.toImage().convertToFormat(QImage::Format_RGB32);
            EXPECT_EQ(FirstDifference(actual, Predicted(display, text, size.width, size.height)), "");
        }
    }
}

// On a high-DPI device the screen canvas paints the device-pixel calls it is
// given exactly, each on one whole device pixel, wherever the painter's origin
// falls between pixels.
TEST(LcdDisplayPixels, HighDpiDevicePaintsWholeDevicePixels)
{
    for (const qreal ratio : {1.25, 1.5, 2.0, 3.0}) {
        for (const int offset : {0, 7}) {
            SCOPED_TRACE("device pixel ratio " + std::to_string(ratio) + ", origin at logical " + std::to_string(offset));
            const QSize logicalSize(196, 36);
            const DevicePixelGrid grid(ratio, QPointF(offset * ratio, offset * ratio));
            const QSize deviceSize = grid.DeviceSize(logicalSize);
            const int first = qRound(offset * ratio); // the first device pixel the area owns
            LcdDisplay display;
            QImage image(qCeil((offset + 196) * ratio) + 1, qCeil((offset + 36) * ratio) + 1, QImage::Format_RGB32);
            image.setDevicePixelRatio(ratio);
            image.fill(Qt::magenta);
            {
                QPainter painter(&image);
                painter.translate(offset, offset);
                LcdScreenCanvas canvas(painter, logicalSize);
                ASSERT_EQ(canvas.ClientRect(), (LcdRect{0, 0, deviceSize.width(), deviceSize.height()}));
                display.DrawDisplay(canvas, "E1:23;45.67/-+*");
            }
            const QImage painted = image.copy(first, first, deviceSize.width(), deviceSize.height());
            EXPECT_EQ(FirstDifference(painted, Predicted(display, "E1:23;45.67/-+*", deviceSize.width(),
                                                         deviceSize.height())),
                      "");
            // Nothing lands left of, above or below the area. (Text that runs
            // past its right edge is for the window to clip.)
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x) {
                    const bool beside = x < first || y < first || y >= first + deviceSize.height();
                    if (beside) {
                        ASSERT_EQ(image.pixel(x, y), QColor(Qt::magenta).rgb()) << x << ", " << y;
                    }
                }
        }
    }
}

// Lines in every direction, with runs of pixels along rows and columns.
TEST(LcdDisplayPixels, ScreenCanvasLinesMatchTheLineRuleInEveryDirection)
{
    QImage image(41, 41, QImage::Format_RGB32);
    image.fill(Qt::white);
    RecordingCanvas recording(41, 41);
    recording.FillRect({0, 0, 41, 41}, 0xFFFFFF);
    {
        QPainter painter(&image);
        LcdScreenCanvas screen(painter, image.size());
        for (LcdCanvas* canvas : {static_cast<LcdCanvas*>(&screen), static_cast<LcdCanvas*>(&recording)}) {
            const int ends[][2] = {{40, 20}, {40, 27}, {40, 40}, {27, 40}, {20, 40}, {13, 40}, {0, 40}, {0, 27},
                                   {0, 20}, {0, 13},  {0, 0},   {13, 0},  {20, 0},  {27, 0},  {40, 0}, {40, 13},
                                   {37, 22}, {3, 18}, {22, 3},  {18, 37}};
            std::uint32_t pen = 0x000000;
            for (const auto& end : ends) {
                canvas->SelectPen(pen);
                canvas->MoveTo(20, 20);
                canvas->LineTo(end[0], end[1]);
                pen = (pen + 0x102030) & 0xFFFFFF;
            }
        }
    }
    EXPECT_EQ(FirstDifference(image, recording.Rasterise()), "");
}

QImage ScreenContents(QWidget& widget)
{
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen->grabWindow(widget.winId()).toImage().convertToFormat(QImage::Format_RGB32);
}

// A display's new text or colour reaches the screen with the next repaint,
// which only Invalidate() asks for.
TEST(LcdDisplayWidget, ChangesShowOnlyAfterInvalidate)
{
    LcdDisplay display;
    display.resize(196, 36);
    display.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&display));
    QCoreApplication::processEvents();
    const QImage before = ScreenContents(display);
    ASSERT_EQ(before.pixel(2, 2) & 0xFFFFFF, 0xFFFFFFu);

    DisplaySink& sink = display;
    display.m_backColor = 0x0000FF;
    sink.m_text = "E0:00:00:00 ";
    QCoreApplication::processEvents();
    EXPECT_EQ(FirstDifference(ScreenContents(display), before), "");

    sink.Invalidate();
    QCoreApplication::processEvents();
    const QImage after = ScreenContents(display);
    EXPECT_EQ(after.pixel(2, 2) & 0xFFFFFF, 0xFF0000u); // COLORREF 0x0000FF is red
    EXPECT_EQ(FirstDifference(after, Predicted(display, "E0:00:00:00 ", 196, 36)), "");
}

TEST(LcdDisplayWidget, StartsAsAnOpaqueWhiteDisplayOfZeros)
{
    LcdDisplay display;
    EXPECT_EQ(display.m_text, "00:00:00.00");
    EXPECT_EQ(display.m_backColor, 0xFFFFFFu);
    EXPECT_EQ(display.m_slant, 0);
    EXPECT_EQ(display.m_stroke, 2);
    EXPECT_TRUE(display.testAttribute(Qt::WA_OpaquePaintEvent));
}

TEST(LcdDisplayWidget, ReportsEachLeftClickOnce)
{
    LcdDisplay display;
    display.resize(196, 36);
    display.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&display));
    QSignalSpy spy(&display, &LcdDisplay::clicked);
    const QPoint inside(50, 18);

    QTest::mouseClick(&display, Qt::LeftButton, {}, inside);
    EXPECT_EQ(spy.count(), 1);
    QTest::mouseClick(&display, Qt::RightButton, {}, inside);
    QTest::mouseClick(&display, Qt::MiddleButton, {}, inside);
    EXPECT_EQ(spy.count(), 1);
    // Through the window, as real input arrives: press, release, double
    // click, release. The double click's second press is not a new click.
    QTest::mouseDClick(display.windowHandle(), Qt::LeftButton, {}, inside);
    EXPECT_EQ(spy.count(), 2);
}

} // namespace
} // namespace quillet
