// Lists added up as if typed after '+', and the steps the engine reports.
#include "engine_test_support.h"

#include "engine/written_value.h"
#include "engine/words.h"

#include <gtest/gtest.h>

#include <random>

using namespace quillet;
using namespace quillet::testing;

namespace {

struct RecordedStep {
    StepKind kind;
    int reg;
    std::string text; // "left op right = result" as far as the step has them
    Outcome problem;
    LineProblem lineProblem;
    long long lineNumber, added, skipped, leftOut;
};

// "left op right = result" as far as the step has them, each as shown.
std::string StepText(const FinishedStep& s)
{
    std::string text = StepValueText(s.left);
    if (s.op != StepOperator::kNone) text += (text.empty() ? "" : " ") + std::string(1, "?+-*/"[static_cast<int>(s.op)]) + " ";
    text += StepValueText(s.right);
    if (s.result.present) text += (text.empty() ? "= " : " = ") + StepValueText(s.result);
    return text;
}

struct StepLog final : StepListener {
    std::vector<RecordedStep> steps;
    void StepFinished(const FinishedStep& s) override
    {
        const std::string text = StepText(s);
        steps.push_back({s.kind, s.registerIndex, text, s.problem.outcome, s.lineProblem, s.lineNumber,
                         s.linesAdded, s.linesSkipped, s.linesLeftOut});
    }
};

struct ListCalculator : Calculator {
    StepLog log;
    explicit ListCalculator(int position)
    {
        engine.SetRegisterFormat(kIn, position);
        engine.AttachStepListener(&log);
    }
};

} // namespace

