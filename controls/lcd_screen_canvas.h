#pragma once
// Paints the display's drawing calls with a QPainter, pixel for pixel as the
// recorded calls describe them. It works in device pixels: on a high-DPI
// device the painter is scaled back so that a line is one device pixel wide
// and lands on whole pixels the widget owns, never smeared across two.
// LcdScaledCanvas puts a picture laid out in logical pixels on top of it.

#include "controls/device_pixel_grid.h"
#include "controls/lcd_canvas.h"

#include <QColor>
#include <QSize>

class QPainter;

namespace quillet {

class LcdScreenCanvas final : public LcdCanvas {
public:
    // Paints an area of logicalSize, from the painter's current origin, in the
    // device pixels it covers. The painter's state is restored when the
    // canvas goes away.
    LcdScreenCanvas(QPainter& painter, QSize logicalSize);
    ~LcdScreenCanvas();
    LcdScreenCanvas(const LcdScreenCanvas&) = delete;
    LcdScreenCanvas& operator=(const LcdScreenCanvas&) = delete;

    // Where the painted area lies on the device's pixels.
    const DevicePixelGrid& Grid() const { return m_grid; }

    LcdRect ClientRect() const override; // in device pixels
    void FillRect(const LcdRect& rect, std::uint32_t color) override;
    void FrameRect(const LcdRect& rect, std::uint32_t color) override;
    void SelectPen(std::uint32_t color) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;

private:
    void FillSpan(int left, int top, int width, int height, const QColor& color);

    QPainter& m_painter;
    DevicePixelGrid m_grid;
    QSize m_deviceSize;
    QColor m_penColor;
    int m_x = 0;
    int m_y = 0;
};

} // namespace quillet
