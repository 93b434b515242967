// The display on a high-DPI device: the ratio-1 picture at the device's
// ratio, on whole device pixels, wherever the widget sits between pixels.

#include "controls/device_pixel_grid.h"
#include "controls/lcd_display.h"
#include "controls/lcd_images.h"
#include "controls/lcd_recording_canvas.h"
#include "controls/lcd_scaled_canvas.h"

#include <QApplication>
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace quillet {
namespace {

constexpr QSize kLogicalSize(196, 36);
const QRgb kOutside = qRgb(0xFF, 0x00, 0xFF);

// Whole readouts, as the engine hands them over.
const std::vector<std::string> kReadouts = {"00:00:00.00 ", "E0:00:00:00 ", "0123456789+", "01;02;03;04/",
                                            "0003*"};

// The widget painted into an image of the given ratio, with its logical
// origin at (offset, offset), cut down to the device pixels it owns. The
// pixels around it must stay as they were. A zoomed display is zoom times
// as large.
QImage RenderedDisplay(const std::string& text, double ratio, int offset = 0, double zoom = 1.0)
{
    const QSize size = kLogicalSize * zoom;
    LcdDisplay display;
    display.resize(size);
    display.SetZoom(zoom);
    display.m_backColor = 0xC0FFFF;
    display.m_text = text;
    QImage image(qCeil((offset + size.width()) * ratio) + 2, qCeil((offset + size.height()) * ratio) + 2,
                 QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(kOutside);
    display.render(&image, QPoint(offset, offset));

    const DevicePixelGrid grid(ratio, QPointF(offset * ratio, offset * ratio));
    const QRect owned(QPoint(qRound(offset * ratio), qRound(offset * ratio)), grid.DeviceSize(size));
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (!owned.contains(x, y) && image.pixel(x, y) != kOutside) {
                ADD_FAILURE() << "painted outside the display at (" << x << ", " << y << ")";
                return {};
            }
    QImage cut = image.copy(owned);
    cut.setDevicePixelRatio(1.0);
    return cut;
}

// What the display's drawing calls give on the grid, rasterised by the line rule.
QImage PredictedOnGrid(const std::string& text, const DevicePixelGrid& grid)
{
    LcdDisplay display;
    display.m_backColor = 0xC0FFFF;
    const QSize deviceSize = grid.DeviceSize(kLogicalSize);
    RecordingCanvas recording(deviceSize.width(), deviceSize.height());
    LcdScaledCanvas canvas(recording, grid, kLogicalSize);
    display.DrawDisplay(canvas, text);
    return recording.Rasterise();
}

TEST(LcdHighDpi, WidgetPaintsTheScaledDrawingOnWholePixelsItOwns)
{
    for (const double ratio : {1.0, 1.25, 1.5, 1.75, 2.0}) {
        for (const int offset : {0, 7}) {
            for (const std::string& text : kReadouts) {
                SCOPED_TRACE("\"" + text + "\" at ratio " + std::to_string(ratio) + ", offset " +
                             std::to_string(offset));
                const DevicePixelGrid grid(ratio, QPointF(offset * ratio, offset * ratio));
                EXPECT_EQ(FirstDifference(RenderedDisplay(text, ratio, offset), PredictedOnGrid(text, grid)), "");
            }
        }
    }
}

// Proportions and weight against the ratio-1 picture: the ink spans the same
// part of the display, and covers the same share of it within 15 %. (A lone
// stroke cannot: at 1.25 it is 2 or 3 pixels wide where 2.5 would be exact.
// Across a readout the two widths even out.)
TEST(LcdHighDpi, PictureKeepsItsProportionsAndShareOfInk)
{
    for (const double ratio : {1.25, 1.5, 1.75, 2.0}) {
        for (const std::string& text : kReadouts) {
            SCOPED_TRACE("\"" + text + "\" at ratio " + std::to_string(ratio));
            const QImage one = RenderedDisplay(text, 1.0);
            const QImage scaled = RenderedDisplay(text, ratio);
            const InkSummary inkOne = SummariseInk(one);
            const InkSummary inkScaled = SummariseInk(scaled);
            ASSERT_GT(inkOne.count, 0);

            const double shareOne = double(inkOne.count) / (one.width() * one.height());
            const double shareScaled = double(inkScaled.count) / (scaled.width() * scaled.height());
            EXPECT_NEAR(shareScaled / shareOne, 1.0, 0.15);

            const QRect& b1 = inkOne.bounds;
            const QRect& br = inkScaled.bounds;
            EXPECT_LE(std::abs(br.left() - b1.left() * ratio), 1.0);
            EXPECT_LE(std::abs(br.top() - b1.top() * ratio), 1.0);
            EXPECT_LE(std::abs(br.right() + 1 - (b1.right() + 1) * ratio), 1.0);
            EXPECT_LE(std::abs(br.bottom() + 1 - (b1.bottom() + 1) * ratio), 1.0);
        }
    }
}

// Lengths of the runs of ink met along one row (or column) of the image.
std::vector<int> InkRuns(const QImage& image, int index, bool alongRow)
{
    std::vector<int> runs;
    int run = 0;
    const int length = alongRow ? image.width() : image.height();
    for (int i = 0; i <= length; ++i) {
        const bool ink = i < length && IsInk(alongRow ? image.pixel(i, index) : image.pixel(index, i));
        if (ink) {
            ++run;
        } else if (run > 0) {
            runs.push_back(run);
            run = 0;
        }
    }
    return runs;
}

// A stroke two logical pixels wide is 2 x ratio device pixels wide, rounded
// down or up by where it falls on the grid; the dots of a colon grow alike.
TEST(LcdHighDpi, StrokesAndDotsAreTwiceTheRatioWide)
{
    for (const double ratio : {1.0, 1.25, 1.5, 1.75, 2.0}) {
        SCOPED_TRACE("ratio " + std::to_string(ratio));
        const QImage image = RenderedDisplay("88:8", ratio);
        const DevicePixelGrid grid(ratio);
        const int narrowest = static_cast<int>(std::floor(2 * ratio));
        const int widest = static_cast<int>(std::ceil(2 * ratio));
        // With s = 12 the digits' cells start at x = 4 and 21, the colon at 38.
        // Column 10 of a cell crosses bars a, g and d; row 10 crosses f and b.
        for (const int cellX : {4, 21}) {
            const std::vector<int> acrossBars = InkRuns(image, grid.X(cellX + 6), false);
            ASSERT_EQ(acrossBars.size(), 3u);
            for (const int run : acrossBars) EXPECT_TRUE(run >= narrowest && run <= widest) << run;
        }
        const std::vector<int> acrossUprights = InkRuns(image, grid.Y(10), true);
        ASSERT_EQ(acrossUprights.size(), 2u * 3u + 1u); // two per digit, one colon dot
        for (const int run : acrossUprights) EXPECT_TRUE(run >= narrowest && run <= widest) << run;
        // The upper colon dot is one logical pixel high.
        EXPECT_EQ(InkRuns(image, grid.X(38), false).front(), grid.Y(11) - grid.Y(10));
    }
}

// At ratio 2 every logical pixel is a 2 x 2 block: apart from slanted strokes,
// which are drawn again at device resolution, the picture is the ratio-1
// picture with every pixel doubled.
TEST(LcdHighDpi, AtRatioTwoStraightStrokesArePixelsDoubled)
{
    for (const char* text : {"00:00:00.00 ", "E8:88.8-+", "", "0123456789"}) {
        SCOPED_TRACE(std::string("\"") + text + "\"");
        const QImage one = RenderedDisplay(text, 1.0);
        const QImage doubled = one.scaled(one.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        EXPECT_EQ(FirstDifference(RenderedDisplay(text, 2.0), doubled), "");
    }
}

// A zoomed window enlarges a display as a high-DPI screen does: the same
// picture, pixel for pixel, at every zoom and on screens of either kind.
TEST(LcdHighDpi, AZoomedDisplayIsTheHighDpiPicture)
{
    for (const double zoom : {1.25, 1.5, 2.0, 2.5, 3.0}) {
        for (const double ratio : {1.0, 2.0}) {
            for (const std::string& text : kReadouts) {
                SCOPED_TRACE("\"" + text + "\" at zoom " + std::to_string(zoom) + ", ratio " + std::to_string(ratio));
                EXPECT_EQ(FirstDifference(RenderedDisplay(text, ratio, 0, zoom), RenderedDisplay(text, zoom * ratio)), "");
            }
        }
    }
}

// The display with the keyboard focus has a black frame two pixels wide,
// which stands out on every background and against the window.
TEST(LcdHighDpi, TheFocusedDisplayIsFramedInBlack)
{
    QWidget window;
    LcdDisplay display(&window);
    display.resize(kLogicalSize);
    display.setFocusPolicy(Qt::StrongFocus);
    window.show();
    QApplication::setActiveWindow(&window);
    for (const bool focused : {true, false}) {
        SCOPED_TRACE(focused ? "focused" : "not focused");
        if (focused) display.setFocus();
        else display.clearFocus();
        ASSERT_EQ(display.hasFocus(), focused);
        QImage image(kLogicalSize, QImage::Format_RGB32);
        display.render(&image);
        const QRgb background = qRgb(0xFF, 0xFF, 0xFF);
        EXPECT_EQ(image.pixel(0, 18), focused ? qRgb(0, 0, 0) : qRgb(0x80, 0x80, 0x80));
        EXPECT_EQ(image.pixel(1, 18), focused ? qRgb(0, 0, 0) : background);
        EXPECT_EQ(image.pixel(2, 18), background);
    }
}

} // namespace
} // namespace quillet
