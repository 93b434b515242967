// The display's geometry, checked line by line through a recording canvas.

#include "controls/lcd_display.h"
#include "controls/lcd_recording_canvas.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quillet {
namespace {

constexpr std::uint32_t B = kLcdBlack;
constexpr std::uint32_t R = kLcdRed;

// One stroke as drawn: the line and its copy one pixel right or down.
std::vector<RecordedLine> Doubled(int x1, int y1, int x2, int y2, bool right, std::uint32_t pen = B)
{
    const int dx = right ? 1 : 0;
    const int dy = right ? 0 : 1;
    return {{x1, y1, x2, y2, pen}, {x1 + dx, y1 + dy, x2 + dx, y2 + dy, pen}};
}

std::vector<RecordedLine> Strokes(std::initializer_list<std::vector<RecordedLine>> pairs)
{
    std::vector<RecordedLine> lines;
    for (const auto& pair : pairs) lines.insert(lines.end(), pair.begin(), pair.end());
    return lines;
}

constexpr bool kRight = true;
constexpr bool kDown = false;

struct CharacterCase {
    const char* name;
    char ch;
    int x;
    std::vector<RecordedLine> lines;
    int advance;
};

// Every cell at y = 4 with s = 12, the size a 36-pixel-high display uses.
TEST(LcdDisplayCharacter, DrawsEachCharacterWithExactStrokesAndAdvance)
{
    const std::vector<CharacterCase> cases = {
        {"eight lights a to g", '8', 4,
         Strokes({Doubled(6, 4, 16, 4, kDown), Doubled(16, 6, 16, 16, kRight), Doubled(16, 18, 16, 29, kRight),
                  Doubled(6, 29, 16, 29, kDown), Doubled(4, 18, 4, 29, kRight), Doubled(4, 6, 4, 16, kRight),
                  Doubled(6, 16, 16, 16, kDown)}),
         12},
        {"zero has no middle bar", '0', 4,
         Strokes({Doubled(6, 4, 16, 4, kDown), Doubled(16, 6, 16, 16, kRight), Doubled(16, 18, 16, 29, kRight),
                  Doubled(6, 29, 16, 29, kDown), Doubled(4, 18, 4, 29, kRight), Doubled(4, 6, 4, 16, kRight)}),
         12},
        {"one is the right-hand bars", '1', 21,
         Strokes({Doubled(33, 6, 33, 16, kRight), Doubled(33, 18, 33, 29, kRight)}), 12},
        {"plus", '+', 4, Strokes({Doubled(4, 15, 16, 15, kDown), Doubled(9, 10, 9, 22, kRight)}), 12},
        {"minus", '-', 4, Doubled(4, 16, 16, 16, kDown), 12},
        // The dashes rise to the right (negative quotient): doubled downward.
        {"division sign", '/', 4,
         Strokes({Doubled(4, 16, 16, 16, kDown), Doubled(9, 10, 10, 9, kDown), Doubled(9, 22, 10, 22, kDown)}), 12},
        // 45 degrees is not steep: both diagonals are doubled downward.
        {"diagonal cross", '*', 4, Strokes({Doubled(2, 8, 17, 23, kDown), Doubled(17, 8, 2, 23, kDown)}), 12},
        // The tail is steep on screen but its quotient is negative.
        {"drop-frame separator", ';', 4,
         Strokes({Doubled(7, 10, 7, 6, kRight), Doubled(7, 22, 7, 25, kRight), Doubled(7, 22, 5, 29, kDown)}), 6},
        {"colon", ':', 38, Strokes({Doubled(38, 10, 38, 11, kRight), Doubled(38, 22, 38, 23, kRight)}), 3},
        {"point", '.', 122, Doubled(122, 27, 122, 28, kRight), 3},
        {"space", ' ', 164, {}, 12},
        {"lower-case letter", 'e', 4, {}, 12},
        {"character below the digits", '\x01', 4, {}, 12},
        {"byte above 127", '\xB5', 4, {}, 12},
        {"character past the table's end", '<', 4, {}, 12},
        {"comma, below the digits", ',', 4, {}, 12},
    };
    for (const CharacterCase& c : cases) {
        SCOPED_TRACE(c.name);
        LcdDisplay display;
        RecordingCanvas canvas(196, 36);
        EXPECT_EQ(display.DrawCharacter(canvas, c.x, 4, 12, c.ch), c.advance);
        EXPECT_EQ(canvas.Lines(), c.lines);
    }
}

TEST(LcdDisplayCharacter, ErrorLetterIsRedAndTheNextCharacterBlackAgain)
{
    LcdDisplay display;
    RecordingCanvas canvas(196, 36);
    display.DrawDisplay(canvas, "E0");

    const std::vector<RecordedLine> expected =
        Strokes({Doubled(6, 4, 16, 4, kDown, R), Doubled(6, 29, 16, 29, kDown, R), Doubled(4, 18, 4, 29, kRight, R),
                 Doubled(4, 6, 4, 16, kRight, R), Doubled(6, 16, 16, 16, kDown, R),
                 // the zero in the next cell, x = 21
                 Doubled(23, 4, 33, 4, kDown), Doubled(33, 6, 33, 16, kRight), Doubled(33, 18, 33, 29, kRight),
                 Doubled(23, 29, 33, 29, kDown), Doubled(21, 18, 21, 29, kRight), Doubled(21, 6, 21, 16, kRight)});
    EXPECT_EQ(canvas.Lines(), expected);
}

TEST(LcdDisplayCharacter, DotsAfterAnErrorLetterAreBlack)
{
    LcdDisplay display;
    RecordingCanvas canvas(196, 36);
    display.DrawDisplay(canvas, "E:.");
    const std::vector<RecordedLine> lines = canvas.Lines();
    ASSERT_EQ(lines.size(), 10u + 4u + 2u);
    for (std::size_t i = 10; i < lines.size(); ++i) EXPECT_EQ(lines[i].pen, B) << lines[i];
}

TEST(LcdDisplayPaint, EmptyTextPaintsOnlyBackgroundAndFrame)
{
    LcdDisplay display;
    display.m_backColor = 0x00C0FF; // orange
    RecordingCanvas canvas(196, 36);
    display.DrawDisplay(canvas, "");

    ASSERT_EQ(canvas.operations.size(), 2u);
    EXPECT_EQ(canvas.operations[0].kind, RecordingCanvas::Kind::Fill);
    EXPECT_EQ(canvas.operations[0].rect, (LcdRect{0, 0, 196, 36}));
    EXPECT_EQ(canvas.operations[0].color, 0x00C0FFu);
    EXPECT_EQ(canvas.operations[1].kind, RecordingCanvas::Kind::Frame);
    EXPECT_EQ(canvas.operations[1].rect, (LcdRect{0, 0, 196, 36}));
    EXPECT_EQ(canvas.operations[1].color, kLcdFrameGrey);
}

// Where each cell of a text starts: the text's first n characters followed by
// an "8", whose top bar begins two pixels right of its cell's corner.
struct CellStart {
    int x;
    int y;
};

CellStart CellAfter(const std::string& prefix, int height)
{
    LcdDisplay display;
    RecordingCanvas canvas(400, height);
    display.DrawDisplay(canvas, prefix + "8");
    const std::vector<RecordedLine> lines = canvas.Lines();
    const RecordedLine& topBar = lines.at(lines.size() - 14);
    return {topBar.x1 - 2, topBar.y1};
}

TEST(LcdDisplayPaint, CellsAdvanceByTheirWidthLessOnePlusThreeStrokes)
{
    struct Case {
        const char* name;
        int height;
        std::string text;
        std::vector<int> cellX;
    };
    const std::vector<Case> cases = {
        {"36 pixels high", 36, "00:00:00.00 ", {4, 21, 38, 46, 63, 80, 88, 105, 122, 130, 147, 164}},
        {"35 pixels high", 35, "00:00:00.00 ", {4, 20, 36, 43, 59, 75, 82, 98, 114, 121, 137, 153}},
        {"drop-frame separator takes half a cell", 36, "00;00+", {4, 21, 38, 49, 66, 83}},
        {"spaces and unknown characters advance like digits", 36, " x*E", {4, 21, 38, 55}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (std::size_t i = 0; i < c.cellX.size(); ++i) {
            SCOPED_TRACE("cell " + std::to_string(i));
            const CellStart cell = CellAfter(c.text.substr(0, i), c.height);
            EXPECT_EQ(cell.x, c.cellX[i]);
            EXPECT_EQ(cell.y, 4);
        }
    }
}

TEST(LcdDisplayPaint, CellSizeFollowsTheHeightAlone)
{
    struct Case {
        int width;
        int height;
        int bottomBarRow; // y + 2s + 1, with s = (height - 4)/2 - 4
    };
    const Case cases[] = {{196, 36, 29}, {60, 36, 29}, {196, 35, 27}, {196, 72, 65}, {392, 72, 65}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height));
        LcdDisplay display;
        RecordingCanvas canvas(c.width, c.height);
        display.DrawDisplay(canvas, "8");
        EXPECT_EQ(canvas.Lines().at(6).y1, c.bottomBarRow); // segment d
    }
}

} // namespace
} // namespace quillet
