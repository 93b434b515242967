#pragma once
// Which pixels a one-pixel line lights, the way the platform's LineTo does it:
// the start point is painted, the end point is not, and every step of the
// longer axis lights the pixel nearest to the true line. When the line passes
// exactly halfway between two pixels the upper one wins on a shallow line and
// the left one on a steep line, whichever way the line is drawn.

#include <cstdlib>

namespace quillet {

// Calls visit(x, y) for each pixel of the line from (x1, y1) to (x2, y2),
// from the start point towards the end point. A zero-length line paints
// nothing.
template <class Visit>
void ForEachLinePixel(int x1, int y1, int x2, int y2, Visit&& visit)
{
    const int dx = x2 - x1;
    const int dy = y2 - y1;
    const int adx = std::abs(dx);
    const int ady = std::abs(dy);
    const int sx = dx < 0 ? -1 : 1;
    const int sy = dy < 0 ? -1 : 1;

    if (adx >= ady) {
        // error = 2 * (true minor offset - chosen minor offset) * adx
        int error = 0;
        // A tie moves to the next row only when that row is the upper one.
        const int limit = sy < 0 ? adx - 1 : adx;
        int x = x1;
        int y = y1;
        for (int i = 0; i < adx; ++i) {
            visit(x, y);
            x += sx;
            error += 2 * ady;
            if (error > limit) {
                y += sy;
                error -= 2 * adx;
            }
        }
    } else {
        int error = 0;
        // A tie moves to the next column only when that column is the left one.
        const int limit = sx < 0 ? ady - 1 : ady;
        int x = x1;
        int y = y1;
        for (int i = 0; i < ady; ++i) {
            visit(x, y);
            y += sy;
            error += 2 * adx;
            if (error > limit) {
                x += sx;
                error -= 2 * ady;
            }
        }
    }
}

} // namespace quillet
