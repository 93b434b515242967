#include "controls/lcd_scaled_canvas.h"

#include <QtGlobal>

#include <algorithm>
#include <cstdlib>

namespace quillet {

LcdScaledCanvas::LcdScaledCanvas(LcdCanvas& device, const DevicePixelGrid& grid, QSize logicalSize)
    : m_device(device), m_grid(grid), m_logicalSize(logicalSize)
{
}

LcdRect LcdScaledCanvas::ClientRect() const
{
    return {0, 0, m_logicalSize.width(), m_logicalSize.height()};
}

LcdRect LcdScaledCanvas::DeviceRect(const LcdRect& rect) const
{
    return {m_grid.X(rect.left), m_grid.Y(rect.top), m_grid.X(rect.right), m_grid.Y(rect.bottom)};
}

void LcdScaledCanvas::FillRect(const LcdRect& rect, std::uint32_t color)
{
    m_device.FillRect(DeviceRect(rect), color);
}

void LcdScaledCanvas::FrameRect(const LcdRect& rect, std::uint32_t color)
{
    // The same width on all four sides: the grid would make some sides one
    // pixel wider than others.
    LcdRect border = DeviceRect(rect);
    for (int i = 0; i < m_grid.LineWidth() && border.left < border.right && border.top < border.bottom; ++i) {
        m_device.FrameRect(border, color);
        border = {border.left + 1, border.top + 1, border.right - 1, border.bottom - 1};
    }
}

void LcdScaledCanvas::SelectPen(std::uint32_t color)
{
    m_pen = color;
    m_device.SelectPen(color);
}

void LcdScaledCanvas::MoveTo(int x, int y)
{
    m_x = x;
    m_y = y;
}

void LcdScaledCanvas::LineTo(int x, int y)
{
    const int x1 = m_x;
    const int y1 = m_y;
    m_x = x;
    m_y = y;
    if (x == x1 && y == y1) return;

    // A line leaving logical pixel v starts at the side of v's block of device
    // pixels that it meets first: the left or top edge going right or down,
    // the last pixel going left or up. A straight line ends the same way, just
    // past the last block it paints.
    const int stepX = x < x1 ? -1 : 1;
    const int stepY = y < y1 ? -1 : 1;
    auto entryX = [&](int v) { return stepX > 0 ? m_grid.X(v) : m_grid.X(v + 1) - 1; };
    auto entryY = [&](int v) { return stepY > 0 ? m_grid.Y(v) : m_grid.Y(v + 1) - 1; };
    const int startX = entryX(x1);
    const int startY = entryY(y1);
    // How deep the start pixel's block is across the line (never nothing,
    // which a block can be below ratio 1).
    const bool alongX = std::abs(x - x1) >= std::abs(y - y1);
    const int depth = std::max(1, alongX ? m_grid.Y(y1 + 1) - m_grid.Y(y1) : m_grid.X(x1 + 1) - m_grid.X(x1));

    // A straight line is one block of device pixels, filled at once.
    if (y == y1) {
        const int endX = entryX(x);
        m_device.FillRect({std::min(startX, endX + 1), startY, std::max(startX + 1, endX), startY + depth}, m_pen);
        return;
    }
    if (x == x1) {
        const int endY = entryY(y);
        m_device.FillRect({startX, std::min(startY, endY + 1), startX + depth, std::max(startY + 1, endY)}, m_pen);
        return;
    }

    // A slanted line is drawn again at device resolution, as depth lines side
    // by side across its longer axis. Its length comes from its logical
    // length alone, not from where its ends fall on the grid, so the two
    // lines of a stroke run exactly parallel, with no holes between them.
    const int endX = startX + stepX * qRound(std::abs(x - x1) * m_grid.Ratio());
    const int endY = startY + stepY * qRound(std::abs(y - y1) * m_grid.RatioY());
    for (int i = 0; i < depth; ++i) {
        const int dx = alongX ? 0 : i * stepX;
        const int dy = alongX ? i * stepY : 0;
        m_device.MoveTo(startX + dx, startY + dy);
        m_device.LineTo(endX + dx, endY + dy);
    }
}

} // namespace quillet
