#pragma once
// Paints the display's drawing calls with a QPainter, pixel for pixel as the
// recorded calls describe them. It works in device pixels: on a high-DPI
// device the painter is scaled back so that a line is one device pixel wide
// and lands exactly on the pixel grid, never smeared across two.

#include "controls/lcd_canvas.h"

#include <QColor>
#include <QSize>

class QPainter;

namespace quillet {

class LcdScreenCanvas final : public LcdCanvas {
public:
    // Paints on painter's device, whose size in device pixels is deviceSize.
    // The painter's state is restored when the canvas goes away.
    LcdScreenCanvas(QPainter& painter, QSize deviceSize);
    ~LcdScreenCanvas();
    LcdScreenCanvas(const LcdScreenCanvas&) = delete;
    LcdScreenCanvas& operator=(const LcdScreenCanvas&) = delete;

    LcdRect ClientRect() const override;
    void FillRect(const LcdRect& rect, std::uint32_t color) override;
    void FrameRect(const LcdRect& rect, std::uint32_t color) override;
    void SelectPen(std::uint32_t color) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;

private:
    void FillSpan(int left, int top, int width, int height, const QColor& color);

    QPainter& m_painter;
    QSize m_deviceSize;
    QColor m_penColor;
    int m_x = 0;
    int m_y = 0;
};

} // namespace quillet
