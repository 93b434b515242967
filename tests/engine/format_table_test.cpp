#include "engine_test_support.h"

#include "engine/value_codec.h"

#include <gtest/gtest.h>

using namespace quillet;
using namespace quillet::testing;

TEST(FormatTable, LookupFindsTheListedRowWithoutAnySelectorAndFallsBackToDropFrame)
{
    // The table is fixed at compile time: no selector needs filling first.
    struct Case { int listIndex; const char* name; } cases[] = {
        {0, "Drop Frame"}, {3, "NTSC frames"}, {10, "16mm/20"}, {11, "Drop Frame"}, {-1, "Drop Frame"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.listIndex);
        EXPECT_STREQ(FindFormat(c.listIndex).name, c.name);
    }
    // Reading and writing digits need no engine either.
    EXPECT_EQ(DigitsToText(ListedFormat(kDropFrame), kZeroDigits), "00:00:00.00");
}

TEST(FormatTable, SelectorsListTheElevenFormatsInOrderAndNeverScalar)
{
    NameList first, second;
    FillFormatList(first);
    FillFormatList(second);
    const std::vector<std::string> expected{"Drop Frame", "NTSC-ND", "PAL", "NTSC frames",
        "PAL frames", "Film frames", "30fps frames", "Real-time", "16mm", "35mm", "16mm/20"};
    EXPECT_EQ(first.names, expected);
    EXPECT_EQ(second.names, expected);
    for (int position = 0; position < kListedFormatCount; ++position)
        EXPECT_EQ(ListedFormat(position).listIndex, position);
}

TEST(FormatTable, EngineStartsEveryRegisterInDropFrame)
{
    CalculatorEngine engine;
    for (const TimecodeRegister& reg : engine.registers) EXPECT_STREQ(reg.format->name, "Drop Frame");
}

TEST(FormatTable, EachFormatLaysOutTheSameDigitsInItsOwnShape)
{
    const EntryDigits digits{'0', '1', '0', '2', '0', '3', '0', '4', '\0'};
    struct Case { int row; const char* text; } cases[] = {
        {0, "0304"},        {1, "01:02:03.04"}, {2, "01:02:03:04"}, {3, "01:02:03:04"},
        {4, "01020304"},    {5, "01020304"},    {6, "01020304"},    {7, "01020304"},
        {8, "01:02:03.04"}, {9, "010203:04"},   {10, "010203:04"},  {11, "010203:04"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(FormatTable[c.row].name);
        EXPECT_EQ(DigitsToText(FormatTable[c.row], digits), c.text);
    }
}
