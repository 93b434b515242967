// The flat button's frame on high-DPI devices: whole on every side, inside
// the device pixels the button owns, wherever the button sits between pixels.

#include "controls/device_pixel_grid.h"
#include "controls/flat_button.h"

#include <QApplication>
#include <QImage>

#include <cmath>

#include <gtest/gtest.h>

#include <string>

namespace quillet {
namespace {

TEST(FlatButtonFrame, KeypadFrameIsWholeAtEveryRatio)
{
    const QSize logicalSize(43, 29);
    for (const double ratio : {1.0, 1.25, 1.5, 1.75, 2.0}) {
        for (const int offset : {0, 7, 8, 9}) {
            SCOPED_TRACE("ratio " + std::to_string(ratio) + ", offset " + std::to_string(offset));
            FlatButton button;
            button.setText("7");
            button.resize(logicalSize);
            const QRgb frame = button.palette().color(QPalette::Mid).rgb();
            const QRgb face = button.palette().color(QPalette::Button).rgb();
            ASSERT_NE(frame, face);

            QImage image(qCeil((offset + logicalSize.width()) * ratio) + 2,
                         qCeil((offset + logicalSize.height()) * ratio) + 2, QImage::Format_RGB32);
            image.setDevicePixelRatio(ratio);
            image.fill(Qt::white);
            button.render(&image, QPoint(offset, offset));

            const DevicePixelGrid grid(ratio, QPointF(offset * ratio, offset * ratio));
            const QRect owned(QPoint(qRound(offset * ratio), qRound(offset * ratio)), grid.DeviceSize(logicalSize));
            const int line = grid.LineWidth();
            // Every ring of the frame in the frame colour, the ring inside it
            // face, the ring outside it untouched.
            auto ringIs = [&](int inset, QRgb colour) {
                const QRect ring = owned.adjusted(inset, inset, -inset, -inset);
                for (int x = ring.left(); x <= ring.right(); ++x)
                    for (const int y : {ring.top(), ring.bottom()})
                        if (image.pixel(x, y) != colour) return "(" + std::to_string(x) + ", " + std::to_string(y) + ")";
                for (int y = ring.top(); y <= ring.bottom(); ++y)
                    for (const int x : {ring.left(), ring.right()})
                        if (image.pixel(x, y) != colour) return "(" + std::to_string(x) + ", " + std::to_string(y) + ")";
                return std::string();
            };
            if (offset > 0) {
                EXPECT_EQ(ringIs(-1, QColor(Qt::white).rgb()), "");
            }
            for (int inset = 0; inset < line; ++inset) EXPECT_EQ(ringIs(inset, frame), "") << "frame ring " << inset;
            EXPECT_EQ(ringIs(line, face), "");
        }
    }
}

// The focus ring stands out from the face by at least 3:1, the usual
// minimum for what shows where the keyboard is, in light and dark palettes.
TEST(FlatButtonFocus, TheRingStandsOutInLightAndDarkPalettes)
{
    const auto luminance = [](QRgb rgb) {
        const auto channel = [](int value) {
            const double c = value / 255.0;
            return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(qRed(rgb)) + 0.7152 * channel(qGreen(rgb)) + 0.0722 * channel(qBlue(rgb));
    };
    for (const bool dark : {false, true}) {
        SCOPED_TRACE(dark ? "dark" : "light");
        QPalette palette;
        if (dark) {
            palette.setColor(QPalette::Button, QColor(0x35, 0x35, 0x35));
            palette.setColor(QPalette::ButtonText, QColor(0xee, 0xee, 0xee));
            palette.setColor(QPalette::Mid, QColor(0x50, 0x50, 0x50));
        }
        QWidget window;
        FlatButton button(&window);
        button.setPalette(palette);
        button.SetXButtonStyle(FlatButton::KeypadStyle, true);
        button.setText("7");
        button.setGeometry(0, 0, 43, 29);
        window.show();
        QApplication::setActiveWindow(&window);
        button.setFocus();
        ASSERT_TRUE(button.hasFocus());
        QImage image(button.size(), QImage::Format_RGB32);
        button.render(&image);
        const double ring = luminance(image.pixel(3, 10));
        const double face = luminance(image.pixel(5, 10));
        EXPECT_GE((std::max(ring, face) + 0.05) / (std::min(ring, face) + 0.05), 3.0);
    }
}

} // namespace
} // namespace quillet
