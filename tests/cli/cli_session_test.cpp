#include "cli/engine_session.h"
#include "cli/list_sum.h"
#include "cli/format_names.h"
#include "cli/value_text.h"
#include "engine/calculator_engine.h"

#include <gtest/gtest.h>

#include <string>

namespace quillet::cli {
namespace {

class Display final : public DisplaySink {
public:
    void Invalidate() override {}
};

// The digits of a multiplier, as the command line keeps them (values are read as written).
TypedDigits Typed(const char* text) { return ParseMultiplierText(text).typed; }

// What the window shows: a fresh engine, IN in FROM and OUT in TO, the
// value pasted into IN, then a click on OUT, which commits IN.
std::string WindowConversion(int from, int to, const char* text, bool strict)
{
    CalculatorEngine engine;
    Display in;
    Display out;
    engine.AttachDisplay(kIn, &in);
    engine.AttachDisplay(kOut, &out);
    engine.SetOptions({!strict, engine.Options().bumpUpDropped});
    engine.SetRegisterFormat(kIn, from);
    engine.SetRegisterFormat(kOut, to);
    const bool readable = engine.PasteWrittenValue(text) != Outcome::kCannotBeRead &&
                          engine.CommitEntry() != Outcome::kCannotBeRead;
    engine.SelectRegister(kOut);
    std::string shown = readable ? out.m_text : in.m_text;
    if (!shown.empty() && shown.back() == ' ') shown.pop_back();
    return shown;
}

// One session reused for every value must show what a fresh window shows,
// whatever the value before it left behind (errors, overflow, bump-up).
TEST(CliConversionSession, EveryValueIsConvertedAsAFreshWindowWould)
{
    const char* values[] = {"0",        "5",        "1799",        "1800",       "00:01:00.00", "00:01:00.01",
                            "10:00.00", "59:29",    "1:00:00:00",  "23:59:59:29", "25:00:00:00", "99999999",
                            "00:00:90:00", "000001:00", "000000:39", "60:00",     "17982",       "2589407"};
    for (const bool strict : {false, true}) {
        for (int from = 0; from < kListedFormatCount; ++from) {
            for (int to = 0; to < kListedFormatCount; ++to) {
                ConversionSession session(from, to, strict, false);
                for (const char* value : values) {
                    SCOPED_TRACE(std::string{FormatNameAt(from)} + " -> " + std::string{FormatNameAt(to)} + " " +
                                 value + (strict ? " strict" : ""));
                    const ConversionSession::Result result = session.Convert(value);
                    EXPECT_EQ(std::string{result.text}, WindowConversion(from, to, value, strict));
                    EXPECT_EQ(result.outcome == Outcome::kCannotBeShown || result.outcome == Outcome::kCannotBeRead,
                              result.text.front() == 'E');
                }
            }
        }
    }
}

TEST(CliConversionSession, TellsWhyAValueEndedInError)
{
    struct Case {
        const char* name;
        int from, to;
        bool strict, noBump;
        const char* value;
        const char* text;
        Outcome outcome;
        bool notShownInFrom;
    };
    const Case cases[] = {
        {"dropped label, no bump-up", 0, 3, false, true, "1:00.00", "E0:01:00.00", Outcome::kCannotBeRead, false},
        {"dropped label bumped up", 0, 3, false, false, "1:00.00", "00001800", Outcome::kDone, false},
        {"60 seconds typed, strict", 1, 0, true, false, "6000", "E0:00:60:00", Outcome::kCannotBeRead, false},
        {"60 seconds typed overflow", 1, 1, false, false, "6000", "00:01:00:00", Outcome::kDone, false},
        {"60 seconds written", 1, 1, false, false, "60:00", "E0:00:60:00", Outcome::kCannotBeRead, false},
        {"beyond 24 hours in TO", 3, 0, false, false, "2589408", "E0:00:00.00", Outcome::kCannotBeShown, false},
        {"25 hours read, shown as frames", 1, 3, false, false, "25000000", "02700000", Outcome::kDone, true},
        {"25 hours in its own format", 1, 1, false, false, "25000000", "E1:00:00:00", Outcome::kCannotBeShown,
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ConversionSession session(c.from, c.to, c.strict, c.noBump);
        const ConversionSession::Result result = session.Convert(c.value);
        EXPECT_EQ(result.text, c.text);
        EXPECT_EQ(result.outcome, c.outcome);
        EXPECT_EQ(result.notShownInFrom, c.notShownInFrom);
    }
}

TEST(CliEvaluate, WorksLeftToRightLikeTheKeypad)
{
    struct Case {
        const char* name;
        int format;
        std::vector<EvalStep> steps;
        const char* text; // nullptr: any text in error
        std::vector<EvalProblem> problems;
    };
    const int ndf = 1;
    const int frames = 3;
    const Case cases[] = {
        {"addition", ndf, {{0, "1:00", Typed("1:00")}, {'+', "10", Typed("10")}}, "00:00:01:10", {}},
        {"no precedence", ndf,
         {{0, "1", Typed("1")}, {'+', "2", Typed("2")}, {'*', "3", Typed("3")}}, "00:00:00:09", {}},
        {"multiplication", ndf, {{0, "1:00:00", Typed("1:00:00")}, {'*', "3", Typed("3")}}, "00:03:00:00", {}},
        {"truncating division", frames, {{0, "10", Typed("10")}, {'/', "3", Typed("3")}}, "00000003", {}},
        {"division by zero", ndf, {{0, "1:00:00", Typed("1:00:00")}, {'/', "0", Typed("0")}}, "E0:00:00:00",
         {{1, Outcome::kDivisionByZero}}},
        {"after division by zero the chain goes on from zero", frames,
         {{0, "7", Typed("7")}, {'/', "0", Typed("0")}, {'+', "5", Typed("5")}}, "00000005",
         {{1, Outcome::kDivisionByZero}}},
        {"negative result", frames, {{0, "5", Typed("5")}, {'-', "10", Typed("10")}}, "E0000005",
         {{1, Outcome::kCannotBeShown}}},
        {"a negative step carries on exactly", frames,
         {{0, "5", Typed("5")}, {'-', "10", Typed("10")}, {'+', "20", Typed("20")}}, "00000015", {}},
        {"too large for the format", ndf, {{0, "23:00:00:00", Typed("23:00:00:00")}, {'+', "1:00:00:00",
                                                                                          Typed("1:00:00:00")}},
         "E0:00:00:00", {{1, Outcome::kCannotBeShown}}},
        {"product beyond 32 bits", frames, {{0, "99999999", Typed("99999999")}, {'*', "9999", Typed("9999")}},
         nullptr, {{1, Outcome::kCannotBeShown}}},
        {"a product beyond 32 bits divides back exactly", frames,
         {{0, "99999999", Typed("99999999")}, {'*', "9999", Typed("9999")}, {'/', "9999", Typed("9999")}},
         "99999999", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const EvalResult result = Evaluate(c.format, false, false, c.steps);
        if (c.text != nullptr) EXPECT_EQ(result.text, c.text);
        else EXPECT_EQ(result.text.front(), 'E');
        ASSERT_EQ(result.problems.size(), c.problems.size());
        for (std::size_t i = 0; i < c.problems.size(); ++i) {
            EXPECT_EQ(result.problems[i].stepIndex, c.problems[i].stepIndex);
            EXPECT_EQ(result.problems[i].outcome, c.problems[i].outcome);
        }
    }
}

TEST(CliEvaluate, AnUnreadableValueEndsTheChain)
{
    const std::vector<EvalStep> steps = {
        {0, "1:00", Typed("1:00")}, {'+', "6000", Typed("6000")}, {'+', "1", Typed("1")}};
    const EvalResult strict = Evaluate(1, true, false, steps);
    EXPECT_EQ(strict.text, "E0:00:60:00+") << "the display still shows the pending operator";
    ASSERT_EQ(strict.problems.size(), 1u);
    EXPECT_EQ(strict.problems[0].stepIndex, 1u);
    EXPECT_EQ(strict.problems[0].outcome, Outcome::kCannotBeRead);

    const EvalResult lenient = Evaluate(1, false, false, steps);
    EXPECT_EQ(lenient.text, "00:01:01:01") << "digits alone overflow as typed";
    EXPECT_TRUE(lenient.problems.empty());

    const EvalResult written = Evaluate(1, false, false, {{0, "1:00", {}}, {'+', "60:00", {}}});
    EXPECT_EQ(written.reason, "seconds 60 is more than NTSC-ND's 59") << "written fields never overflow";
}

} // namespace
} // namespace quillet::cli

namespace quillet::cli {
namespace {

// Lists as editors write them, each pasted into the window (AddUpLines) and
// piped into quillet-calc sum (SumSession): both give the total, or both
// refuse the list and say why; a one-value list converts alike.
TEST(ListRule, ThePastedListAndSumAgreeOnEveryLayout)
{
    constexpr int kDf = 0, kNdf = 1, kPalTc = 2, kPalFrames = 4, kReal = 7, k24 = 12;
    struct Case {
        const char* name;
        int format;
        const char* list;
        const char* total; // empty: no total
        const char* why;   // in the reason or the messages
    } cases[] = {
        {"fullwidth hour", kNdf, "\xEF\xBC\x90\xEF\xBC\x91:00:05:00", "01:00:05:00", ""},
        {"Arabic-Indic hour", kNdf, "\xD9\xA0\xD9\xA1:00:05:00", "01:00:05:00", ""},
        {"OUT ending in a no-break space", kNdf, "A001 01:00:00:00 01:00:10:15\xC2\xA0", "00:00:10:15", ""},
        {"a scene number", kDf, "Scene 4.2 00:00:12;15", "", "'4.2': a number with a point or colon among words"},
        {"a take number", kReal, "Take 3.5 00:01:00.00", "", "'3.5'"},
        {"a reel and take", kNdf, "A001 2:1 00:00:05:00", "", "'2:1'"},
        {"tenths of a second", kReal, "1.5\n00:00:01.5\n10.500", "00:00:13.50", ""},
        {"finer than hundredths", kReal, "10.505", "", "finer than hundredths"},
        {"a preamble above the header", kPalTc, "FPS\t25\nName\tDuration\nA\t00:00:05:00\nB\t00:00:10:00",
         "00:00:15:00", ""},
        {"comma-separated frames", kPalFrames, "Shot,Frames\n1,480\n2,960", "00001440", ""},
        {"a grouped number alone", kPalFrames, "1,480\n\"2,000\"", "00003480", ""},
        {"a marker list", kNdf, "Name,Start,Duration\nM1,01:00:00:00,00:00:05:00\nM2,01:00:10:00,00:00:10:00",
         "00:00:15:00", ""},
        {"start and end columns", kNdf, "Clip;Record In;Record Out;Source In;Source Out\n"
                                        "a;01:00:00:00;01:00:02:00;05:00:00:00;05:00:09:00",
         "00:00:02:00", ""},
        {"an empty duration cell", kNdf, "Name,Duration\nA,\nB,00:00:01:00", "", "the Duration cell is empty"},
        {"an edit list's locator and notes", kNdf,
         "TITLE: X\nFCM: NON-DROP FRAME\n001  AX  V  C        00:00:00:00 00:00:05:00 01:00:00:00 01:00:05:00\n"
         "LOC: 01:00:02:00 RED note\nEFFECTS NAME IS WIPE 001\nFROM CLIP NAME: shot1\n |C:ResolveColorBlue |M:Marker 1 |D:1",
         "00:00:05:00", ""},
        {"an edit list at the wrong rate", k24,
         "TITLE: X\n001  AX  V  C        00:00:00:24 00:00:05:00 01:00:00:00 01:00:05:00", "", "frames 24"},
        {"an operator after a value", kNdf, "00:00:05:00*2", "", "an operator after a value"},
        {"a total row", kNdf, "00:00:05:00\n00:00:10:00\nTotal 00:00:16:00", "00:00:15:00",
         "line 3 states a total of 00:00:16:00, but the lines above add up to 00:00:15:00"},
        {"drop frame in semicolons", kDf, "00;00;05;00", "00:00:05.00", ""},
        {"semicolons in non-drop", kNdf, "00;00;05;00", "", "(Drop Frame and 59.94 DF read it)"},
        {"an ALE file at its rate", kPalTc,
         "Heading\nFIELD_DELIM\tTABS\nFPS\t25\n\nColumn\nName\tStart\tEnd\n\nData\nc1\t10:00:00:00\t10:00:05:00",
         "00:00:05:00", ""},
        {"an ALE file at another rate", kNdf, "Heading\nFPS\t25\nColumn\nName\tDuration\nData\nc1\t00:00:05:00", "",
         "the list is at 25 frames a second, NTSC-ND at 29.97"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CalculatorEngine window;
        window.SetRegisterFormat(kIn, c.format);
        const Outcome outcome = window.AddUpLines(c.list);
        SumSession sum(c.format, c.format, false, false, false);
        sum.TakeLines(c.list, 1);
        const SumSession::Total total = sum.Finish();
        EXPECT_EQ(std::string{total.text}, c.total);
        EXPECT_NE(sum.messages.find(c.why), std::string::npos) << sum.messages;
        if (*c.total != '\0') {
            EXPECT_EQ(outcome, Outcome::kDone);
            EXPECT_EQ(window.ShownText(kIn), std::string{c.total} + " ");
        } else {
            EXPECT_EQ(outcome, Outcome::kCannotBeRead);
            EXPECT_NE(window.Problem(kIn).reason.find(c.why), std::string::npos) << window.Problem(kIn).reason;
        }
        if (std::string_view{c.list}.find('\n') == std::string_view::npos && std::string_view{c.list}.find(' ') == std::string_view::npos) {
            ConversionSession convert(c.format, c.format, false, false);
            EXPECT_EQ(convert.Convert(c.list).outcome == Outcome::kDone, *c.total != '\0');
        }
    }
}

} // namespace
} // namespace quillet::cli