TEST(ListTotal, EqualsTheKeypadChainWhateverSurroundsEachValue)
{
    struct Case {
        const char* name;
        int position;
        const char* list;
        std::vector<const char*> typed; // the same values on the keypad
    } cases[] = {
        {"durations", kNtscNd, "00:00:10:00\n00:01:00:15\r\n00:00:00:29\n", {"1000", "10015", "29"}},
        {"rows with names and cells", kDropFrame, "Shot A 00:00:05;00\nClip,00:01:00.02,x\n  \n", {"500", "10002"}},
        {"frame counts in cells of their own", kPalFrames, "1250\n\n375\tframes\n\"1,000\"", {"1250", "375", "1000"}},
        {"digits alone overflow as typed", kPal, "9000\n0000000000030", {"9000", "30"}},
        {"feet and frames", k35mm, "000012:08\n3+15", {"1208", "315"}},
        {"a clip counts OUT - IN", kNtscNd, "A001 01:00:00:00 01:00:10:15", {"1015"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Calculator keypad;
        keypad.engine.SetRegisterFormat(kIn, c.position);
        for (std::size_t i = 0; i < c.typed.size(); ++i) {
            keypad.Type(c.typed[i]);
            keypad.engine.ApplyOperator(i + 1 < c.typed.size() ? '+' : '=', false);
        }
        Calculator pasted;
        pasted.engine.SetRegisterFormat(kIn, c.position);
        pasted.Type("12345");
        EXPECT_EQ(pasted.engine.AddUpLines(c.list), Outcome::kDone);
        EXPECT_EQ(pasted.Shown(kIn), keypad.Shown(kIn));
        EXPECT_EQ(pasted.Shown(kOut), keypad.Shown(kOut)) << "converted as after '='";
    }
}

TEST(ListTotal, APendingOperatorDecidesWhatTheTotalJoins)
{
    struct Case {
        const char* typed;
        const char* shown;
    } cases[] = {
        {"10000+", "00:01:10:00 "},  // 1:00 + (0:10)
        {"10000-", "00:00:50:00 "},  // 1:00 - (0:10)
        {"10000-5", "00:00:50:00 "}, // a half-typed right operand is replaced, as a paste replaces it
        {"10000x", "00:00:10:00 "},  // a list is no multiplier: the total stands alone
        {"10000=", "00:00:10:00 "},  // a committed value is replaced, as by a paste
        {"500-", "E0:00:05:00 "},    // below zero, as on the keypad
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        Calculator calc;
        calc.engine.SetRegisterFormat(kIn, kNtscNd);
        calc.Type(c.typed);
        calc.engine.AddUpLines("00:00:04:00\n00:00:06:00");
        EXPECT_EQ(calc.Shown(kIn), c.shown);
    }
    // A register blocked by an entry that cannot be read takes no list until "C".
    Calculator blocked;
    blocked.engine.SetOptions({false, blocked.engine.Options().bumpUpDropped});
    blocked.Type("9000=");
    EXPECT_EQ(blocked.engine.AddUpLines("1\n2"), Outcome::kCannotBeRead);
    EXPECT_EQ(blocked.Shown(kIn), "E0:00:90.00 ");
}

TEST(ListTotal, ALineInErrorLeavesNoTotalUnlessBadLinesAreSkipped)
{
    const char* list = "Duration\n00:00:10:00\n\n00:00:90:00\n123456789\n000000001";
    ListCalculator calc(kNtscNd);
    calc.engine.SetRegisterFormat(kOut, kNtscFrames);
    EXPECT_EQ(calc.engine.AddUpLines(list), Outcome::kCannotBeRead);
    EXPECT_EQ(calc.Shown(kIn), "E0:00:00:00 ");
    EXPECT_EQ(calc.engine.Problem(kIn).reason, "line 4 '00:00:90:00': seconds 90 is more than NTSC-ND's 59");
    EXPECT_EQ(calc.Shown(kOut)[0], 'E') << "no register derived from it looks valid";
    const std::vector<RecordedStep>& s = calc.log.steps;
    ASSERT_EQ(s.size(), 6u);
    EXPECT_EQ(s[0].lineProblem, LineProblem::kNoValue);
    EXPECT_EQ(s[1].text, "+ 00:00:10:00");
    EXPECT_EQ(s[2].lineNumber, 4) << "the blank line is skipped but counted";
    EXPECT_EQ(s[2].lineProblem, LineProblem::kCannotBeRead);
    EXPECT_EQ(s[3].lineProblem, LineProblem::kCannotBeRead) << "never only its last eight digits";
    EXPECT_EQ(s[4].lineProblem, LineProblem::kNone) << "leading zeros cost nothing";
    EXPECT_EQ(s[5].kind, StepKind::kListTotal);
    EXPECT_EQ(s[5].added, 2);
    EXPECT_EQ(s[5].skipped, 1);
    EXPECT_EQ(s[5].leftOut, 2);

    Calculator skipping;
    ASSERT_TRUE(skipping.engine.BeginList(true));
    skipping.engine.AddListLines(list);
    EXPECT_EQ(skipping.engine.EndList(), Outcome::kDone);
    EXPECT_EQ(skipping.Shown(kIn), "00:00:10.01 ");
}

TEST(ListTotal, InPiecesEqualsAllAtOnceAndStaysExactPastWhatCanBeShown)
{
    std::string list;
    for (int i = 0; i < 3000; ++i) list += "00:00:59:29\n"; // 50 hours: more than the format shows
    Calculator whole;
    whole.engine.SetRegisterFormat(kOut, kNtscFrames);
    EXPECT_EQ(whole.engine.AddUpLines(list), Outcome::kCannotBeShown);

    Calculator pieces;
    pieces.engine.SetRegisterFormat(kOut, kNtscFrames);
    ASSERT_TRUE(pieces.engine.BeginList(false));
    for (std::size_t at = 0; at < list.size(); at += 1200) pieces.engine.AddListLines(std::string_view{list}.substr(at, 1200));
    EXPECT_EQ(pieces.engine.EndList(), Outcome::kCannotBeShown);
    EXPECT_EQ(pieces.Shown(kIn), whole.Shown(kIn));
    EXPECT_EQ(pieces.Shown(kOut), "05397000 ") << "the exact total, converted";
}

TEST(StepReport, EachFinishedStepIsReportedOnceAsShown)
{
    ListCalculator calc(kNtscNd);
    calc.engine.SetRegisterFormat(kOut, kDropFrame);
    calc.engine.SetRegisterFormat(kDuration, kNtscFrames);
    calc.Type("10000+1000");
    EXPECT_TRUE(calc.log.steps.empty()) << "digits and a first operator finish nothing";
    calc.Type("x2/0=");
    calc.Type("1000000=");
    calc.engine.SelectRegister(kOut); // nothing typed: no step
    calc.Type("2");
    calc.engine.SelectRegister(kIn);  // commits OUT's entry

    const std::vector<std::tuple<StepKind, int, std::string, Outcome>> expected = {
        {StepKind::kOperation, kIn, "00:01:00:00 + 00:00:10:00 = 00:01:10:00", Outcome::kDone},
        {StepKind::kOperation, kIn, "00:01:10:00 * 0002 = 00:02:20:00", Outcome::kDone},
        {StepKind::kOperation, kIn, "00:02:20:00 / 0000 = E0:00:00:00", Outcome::kDivisionByZero},
        {StepKind::kDerived, kOut, "= E0:00:00.00", Outcome::kDivisionByZero},
        {StepKind::kDerived, kDuration, "= E0000000", Outcome::kDivisionByZero},
        {StepKind::kEntry, kIn, "= 01:00:00:00", Outcome::kDone},
        {StepKind::kDerived, kOut, "= 01:00:03.18", Outcome::kDone},
        {StepKind::kDerived, kDuration, "= 00108000", Outcome::kDone},
        {StepKind::kEntry, kOut, "= 00:00:00.02", Outcome::kDone},
        {StepKind::kDerived, kIn, "= 00:00:00:02", Outcome::kDone},
        {StepKind::kDerived, kDuration, "= 00000002", Outcome::kDone},
    };
    ASSERT_EQ(calc.log.steps.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(i);
        const RecordedStep& step = calc.log.steps[i];
        EXPECT_EQ(step.kind, std::get<0>(expected[i]));
        EXPECT_EQ(step.reg, std::get<1>(expected[i]));
        EXPECT_EQ(step.text, std::get<2>(expected[i]));
        EXPECT_EQ(step.problem, std::get<3>(expected[i]));
    }
}

TEST(StepReport, DerivedLinesKeepTheirOriginAndEditingResultsTheirRelation)
{
    struct Origin final : StepListener {
        std::vector<FinishedStep> steps;
        std::vector<std::string> texts;
        void StepFinished(const FinishedStep& s) override
        {
            steps.push_back(s);
            texts.push_back(StepText(s));
        }
    } log;
    Calculator calc;
    calc.engine.SetRegisterFormat(kIn, kNtscFrames);
    calc.engine.SetRegisterFormat(kOut, k35mm);
    calc.engine.AttachStepListener(&log);
    calc.Type("7336=");
    ASSERT_EQ(log.steps.size(), 3u);
    EXPECT_EQ(log.steps[1].result.value, 5868) << "35mm holds the film frames, rounded";
    EXPECT_EQ(log.steps[1].exactValue, 7336) << "given back, the NTSC frames it came from";
    EXPECT_EQ(log.steps[1].exactFormat, &ListedFormat(kNtscFrames));

    calc.engine.SetMode(CalculatorMode::kEditing);
    calc.engine.SetCalcTarget(kDuration);
    calc.engine.SelectRegister(kOut);
    calc.Type("9000=");
    EXPECT_EQ(log.texts.back(), "00009000 - 00007336 = 00001664") << "DURATION = OUT - IN";
}

TEST(StepReport, AnEntryThatCannotBeReadIsReportedOnce)
{
    ListCalculator calc(kNtscNd);
    calc.engine.SetOptions({false, calc.engine.Options().bumpUpDropped});
    calc.Type("9000+++");
    ASSERT_EQ(calc.log.steps.size(), 1u);
    EXPECT_EQ(calc.log.steps[0].text, "= E0:00:90:00");
    EXPECT_EQ(calc.log.steps[0].problem, Outcome::kCannotBeRead);
}

TEST(PasteValue, EntersAnEarlierResultInTheCurrentRegistersFormat)
{
    Calculator calc;
    calc.engine.SetRegisterFormat(kIn, kRealTime);
    EXPECT_TRUE(calc.engine.PasteValue(1800, ListedFormat(kNtscNd))); // one minute of NTSC frames
    EXPECT_EQ(calc.Shown(kIn), "00:01:00.06 ");
    EXPECT_TRUE(calc.engine.IsTyping(kIn)) << "a new entry, not yet committed";
    EXPECT_FALSE(calc.engine.PasteValue(100'000'000, ListedFormat(kNtscFrames)));
    EXPECT_EQ(calc.Shown(kIn), "00:01:00.06 ");
}

// Random lists as editors write them, each line's meaning known as it is
// made (the model): plain lines, header rows naming a duration or a start and
// an end column above a preamble, Unicode digits and blanks, semicolons in
// drop frame, decimal fractions of real time, total rows and a line in error.
// The engine's total must be the model's, or an error when the model has one.
TEST(ListTotal, RandomListsAgreeWithTheirModel)
{
    std::mt19937 random(20261211);
    auto pick = [&](auto... choices) {
        const std::vector<std::common_type_t<decltype(choices)...>> all{choices...};
        return all[random() % all.size()];
    };
    auto utf8 = [](char32_t c) {
        std::string s;
        if (c < 0x800) return s = {static_cast<char>(0xC0 | c >> 6), static_cast<char>(0x80 | (c & 0x3F))};
        return s = {static_cast<char>(0xE0 | c >> 12), static_cast<char>(0x80 | (c >> 6 & 0x3F)), static_cast<char>(0x80 | (c & 0x3F))};
    };
    const int positions[] = {kDropFrame, kNtscNd, kPal, kPalFrames, kRealTime, k35mm, k5994Df};
    for (int round = 0; round < 3000; ++round) {
        const int position = positions[random() % std::size(positions)];
        const TimecodeFormat& format = ListedFormat(position);
        const std::string d = pick(std::string{"\t"}, std::string{";"}, std::string{","});
        // The value as an editing program writes it, in some hand.
        auto written = [&](std::int64_t value) {
            std::string text = EditingText(format, value);
            if (IsDropFrame(format) && d != ";" && random() % 3 == 0) // where ';' parts cells, it cannot part fields too
                for (char& c : text) c = c == ':' ? ';' : c;
            if (position == kRealTime && random() % 2 == 0) {
                if (text.back() == '0') text.pop_back(); // tenths
                else text += "0";                        // whole hundredths in three digits
            }
            if (random() % 4 == 0) {
                const char32_t zero = pick(U'\u0660', U'\uFF10', U'\u0966');
                std::string foreign;
                for (const char c : text) foreign += c >= '0' && c <= '9' ? utf8(zero + (c - '0')) : std::string(1, c);
                text = foreign;
            }
            return text;
        };
        auto blank = [&] { return random() % 3 == 0 ? pick(std::string{"\xC2\xA0"}, std::string{"\xE2\x80\x89"}, std::string{"\xE3\x80\x80"}) : std::string{}; };

        const int layout = static_cast<int>(random() % 3); // plain, duration column, start and end columns
        std::string list;
        if (layout > 0) {
            for (int i = static_cast<int>(random() % 3); i > 0; --i) list += pick(std::string{"FPS"}, std::string{"Reel"}) + d + "25\n";
            list += layout == 1 ? "Name" + d + pick(std::string{"Duration"}, std::string{"LENGTH"}) + d + "Notes\n"
                                : "Clip" + d + "Record In" + d + "Record Out" + d + "Source In\n";
        }
        std::int64_t total = 0;
        bool error = false;
        const int lines = 1 + static_cast<int>(random() % 12);
        for (int i = 0; i < lines; ++i) {
            const std::int64_t value = random() % 20000;
            const std::int64_t start = random() % 100000;
            total += value;
            if (layout == 0) list += (format.fieldCount == 1 ? "" : "Shot " + std::to_string(i) + d) + blank() + written(value) + blank();
            else if (layout == 1) list += "Take " + std::to_string(i) + ".5" + d + blank() + written(value) + blank() + d + "v2";
            else list += "c" + d + written(start) + d + blank() + written(start + value) + d + "00:00:00:00";
            list += "\n";
        }
        if (random() % 4 == 0) list += "Total" + d + written(total + random() % 2) + "\n";
        if (random() % 8 == 0) {
            list += layout == 0 ? "Shot 9" + d + "99:99" : "x" + d + (layout == 1 ? "99:99" + d : "0" + d + "99:99");
            list += "\n";
            error = true;
        }
        SCOPED_TRACE(std::string{format.name} + "\n" + list);
        Calculator calc;
        calc.engine.SetRegisterFormat(kIn, position);
        const Outcome outcome = calc.engine.AddUpLines(list);
        ASSERT_EQ(outcome == Outcome::kCannotBeRead, error) << calc.engine.Problem(kIn).reason;
        if (!error) {
            ASSERT_EQ(calc.engine.Value(kIn), total);
        }
    }
}
