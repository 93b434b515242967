#pragma once
// The few drawing calls the seven-segment display needs. The display draws
// through this interface so that its geometry can be recorded and checked
// without a screen; LcdScreenCanvas paints the same calls with a QPainter.

#include <cstdint>

namespace quillet {

// A rectangle in the canvas's pixels: left and top inside, right and bottom
// outside, as the platform's rectangles are.
struct LcdRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    friend bool operator==(const LcdRect&, const LcdRect&) = default;
};

// Colours are COLORREF values, 0x00BBGGRR.
inline constexpr std::uint32_t kLcdBlack = 0x000000;
inline constexpr std::uint32_t kLcdRed = 0x0000FF;
inline constexpr std::uint32_t kLcdFrameGrey = 0x808080;

class LcdCanvas {
public:
    // The whole area to paint, with its top-left at (0, 0).
    virtual LcdRect ClientRect() const = 0;
    // Fills the rectangle with a colour.
    virtual void FillRect(const LcdRect& rect, std::uint32_t color) = 0;
    // Draws a one-pixel border just inside the rectangle.
    virtual void FrameRect(const LcdRect& rect, std::uint32_t color) = 0;
    // Makes later lines a solid one-pixel pen of this colour. A new canvas
    // starts with the black pen.
    virtual void SelectPen(std::uint32_t color) = 0;
    virtual void MoveTo(int x, int y) = 0;
    // Draws from the current position to (x, y), painting the start point but
    // not the end point, and makes (x, y) the current position.
    virtual void LineTo(int x, int y) = 0;

protected:
    ~LcdCanvas() = default;
};

} // namespace quillet
