#include "engine_test_support.h"

#include "engine/value_codec.h"

#include <gtest/gtest.h>

using namespace quillet;
using namespace quillet::testing;

TEST(FormatTable, LookupFindsTheListedRowWithoutAnySelectorAndFallsBackToDropFrame)
{
    // The table is fixed at compile time: no selector needs filling first.
    struct Case { int listIndex; const char* name; } cases[] = {
        {0, "Drop Frame"}, {3, "NTSC frames"}, {10, "16mm/20"}, {11, "23.976"}, {18, "60 fps"}, {22, "60 frames"}, {23, "Seconds"}, {24, "Drop Frame"}, {-1, "Drop Frame"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.listIndex);
        EXPECT_STREQ(FindFormat(c.listIndex).name, c.name);
    }
    // Reading and writing digits need no engine either.
    EXPECT_EQ(DigitsToText(ListedFormat(kDropFrame), kZeroDigits), "00:00:00.00");
}

TEST(FormatTable, SelectorsListTheElevenFormatsThenTheMoreRatesInOrderAndNeverScalar)
{
    NameList first, second, more;
    FillFormatList(first);
    FillFormatList(second);
    FillFormatList(more, true);
    std::vector<std::string> expected{"Drop Frame", "NTSC-ND", "PAL", "NTSC frames",
        "PAL frames", "Film frames", "30fps frames", "Real-time", "16mm", "35mm", "16mm/20"};
    EXPECT_EQ(first.names, expected);
    EXPECT_EQ(second.names, expected);
    for (const char* name : {"23.976", "24 fps", "30 fps", "48 fps", "50 fps", "59.94 DF", "59.94 NDF", "60 fps",
                             "48 frames", "50 frames", "59.94 frames", "60 frames", "Seconds"})
        expected.emplace_back(name);
    EXPECT_EQ(more.names, expected);
    for (int position = 0; position < kListedFormatCount; ++position)
        EXPECT_EQ(ListedFormat(position).listIndex, position);
}

TEST(FormatTable, EngineStartsEveryRegisterInDropFrame)
{
    CalculatorEngine engine;
    for (int i = 0; i < 3; ++i) EXPECT_STREQ(engine.Format(i).name, "Drop Frame");
}

TEST(FormatTable, EachFormatLaysOutTheSameDigitsInItsOwnShape)
{
    const EntryDigits digits{'0', '1', '0', '2', '0', '3', '0', '4', '\0'};
    struct Case { int row; const char* text; } cases[] = {
        {0, "0304"},        {1, "01:02:03.04"}, {2, "01:02:03:04"}, {3, "01:02:03:04"},
        {4, "01020304"},    {5, "01020304"},    {6, "01020304"},    {7, "01020304"},
        {8, "01:02:03.04"}, {9, "010203:04"},   {10, "010203:04"},  {11, "010203:04"},
        {12, "01:02:03:04"}, {17, "01:02:03.04"}, {18, "01:02:03:04"}, {19, "01:02:03:04"}, {24, "01020.304"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(FormatTable[c.row].name);
        EXPECT_EQ(DigitsToText(FormatTable[c.row], digits), c.text);
    }
}
