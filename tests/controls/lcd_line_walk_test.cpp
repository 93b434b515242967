// The pixels of a one-pixel line: start point in, end point out, nearest
// pixel per step, ties to the upper or left pixel.

#include "controls/lcd_line_walk.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <utility>
#include <vector>

namespace quillet {
namespace {

using Pixels = std::vector<std::pair<int, int>>;

Pixels Walk(int x1, int y1, int x2, int y2)
{
    Pixels pixels;
    ForEachLinePixel(x1, y1, x2, y2, [&](int x, int y) { pixels.emplace_back(x, y); });
    return pixels;
}

TEST(LcdLineWalk, PaintsTheStartPointButNotTheEndPoint)
{
    struct Case {
        const char* name;
        int x1, y1, x2, y2;
        Pixels pixels;
    };
    const std::vector<Case> cases = {
        {"zero length", 3, 3, 3, 3, {}},
        {"one pixel right", 3, 3, 4, 3, {{3, 3}}},
        {"rightward", 0, 0, 3, 0, {{0, 0}, {1, 0}, {2, 0}}},
        {"leftward", 3, 0, 0, 0, {{3, 0}, {2, 0}, {1, 0}}},
        {"downward", 0, 0, 0, 3, {{0, 0}, {0, 1}, {0, 2}}},
        {"upward", 0, 3, 0, 0, {{0, 3}, {0, 2}, {0, 1}}},
        {"45 degrees down-right", 2, 8, 5, 11, {{2, 8}, {3, 9}, {4, 10}}},
        {"45 degrees down-left", 5, 8, 2, 11, {{5, 8}, {4, 9}, {3, 10}}},
        {"shallow tie takes the upper pixel", 0, 0, 4, 1, {{0, 0}, {1, 0}, {2, 0}, {3, 1}}},
        {"shallow tie drawn backwards too", 4, 1, 0, 0, {{4, 1}, {3, 1}, {2, 0}, {1, 0}}},
        {"steep tie takes the left pixel", 0, 0, 1, 4, {{0, 0}, {0, 1}, {0, 2}, {1, 3}}},
        {"steep tie drawn backwards too", 1, 4, 0, 0, {{1, 4}, {1, 3}, {0, 2}, {0, 1}}},
        {"steep leftward tail", 7, 22, 5, 29, {{7, 22}, {7, 23}, {6, 24}, {6, 25}, {6, 26}, {6, 27}, {5, 28}}},
        {"negative coordinates", -2, -1, 1, -1, {{-2, -1}, {-1, -1}, {0, -1}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Walk(c.x1, c.y1, c.x2, c.y2), c.pixels);
    }
}

// Every line between two points of a small grid, checked against the rule
// itself: one pixel per step of the longer axis, the pixel nearest the true
// line on the other axis, an exact tie going to the smaller coordinate.
TEST(LcdLineWalk, EveryLineOfASmallGridFollowsTheNearestPixelRule)
{
    constexpr int kLow = -5;
    constexpr int kHigh = 5;
    for (int x1 = kLow; x1 <= kHigh; ++x1)
        for (int y1 = kLow; y1 <= kHigh; ++y1)
            for (int x2 = kLow; x2 <= kHigh; ++x2)
                for (int y2 = kLow; y2 <= kHigh; ++y2) {
                    const Pixels pixels = Walk(x1, y1, x2, y2);
                    const int dx = x2 - x1;
                    const int dy = y2 - y1;
                    const bool xMajor = std::abs(dx) >= std::abs(dy);
                    const int steps = xMajor ? std::abs(dx) : std::abs(dy);
                    ASSERT_EQ(pixels.size(), static_cast<std::size_t>(steps));
                    for (int i = 0; i < steps; ++i) {
                        const auto [x, y] = pixels[static_cast<std::size_t>(i)];
                        // Along the major axis: the i-th step from the start.
                        const int major = xMajor ? x - x1 : y - y1;
                        const int majorDelta = xMajor ? dx : dy;
                        ASSERT_EQ(major, majorDelta < 0 ? -i : i);
                        // Across: 2 * (pixel - true position) * steps, in integers.
                        const int minorDelta = xMajor ? dy : dx;
                        const int minorOffset = xMajor ? y - y1 : x - x1;
                        const int twiceError = 2 * (minorOffset * steps - minorDelta * i);
                        const bool ok = std::abs(twiceError) < steps || twiceError == -steps;
                        ASSERT_TRUE(ok) << "(" << x1 << "," << y1 << ")->(" << x2 << "," << y2 << ") step " << i
                                        << " pixel (" << x << "," << y << ")";
                    }
                }
}

} // namespace
} // namespace quillet
