#pragma once
// Draws the display's picture, laid out in logical pixels, onto a canvas in
// device pixels: the same picture at the device's pixel ratio.
//
// Each logical pixel becomes the block of device pixels between its edges on
// the device grid, so a line two logical pixels wide is 2 x ratio device
// pixels wide, rounded one way or the other by where it falls, and the share
// of ink stays that of the ratio-1 picture. A slanted line is drawn again at
// device resolution rather than as a staircase of blocks. At ratio 1 every
// call passes through unchanged.

#include "controls/device_pixel_grid.h"
#include "controls/lcd_canvas.h"

namespace quillet {

class LcdScaledCanvas final : public LcdCanvas {
public:
    // Draws on device, which is logicalSize laid on grid in device pixels.
    LcdScaledCanvas(LcdCanvas& device, const DevicePixelGrid& grid, QSize logicalSize);

    LcdRect ClientRect() const override; // in logical pixels
    void FillRect(const LcdRect& rect, std::uint32_t color) override;
    // The border is grid.LineWidth() device pixels wide on every side.
    void FrameRect(const LcdRect& rect, std::uint32_t color) override;
    void SelectPen(std::uint32_t color) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;

private:
    LcdRect DeviceRect(const LcdRect& rect) const;

    LcdCanvas& m_device;
    DevicePixelGrid m_grid;
    QSize m_logicalSize;
    std::uint32_t m_pen = kLcdBlack;
    int m_x = 0;
    int m_y = 0;
};

} // namespace quillet
