#include "engine_test_support.h"

#include <gtest/gtest.h>

using namespace quillet;
using namespace quillet::testing;

TEST(RegisterEntry, NothingIsShownBeforeTheFirstRefresh)
{
    Calculator calc;
    for (const RecordingDisplay& display : calc.displays) EXPECT_TRUE(display.shown.empty());
    calc.engine.ClearEntry();
    EXPECT_EQ(calc.displays[kIn].Last(), "00:00:00.00 ");
}

TEST(RegisterEntry, KeysShiftDigitsInFromTheRight)
{
    struct Case { const char* keys; const char* digits; const char* shown; } cases[] = {
        {"123", "00000123", "00:00:01.23 "},
        {"123456789", "23456789", "23:45:67.89 "}, // the ninth digit pushes the first out
        {"123b", "00000012", "00:00:00.12 "},
        {"1bbbb", "00000000", "00:00:00.00 "},
        {"12b3", "00000013", "00:00:00.13 "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.keys);
        Calculator calc;
        calc.Type(c.keys);
        EXPECT_EQ(calc.Digits(kIn), c.digits);
        EXPECT_EQ(calc.Shown(kIn), c.shown);
        EXPECT_EQ(calc.engine.Value(kIn), 0) << "keys alone never change the value";
    }
}

TEST(RegisterEntry, OnlyDigitsAndBackspaceAreKeys)
{
    Calculator calc;
    calc.Type("12");
    for (char key : {'a', ':', '.', '\0', static_cast<char>(0xB5), '+'}) calc.engine.KeyIn(key);
    EXPECT_EQ(calc.Digits(kIn), "00000012");
}

TEST(RegisterEntry, BackspaceAfterAnOperatorOrCommitChangesNothing)
{
    Calculator calc;
    calc.Type("123+");
    calc.Type("b");
    EXPECT_EQ(calc.Digits(kIn), "00000123");
    EXPECT_EQ(calc.Shown(kIn), "00:00:01.23+");

    calc.engine.CommitEntry();
    calc.Type("b");
    EXPECT_EQ(calc.Digits(kIn), "00000123");
}

TEST(RegisterEntry, ADigitAfterAnOperatorStartsANewEntryAndKeepsTheOperatorShown)
{
    Calculator calc;
    calc.Type("123+4");
    EXPECT_EQ(calc.Digits(kIn), "00000004");
    EXPECT_EQ(calc.Shown(kIn), "00:00:00.04+");
}

TEST(RegisterEntry, MultiplicationOperandIsTypedInTheScalarLayout)
{
    Calculator calc;
    calc.engine.SetRegisterFormat(kIn, kNtscNd);
    calc.Type("100x");
    EXPECT_EQ(calc.Shown(kIn), "00:00:01:00*") << "before a digit, the left operand in its own format";
    calc.Type("2");
    EXPECT_EQ(calc.Shown(kIn), "0002*");
}

TEST(RegisterEntry, FormatsShowTheirOwnLayout)
{
    struct Case { int position; const char* keys; const char* shown; } cases[] = {
        {kDropFrame, "123", "00:00:01.23 "},
        {k16mm, "1205", "000012:05 "},
        {kNtscFrames, "1205", "00001205 "},
        {kRealTime, "1205", "00:00:12.05 "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.position);
        Calculator calc;
        calc.engine.SetRegisterFormat(kIn, c.position);
        calc.Type(c.keys);
        EXPECT_EQ(calc.Shown(kIn), c.shown);
    }
}

TEST(RegisterEntry, ClearForgetsTheEntryAndTheLastOperation)
{
    Calculator calc;
    calc.Type("5+3=");
    calc.Type("7+");
    calc.engine.ClearEntry();
    EXPECT_EQ(calc.Digits(kIn), "00000000");
    EXPECT_EQ(calc.engine.Value(kIn), 0);
    EXPECT_EQ(calc.engine.PendingOperator(kIn), 0);
    calc.Type("=");
    EXPECT_EQ(calc.Shown(kIn), "00:00:00.00 ") << "= after C has nothing to repeat";
}

TEST(RegisterEntry, ClearAllZeroesEveryRegisterWithoutRecomputing)
{
    Calculator calc;
    calc.engine.SetRegisterFormat(kOut, kNtscNd);
    calc.engine.SetRegisterFormat(kDuration, kNtscFrames);
    calc.Type("12345-");
    calc.engine.ClearAllRegisters();
    const char* zero[] = {"00:00:00.00 ", "00:00:00:00 ", "00000000 "};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(calc.Shown(i), zero[i]);
        EXPECT_EQ(calc.engine.Value(i), 0);
        EXPECT_EQ(calc.engine.Problem(i).outcome, Outcome::kDone);
        EXPECT_EQ(calc.engine.PendingOperator(i), 0);
    }
}

TEST(RegisterEntry, DisplaysOutsideTheThreeRegistersAreIgnored)
{
    CalculatorEngine engine;
    RecordingDisplay stray;
    engine.AttachDisplay(3, &stray);
    engine.AttachDisplay(-1, &stray);
    engine.KeyIn('1'); // no display: builds the text, shows nothing
    EXPECT_EQ(engine.ShownText(kIn), "00:00:00.01 ");
    EXPECT_TRUE(stray.shown.empty());
}
