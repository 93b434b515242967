#pragma once
// The shapes the seven-segment display knows: which segments light for each
// digit and for "E", and the operator signs drawn as strokes.

#include <array>
#include <cstdint>

namespace quillet {

// Segment bits: a top, b upper right, c lower right, d bottom, e lower left,
// f upper left, g middle.
inline constexpr std::uint8_t kSegmentA = 0x40;
inline constexpr std::uint8_t kSegmentB = 0x20;
inline constexpr std::uint8_t kSegmentC = 0x10;
inline constexpr std::uint8_t kSegmentD = 0x08;
inline constexpr std::uint8_t kSegmentE = 0x04;
inline constexpr std::uint8_t kSegmentF = 0x02;
inline constexpr std::uint8_t kSegmentG = 0x01;

// Entries 0-9 are the digits "0" to "9"; the last entry is the letter "E".
inline constexpr std::array<std::uint8_t, 11> SegmentCodeTable = {
    0x7E, 0x30, 0x6D, 0x79, 0x33, 0x5B, 0x5F, 0x70, 0x7F, 0x7B, 0x4F,
};
inline constexpr std::size_t kErrorLetterEntry = 10;
inline constexpr std::uint8_t kErrorLetterCode = 0x4F;

static_assert(SegmentCodeTable.size() == 11, "ten digits and the error letter");
static_assert(SegmentCodeTable[kErrorLetterEntry] == kErrorLetterCode);
static_assert(SegmentCodeTable[8] == 0x7F, "an 8 lights every segment");

// One operator sign: up to four strokes in thousandths of the cell size,
// measured from the cell's centre (x right, y down; a digit cell spans -500
// to 500 across and -1000 to 1000 down), and its advance in thousandths of the
// cell size, 0 meaning a full digit cell.
struct OperatorGlyph {
    int character;   // compared by its low byte
    int strokeCount; // 1 to 4
    std::array<std::array<int, 4>, 4> strokes; // {x1, y1, x2, y2}; unused ones are zero
    int advance;
};

// Searched from the first row; the first row whose character matches wins.
inline constexpr std::array<OperatorGlyph, 5> OperatorGlyphTable = {{
    {'+', 2, {{{-500, -20, 500, -20}, {-20, -500, -20, 500}, {}, {}}}, 0},
    {'-', 1, {{{-500, 0, 500, 0}, {}, {}, {}}}, 0},
    // Division sign: the bar with a short dash above and below.
    {'/', 3, {{{-500, 0, 500, 0}, {-20, -500, 20, -520}, {-20, 500, 20, 520}, {}}}, 0},
    // Multiplication: a diagonal cross slightly larger than a digit cell.
    {'*', 2, {{{-600, -600, 600, 600}, {600, -600, -600, 600}, {}, {}}}, 0},
    // Drop-frame separator: two short bars, the lower one with a tail.
    {';', 3, {{{-200, -500, -200, -800}, {-200, 500, -200, 800}, {-200, 500, -400, 1100}, {}}}, 500},
}};

static_assert(OperatorGlyphTable.size() == 5);

constexpr bool GlyphTableIsWellFormed()
{
    for (const OperatorGlyph& glyph : OperatorGlyphTable) {
        if (glyph.strokeCount < 1 || glyph.strokeCount > 4) return false;
        for (int i = glyph.strokeCount; i < 4; ++i)
            for (int v : glyph.strokes[static_cast<std::size_t>(i)])
                if (v != 0) return false;
    }
    return true;
}
static_assert(GlyphTableIsWellFormed(), "stroke counts 1-4, unused strokes zero");

} // namespace quillet
