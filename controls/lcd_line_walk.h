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
    // Walk the longer axis one pixel per step and let the shorter one follow.
    const bool xMajor = std::abs(x2 - x1) >= std::abs(y2 - y1);
    const int along = xMajor ? x2 - x1 : y2 - y1;
    const int across = xMajor ? y2 - y1 : x2 - x1;
    const int steps = std::abs(along);
    const int rise = std::abs(across);
    const int alongStep = along < 0 ? -1 : 1;
    const int acrossStep = across < 0 ? -1 : 1;
    // error = 2 * (true offset across - chosen offset across) * steps. A tie
    // moves across only when that leads up (or left), to the smaller coordinate.
    const int limit = acrossStep < 0 ? steps - 1 : steps;
    int error = 0;
    int a = xMajor ? x1 : y1;
    int b = xMajor ? y1 : x1;
    for (int i = 0; i < steps; ++i) {
        if (xMajor)
            visit(a, b);
        else
            visit(b, a);
        a += alongStep;
        error += 2 * rise;
        if (error > limit) {
            b += acrossStep;
            error -= 2 * steps;
        }
    }
}

} // namespace quillet
