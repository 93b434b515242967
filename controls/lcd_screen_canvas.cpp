#include "controls/lcd_screen_canvas.h"

#include "controls/colorref.h"
#include "controls/lcd_line_walk.h"

#include <QPainter>

#include <algorithm>

namespace quillet {

LcdScreenCanvas::LcdScreenCanvas(QPainter& painter, QSize logicalSize)
    : m_painter(painter),
      m_grid(DevicePixelGrid::Of(painter)),
      m_deviceSize(m_grid.DeviceSize(logicalSize)),
      m_penColor(ToQColor(kLcdBlack))
{
    m_painter.save();
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    m_painter.setPen(Qt::NoPen);
    m_grid.PaintInDevicePixels(m_painter);
}

LcdScreenCanvas::~LcdScreenCanvas()
{
    m_painter.restore();
}

LcdRect LcdScreenCanvas::ClientRect() const
{
    return {0, 0, m_deviceSize.width(), m_deviceSize.height()};
}

void LcdScreenCanvas::FillSpan(int left, int top, int width, int height, const QColor& color)
{
    if (width > 0 && height > 0) m_painter.fillRect(QRect(left, top, width, height), color);
}

void LcdScreenCanvas::FillRect(const LcdRect& rect, std::uint32_t color)
{
    FillSpan(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, ToQColor(color));
}

void LcdScreenCanvas::FrameRect(const LcdRect& rect, std::uint32_t color)
{
    const QColor qcolor = ToQColor(color);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0) return;
    FillSpan(rect.left, rect.top, width, 1, qcolor);
    FillSpan(rect.left, rect.bottom - 1, width, 1, qcolor);
    FillSpan(rect.left, rect.top + 1, 1, height - 2, qcolor);
    FillSpan(rect.right - 1, rect.top + 1, 1, height - 2, qcolor);
}

void LcdScreenCanvas::SelectPen(std::uint32_t color)
{
    m_penColor = ToQColor(color);
}

void LcdScreenCanvas::MoveTo(int x, int y)
{
    m_x = x;
    m_y = y;
}

void LcdScreenCanvas::LineTo(int x, int y)
{
    // Consecutive pixels in one row or one column are filled as one rectangle:
    // a segment is then a single fill, and only slanted strokes go pixel by pixel.
    int runX = 0;
    int runY = 0;
    int runWidth = 0;
    int runHeight = 0;
    auto flush = [&] {
        FillSpan(runX, runY, runWidth, runHeight, m_penColor);
        runWidth = 0;
        runHeight = 0;
    };
    ForEachLinePixel(m_x, m_y, x, y, [&](int px, int py) {
        if (runWidth > 0) {
            if (py == runY && runHeight == 1 && (px == runX - 1 || px == runX + runWidth)) {
                runX = std::min(runX, px);
                ++runWidth;
                return;
            }
            if (px == runX && runWidth == 1 && (py == runY - 1 || py == runY + runHeight)) {
                runY = std::min(runY, py);
                ++runHeight;
                return;
            }
            flush();
        }
        runX = px;
        runY = py;
        runWidth = 1;
        runHeight = 1;
    });
    if (runWidth > 0) flush();
    m_x = x;
    m_y = y;
}

} // namespace quillet
