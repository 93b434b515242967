// The logical-to-device scaling of the display's drawing calls, checked on a
// recording canvas: where each logical pixel's device pixels end up.

#include "controls/device_pixel_grid.h"
#include "controls/lcd_line_walk.h"
#include "controls/lcd_recording_canvas.h"
#include "controls/lcd_scaled_canvas.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quillet {
namespace {

constexpr int kLogical = 24;
const QRgb kInk = RecordingCanvas::ToRgb(kLcdBlack);

struct GridCase {
    double ratio;
    double origin; // device position of logical 0 on both axes
};
const GridCase kGrids[] = {{1.0, 0.0}, {1.25, 0.0}, {1.25, 8.75}, {1.5, 0.0}, {1.5, 10.5}, {1.75, 12.25}, {2.0, 0.0}};

std::string Describe(const GridCase& g)
{
    return "ratio " + std::to_string(g.ratio) + ", origin " + std::to_string(g.origin);
}

// One logical line drawn through the scaled canvas, rasterised in device pixels.
QImage DrawnScaled(const DevicePixelGrid& grid, int x1, int y1, int x2, int y2)
{
    const QSize deviceSize = grid.DeviceSize({kLogical, kLogical});
    RecordingCanvas device(deviceSize.width(), deviceSize.height());
    LcdScaledCanvas canvas(device, grid, {kLogical, kLogical});
    canvas.FillRect(canvas.ClientRect(), 0xFFFFFF);
    canvas.MoveTo(x1, y1);
    canvas.LineTo(x2, y2);
    return device.Rasterise();
}

// The device block of each logical pixel the line rule lights.
std::vector<QRect> LogicalBlocks(const DevicePixelGrid& grid, int x1, int y1, int x2, int y2)
{
    std::vector<QRect> blocks;
    ForEachLinePixel(x1, y1, x2, y2, [&](int x, int y) {
        blocks.push_back(QRect(QPoint(grid.X(x), grid.Y(y)), QPoint(grid.X(x + 1) - 1, grid.Y(y + 1) - 1)));
    });
    return blocks;
}

// A straight line, whichever way it runs, covers exactly the device blocks of
// the logical pixels it lights: the start point's, not the end point's.
TEST(LcdScaledCanvas, StraightLinesCoverTheBlocksOfTheirLogicalPixels)
{
    struct Line {
        const char* name;
        int x1, y1, x2, y2;
    };
    const Line lines[] = {
        {"right", 5, 9, 17, 9}, {"left", 17, 9, 5, 9}, {"down", 9, 5, 9, 17}, {"up", 9, 17, 9, 5}, {"one pixel", 3, 3, 4, 3},
    };
    for (const GridCase& g : kGrids) {
        const DevicePixelGrid grid(g.ratio, QPointF(g.origin, g.origin));
        for (const Line& l : lines) {
            SCOPED_TRACE(Describe(g) + ", " + l.name);
            const QImage drawn = DrawnScaled(grid, l.x1, l.y1, l.x2, l.y2);
            QImage expected(drawn.size(), QImage::Format_RGB32);
            expected.fill(Qt::white);
            for (const QRect& block : LogicalBlocks(grid, l.x1, l.y1, l.x2, l.y2))
                for (int y = block.top(); y <= block.bottom(); ++y)
                    for (int x = block.left(); x <= block.right(); ++x) expected.setPixel(x, y, kInk);
            EXPECT_EQ(drawn, expected);
        }
    }
}

// A slanted line is drawn again at device resolution, at its own slope: it
// starts in the first logical pixel's block, ends within a pixel of the last
// one's, and keeps to the blocks of its logical pixels and their neighbours.
TEST(LcdScaledCanvas, SlantedLinesRunFromFirstBlockToLastBlock)
{
    struct Line {
        const char* name;
        int x1, y1, x2, y2;
    };
    const Line lines[] = {
        {"down right at 45 degrees", 2, 2, 17, 17}, {"down left at 45 degrees", 17, 2, 2, 17},
        {"up right, shallow", 3, 20, 20, 13},       {"down left, steep", 7, 4, 5, 20},
    };
    for (const GridCase& g : kGrids) {
        const DevicePixelGrid grid(g.ratio, QPointF(g.origin, g.origin));
        for (const Line& l : lines) {
            SCOPED_TRACE(Describe(g) + ", " + l.name);
            const QImage drawn = DrawnScaled(grid, l.x1, l.y1, l.x2, l.y2);
            const std::vector<QRect> blocks = LogicalBlocks(grid, l.x1, l.y1, l.x2, l.y2);
            const QRect first = blocks.front();
            const QRect last = blocks.back();
            auto inked = [&](const QRect& block) {
                for (int y = block.top(); y <= block.bottom(); ++y)
                    for (int x = block.left(); x <= block.right(); ++x)
                        if (drawn.pixel(x, y) == kInk) return true;
                return false;
            };
            EXPECT_TRUE(inked(first));
            EXPECT_TRUE(inked(last.adjusted(-1, -1, 1, 1)));
            for (int y = 0; y < drawn.height(); ++y)
                for (int x = 0; x < drawn.width(); ++x) {
                    if (drawn.pixel(x, y) != kInk) continue;
                    bool near = false;
                    for (const QRect& block : blocks) near = near || block.adjusted(-2, -2, 2, 2).contains(x, y);
                    EXPECT_TRUE(near) << "stray ink at (" << x << ", " << y << ")";
                }
        }
    }
}

// The frame is as wide on every side, whatever the grid would make each side.
TEST(LcdScaledCanvas, FrameIsEquallyWideOnEverySide)
{
    for (const GridCase& g : kGrids) {
        SCOPED_TRACE(Describe(g));
        const DevicePixelGrid grid(g.ratio, QPointF(g.origin, g.origin));
        const QSize deviceSize = grid.DeviceSize({kLogical, kLogical});
        RecordingCanvas device(deviceSize.width(), deviceSize.height());
        LcdScaledCanvas canvas(device, grid, {kLogical, kLogical});
        canvas.FillRect(canvas.ClientRect(), 0xFFFFFF);
        canvas.FrameRect(canvas.ClientRect(), kLcdFrameGrey);
        const QImage drawn = device.Rasterise();
        const QRgb grey = RecordingCanvas::ToRgb(kLcdFrameGrey);
        const int middle = deviceSize.width() / 2;
        auto depth = [&](int x, int y, int dx, int dy) {
            int n = 0;
            while (drawn.pixel(x + n * dx, y + n * dy) == grey) ++n;
            return n;
        };
        const int width = grid.LineWidth();
        EXPECT_EQ(depth(middle, 0, 0, 1), width);                         // top
        EXPECT_EQ(depth(middle, deviceSize.height() - 1, 0, -1), width);  // bottom
        EXPECT_EQ(depth(0, middle, 1, 0), width);                         // left
        EXPECT_EQ(depth(deviceSize.width() - 1, middle, -1, 0), width);   // right
    }
}

} // namespace
} // namespace quillet
