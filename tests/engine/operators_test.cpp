#include "engine_test_support.h"

#include <gtest/gtest.h>

using namespace quillet;
using namespace quillet::testing;

namespace {

// IN current in `position`, the other two registers in the same format.
struct OneFormat : Calculator {
    explicit OneFormat(int position)
    {
        for (int i = 0; i < 3; ++i) engine.SetRegisterFormat(i, position);
    }
};

} // namespace

TEST(Operators, KeypadSequences)
{
    struct Case { const char* name; int position; const char* keys; const char* shown; std::int32_t value; } cases[] = {
        {"add", kNtscNd, "100+10=", "00:00:01:10 ", 40},
        {"second = repeats the addition", kNtscNd, "100+10==", "00:00:01:20 ", 50},
        {"chains run left to right", kNtscFrames, "1+2+", "00000003+", 3},
        {"times a plain number", kNtscNd, "10000x3=", "00:03:00:00 ", 5400},
        {"the operand is typed in the scalar layout", kNtscNd, "10000x3", "0003*", 1800},
        {"divide truncates", kNtscFrames, "10/3=", "00000003 ", 3},
        {"divide by zero shows E over zeros", kNtscNd, "10000/0=", "E0:00:00:00 ", 0},
        {"negative result shows E over the magnitude", kNtscFrames, "5-10=", "E0000005 ", -5},
        {"the next operator continues from the magnitude", kNtscFrames, "5-10=+20=", "00000025 ", 25},
        {"= right after * squares the last four digits", kNtscFrames, "12x=", "00000144 ", 144},
        {"= right after + doubles", kNtscFrames, "12+=", "00000024 ", 24},
        {"a new digit after = ends the repetition", kNtscFrames, "5+1=7=", "00000007 ", 7},
        {"= with nothing pending just commits", kNtscFrames, "7=", "00000007 ", 7},
        {"a dropped label is bumped when read", kDropFrame, "10000+", "00:01:00.02+", 1800},
        {"a too large time code is an error", kNtscNd, "25000000=", "E1:00:00:00 ", 25 * 108000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        OneFormat calc(c.position);
        calc.Type(c.keys);
        EXPECT_EQ(calc.Shown(kIn), c.shown);
        EXPECT_EQ(calc.engine.Value(kIn), c.value);
    }
}

TEST(Operators, AnErrorStaysUntilClearedAndBlocksOperators)
{
    OneFormat calc(kNtscNd);
    calc.engine.SetOptions({false, calc.engine.Options().bumpUpDropped});
    calc.Type("6000+");
    EXPECT_EQ(calc.Shown(kIn), "E0:00:60:00 ") << "unreadable entry: typed digits with E";
    EXPECT_NE(calc.engine.Problem(kIn).outcome, Outcome::kDone);
    calc.Type("=");
    EXPECT_EQ(calc.Shown(kIn), "E0:00:60:00 ");
    calc.engine.ClearEntry();
    calc.Type("100=");
    EXPECT_EQ(calc.Shown(kIn), "00:00:01:00 ");
}

TEST(Operators, DropFrameEntryFailsWithoutBumpUp)
{
    OneFormat calc(kDropFrame);
    calc.engine.SetOptions({calc.engine.Options().allowOverflow, false});
    calc.Type("10001=");
    EXPECT_EQ(calc.Shown(kIn), "E0:01:00.01 ");
}

TEST(Operators, ProductsBeyondThirtyTwoBitsStayExactThroughAChain)
{
    OneFormat calc(kNtscFrames);
    calc.Type("99999999x9999/");
    EXPECT_EQ(calc.Shown(kIn), "E9990001/") << "999,899,990,001 less its part above the frame count";
    EXPECT_EQ(calc.engine.Value(kIn), 999899990001);
    calc.Type("9999=");
    EXPECT_EQ(calc.Shown(kIn), "99999999 ") << "the chain goes on from the exact product";
}

TEST(Operators, EachOperationSaysWhatBecameOfIt)
{
    struct Case {
        const char* name; int position; bool allowOverflow; const char* keys; char op;
        Outcome outcome; int field; bool negative;
    } cases[] = {
        {"a result that can be shown", kNtscNd, true, "100+10", '=', Outcome::kDone, -1, false},
        {"negative", kNtscFrames, true, "5-10", '=', Outcome::kCannotBeShown, -1, true},
        {"24 hours and more", kNtscNd, true, "23000000+2000000", '=', Outcome::kCannotBeShown, -1, false},
        {"division by zero", kNtscFrames, true, "10/0", '=', Outcome::kDivisionByZero, -1, false},
        {"seconds field overflowed", kNtscNd, false, "6000", '+', Outcome::kCannotBeRead, 1, false},
        {"hours field overflowed", kNtscNd, false, "24000000", '+', Outcome::kCannotBeRead, 3, false},
        {"a blocked register keeps its reason", kNtscNd, false, "6000+", '=', Outcome::kCannotBeRead, 1, false},
        {"dropped label without bump-up", kDropFrame, true, "10000", '=', Outcome::kCannotBeRead, -1, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        OneFormat calc(c.position);
        calc.engine.SetOptions({c.allowOverflow, calc.engine.Options().bumpUpDropped});
        calc.engine.SetOptions({calc.engine.Options().allowOverflow, c.position != kDropFrame});
        calc.Type(c.keys);
        EXPECT_EQ(calc.engine.ApplyOperator(c.op, false), c.outcome);
        const RegisterProblem& problem = calc.engine.Problem(kIn);
        EXPECT_EQ(problem.outcome, c.outcome);
        EXPECT_EQ(calc.Shown(kIn)[0] == 'E', c.outcome != Outcome::kDone);
        if (c.outcome == Outcome::kCannotBeRead) {
            EXPECT_EQ(problem.field, c.field);
        }
        if (c.outcome == Outcome::kCannotBeShown) {
            EXPECT_EQ(problem.negative, c.negative);
        }
    }
}

TEST(Operators, ClearEntryAndPasteGoThroughTheEngine)
{
    OneFormat calc(kNtscNd);
    calc.Type("100+");
    calc.engine.PasteWrittenValue(" 00:00:02:00\t\n");
    EXPECT_EQ(calc.Shown(kIn), "00:00:02:00+") << "the value, pending operator kept";
    calc.engine.PasteWrittenValue("no digits");
    EXPECT_EQ(calc.Shown(kIn), "00:00:02:00+");
    EXPECT_EQ(calc.engine.PasteWrittenValue("1234567890"), Outcome::kCannotBeRead);
    EXPECT_EQ(calc.Shown(kIn), "E4:56:78:90+") << "never only its last eight digits";
    EXPECT_EQ(calc.engine.Problem(kIn).reason, "more than eight digits");
    calc.engine.ClearEntry();
    EXPECT_EQ(calc.Shown(kIn), "00:00:00:00 ");
    EXPECT_EQ(calc.Shown(kOut), "00:00:00:00 ") << "and the other registers follow";
}

TEST(Operators, CommittingAnUntouchedRegisterNeitherReadsItAgainNorMovesTheOthers)
{
    // Real time rounds to hundredths: reading DURATION's digits back would lose a frame.
    Calculator calc;
    calc.engine.SetRegisterFormat(kIn, kNtscNd);
    calc.engine.SetRegisterFormat(kOut, kDropFrame);
    calc.engine.SetRegisterFormat(kDuration, kRealTime);
    calc.Type("00595929=");
    const std::string in = calc.Shown(kIn), out = calc.Shown(kOut);
    calc.engine.SelectRegister(kDuration);
    calc.engine.SelectRegister(kIn);
    EXPECT_EQ(calc.Shown(kIn), in);
    EXPECT_EQ(calc.Shown(kOut), out);

    // After '*' the display still shows the time code; its digits are no multiplier.
    OneFormat times(kNtscNd);
    times.Type("1304x");
    times.engine.SelectRegister(kOut);
    EXPECT_EQ(times.Shown(kIn), "00:00:13:04 ") << "the operator is abandoned, the value kept";
    EXPECT_EQ(times.engine.Value(kIn), 13 * 30 + 4);

    // A result too large to show keeps its "E" after the commit, without blocking.
    OneFormat large(kNtscNd);
    large.Type("20000000+5000000=");
    large.engine.SelectRegister(kOut);
    EXPECT_EQ(large.Shown(kIn), "E1:00:00:00 ");
    large.engine.SelectRegister(kIn);
    large.Type("100+100=");
    EXPECT_EQ(large.Shown(kIn), "00:00:02:00 ");
}

TEST(Operators, SelectingAnotherRegisterCommitsAndDropsThePendingOperator)
{
    OneFormat calc(kNtscFrames);
    calc.Type("5+7");
    calc.engine.SelectRegister(kOut);
    EXPECT_EQ(calc.engine.Value(kIn), 7);
    EXPECT_EQ(calc.engine.PendingOperator(kIn), 0);
    EXPECT_EQ(calc.Shown(kIn), "00000007 ");
    EXPECT_EQ(calc.engine.CurrentRegister(), kOut);
}

// Moving off a division by zero commits its 0: no register keeps its "E".
TEST(Operators, LeavingADivisionByZeroLeavesNoDerivedError)
{
    for (const CalculatorMode mode : {CalculatorMode::kConversion, CalculatorMode::kEditing}) {
        OneFormat calc(kNtscFrames);
        calc.engine.SetMode(mode);
        calc.engine.SetCalcTarget(kDuration);
        calc.Type("1/0=");
        ASSERT_EQ(calc.Shown(kDuration), "E0000000 ");
        calc.engine.SelectRegister(kOut);
        for (int r : {kIn, kOut, kDuration}) EXPECT_EQ(calc.Shown(r), "00000000 ") << r;
    }
}

TEST(Operators, SelectIgnoresIndexesOutsideTheRegisters)
{
    Calculator calc;
    calc.Type("5");
    calc.engine.SelectRegister(3);
    calc.engine.SelectRegister(-1);
    EXPECT_EQ(calc.engine.CurrentRegister(), kIn);
    EXPECT_TRUE(calc.engine.IsTyping(kIn)) << "no commit either";
}

TEST(Relation, ConversionModeShowsTheCurrentValueInTheOtherFormats)
{
    Calculator calc;
    calc.engine.SetRegisterFormat(kOut, kRealTime);
    calc.engine.SetRegisterFormat(kDuration, kNtscFrames);
    calc.Type("1000000=");
    EXPECT_EQ(calc.Shown(kOut), "01:00:00.00 ");
    EXPECT_EQ(calc.Shown(kDuration), "00107892 ");
}

TEST(Relation, ConversionExamples)
{
    struct Case { int from; const char* keys; int to; const char* shown; } cases[] = {
        {kNtscNd, "1000000", kRealTime, "01:00:03.60 "},
        {kNtscFrames, "100", kFilmFrames, "00000080 "},
        {kFilmFrames, "80", kNtscFrames, "00000100 "},
        {kPalFrames, "100", kFilmFrames, "00000100 "},
        {k16mm, "100", k35mm, "000002:08 "},
        {kDropFrame, "10000", kNtscFrames, "00001800 "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.keys);
        Calculator calc;
        calc.engine.SetRegisterFormat(kIn, c.from);
        calc.engine.SetRegisterFormat(kOut, c.to);
        calc.Type(c.keys);
        calc.engine.CommitEntry();
        EXPECT_EQ(calc.Shown(kOut), c.shown);
    }
}

TEST(Relation, NegativeCurrentValueGivesZeroWithErrorElsewhere)
{
    OneFormat calc(kNtscFrames);
    calc.Type("5-10=");
    EXPECT_EQ(calc.Shown(kOut), "E0000000 ");
    EXPECT_EQ(calc.engine.Value(kOut), 0);
    EXPECT_NE(calc.engine.Problem(kOut).outcome, Outcome::kDone);
}

TEST(Relation, EditingModeDerivesTheTarget)
{
    OneFormat calc(kNtscNd);
    calc.engine.SetMode(CalculatorMode::kEditing);
    calc.engine.SetCalcTarget(kDuration);
    calc.Type("1000000");
    calc.engine.SelectRegister(kOut);
    calc.Type("1001000");
    calc.engine.SelectRegister(kIn);
    EXPECT_EQ(calc.Shown(kDuration), "00:00:10:00 ");

    calc.Type("1002000"); // IN after OUT
    calc.engine.SelectRegister(kOut);
    EXPECT_EQ(calc.Shown(kDuration), "E0:00:00:00 ");
    EXPECT_EQ(calc.engine.Value(kDuration), 0);
}

TEST(Relation, EditingModeComputesInAndOut)
{
    OneFormat calc(kNtscFrames);
    calc.engine.SetMode(CalculatorMode::kEditing);
    calc.engine.SetCalcTarget(kOut);
    calc.Type("100");
    calc.engine.SelectRegister(kDuration);
    calc.Type("50");
    calc.engine.SelectRegister(kIn);
    EXPECT_EQ(calc.Shown(kOut), "00000150 ");

    calc.engine.SetCalcTarget(kIn);
    EXPECT_EQ(calc.Shown(kIn), "00000100 ") << "150 - 50";
}

TEST(Relation, SelectingTheTargetClearsItAndRecomputeThenDoesNothing)
{
    OneFormat calc(kNtscFrames);
    calc.engine.SetMode(CalculatorMode::kEditing);
    calc.engine.SetCalcTarget(kDuration);
    calc.engine.SelectRegister(kDuration);
    EXPECT_NE(calc.engine.CalcTarget(), kDuration);
    calc.Type("77");
    calc.engine.SelectRegister(kIn);
    EXPECT_EQ(calc.Shown(kDuration), "00000077 ");
    calc.engine.SetCalcTarget(7);
    EXPECT_EQ(calc.engine.CalcTarget(), -1);
}

TEST(Modes, EditingModeTakesInsFormatAndConversionModeKeepsFormats)
{
    Calculator calc;
    calc.engine.SetRegisterFormat(kOut, kRealTime);
    calc.engine.SetRegisterFormat(kDuration, kNtscFrames);
    calc.Type("1000000=");
    calc.engine.SetMode(CalculatorMode::kEditing);
    EXPECT_FALSE(calc.engine.IsConversionMode());
    for (int i = 0; i < 3; ++i) EXPECT_STREQ(calc.engine.Format(i).name, "Drop Frame");
    EXPECT_EQ(calc.Shown(kOut), "01:00:00.00 ");

    calc.engine.SetMode(CalculatorMode::kConversion);
    EXPECT_TRUE(calc.engine.IsConversionMode());
    calc.engine.SetMode(CalculatorMode::kEditingKeepFormats);
    EXPECT_FALSE(calc.engine.IsConversionMode());
}

TEST(Formats, SetAllFormatsConvertsEveryRegister)
{
    Calculator calc;
    calc.engine.SetMode(CalculatorMode::kEditing);
    calc.Type("1000000");
    calc.engine.SetAllFormats(kPal);
    for (int i = 0; i < 3; ++i) EXPECT_STREQ(calc.engine.Format(i).name, "PAL");
    EXPECT_EQ(calc.Shown(kIn), "00:57:32:13 ");
}

TEST(Formats, UnknownListIndexFallsBackToDropFrame)
{
    Calculator calc;
    calc.engine.SetRegisterFormat(kIn, kPal);
    calc.engine.SetRegisterFormat(kIn, kListedFormatCount);
    EXPECT_STREQ(calc.engine.Format(kIn).name, "Drop Frame");
    calc.engine.SetRegisterFormat(3, kPal); // ignored
    EXPECT_STREQ(calc.engine.Format(kIn).name, "Drop Frame");
}

TEST(Formats, ChangingFormatAbandonsAPendingOperator)
{
    Calculator calc;
    calc.Type("5+");
    calc.engine.SetRegisterFormat(kIn, kNtscFrames);
    EXPECT_EQ(calc.engine.PendingOperator(kIn), 0);
    EXPECT_EQ(calc.Shown(kIn), "00000005 ");
}

// Time codes as times of day: with the option a result below zero wraps into
// the (drop-frame) day; frame counts never do. The window's and quillet-calc's
// tests have sums past midnight and the Editing relation across it.
TEST(Relation, DurationsAcrossMidnightWrapOnlyWithTheOption)
{
    struct Case { const char* name; bool wrap; int position; const char* keys; const char* shown; } cases[] = {
        {"a difference below zero", true, kDropFrame, "100-200=", "23:59:59.00 "},
        {"a frame count never wraps", true, kNtscFrames, "5-10=", "E0000005 "},
        {"off: below zero cannot be shown", false, kDropFrame, "100-200=", "E0:00:01.00 "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        OneFormat calc(c.position);
        calc.engine.SetWrapAtMidnight(c.wrap);
        calc.Type(c.keys);
        EXPECT_EQ(calc.Shown(kIn), c.shown);
    }
}
