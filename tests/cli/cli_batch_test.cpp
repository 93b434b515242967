// quillet-calc reading values from standard input.
#include "calc_runner.h"
#include "cli/engine_session.h"
#include "cli/value_text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

TEST(CliBatch, MixedLinesKeepTheirOrderAndLineNumbers)
{
    const std::string input = "100\n"
                              "\n"
                              "00:00:60:00\n"
                              "1a\n"
                              "  200\r\n"
                              "123456789\n"
                              "5"; // the last line has no newline
    const CalcRun run = RunCalc({"convert", "--strict", "ndf", "ntsc-frames"}, input);
    EXPECT_EQ(run.out, "00000030\n\nE0:00:60:00\n\n00000060\n\n00000005\n");
    EXPECT_EQ(run.err,
              "quillet-calc: line 3: '00:00:60:00': cannot be read in NTSC-ND: seconds 60 is more than NTSC-ND's 59\n"
              "quillet-calc: line 4: '1a': not a value: unexpected character 'a' (only digits and the separators : ; "
              ". + , are allowed)\n"
              "quillet-calc: line 6: '123456789': not a value: more than eight digits\n");
    EXPECT_EQ(run.status, 1);
}

TEST(CliBatch, EachLineIsAnsweredBeforeTheInputEnds)
{
    const std::vector<std::string> answers =
        RunCalcLineByLine({"convert", "ntsc-frames", "df"}, {"1800", "17982", "bad", "1"});
    EXPECT_EQ(answers, (std::vector<std::string>{"00:01:00.02", "00:10:00.00", "", "00:00:00.01"}));
}

TEST(CliBatch, EmptyInputGivesNothingAndSucceeds)
{
    const CalcRun run = RunCalc({"convert", "ndf", "df"}, "");
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.status, 0);
}

TEST(CliBatch, ALineTooLongToBeAValueIsRefusedWithoutStoppingTheRest)
{
    const std::string longLine(100000, ':'); // longer than a read, so it spans several
    const CalcRun run = RunCalc({"convert", "ntsc-frames", "df"}, "1\n" + longLine + "5\n1800\n");
    EXPECT_EQ(run.out, "00:00:00.01\n\n00:01:00.02\n");
    EXPECT_NE(run.err.find("line 2: '::::"), std::string::npos) << run.err.substr(0, 200);
    EXPECT_NE(run.err.find("line too long"), std::string::npos);
    EXPECT_LT(run.err.size(), 200u) << "the long line is not repeated in full";
    EXPECT_EQ(run.status, 1);
}

TEST(CliBatch, ALineIsJudgedAlikeHoweverTheReadsSplitIt)
{
    const std::string blanks(5000, ' ');
    struct Case {
        const char* name;
        std::vector<std::string> chunks;
        const char* out;
        bool refusedAsTooLong;
    };
    const Case cases[] = {
        {"blanks, then the value in a later read", {blanks, "1\n"}, "00:00:00.01\n", false},
        {"the value, then blanks in a later read", {"1" + blanks, blanks + "\n2\n"}, "00:00:00.01\n00:00:00.02\n",
         false},
        {"blanks between two halves of a value", {"1" + blanks, "2\n3\n"}, "\n00:00:00.03\n", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string whole;
        for (const std::string& chunk : c.chunks) whole += chunk;
        const CalcRun split = RunCalcPiped({"convert", "ntsc-frames", "df"}, c.chunks);
        const CalcRun inOneRead = RunCalcPiped({"convert", "ntsc-frames", "df"}, {whole});
        EXPECT_EQ(split.out, c.out);
        EXPECT_EQ(split.err.find("line too long") != std::string::npos, c.refusedAsTooLong) << split.err;
        EXPECT_EQ(split.out, inOneRead.out);
        EXPECT_EQ(split.err, inOneRead.err);
    }
}

TEST(CliBatch, InputLeftNonBlockingIsWaitedFor)
{
#ifdef _WIN32
    GTEST_SKIP() << "Windows hands no program a non-blocking standard input";
#endif
    const CalcRun run = RunCalcPiped({"convert", "ntsc-frames", "df"}, {"1800\n", "17982\n"}, true);
    EXPECT_EQ(run.out, "00:01:00.02\n00:10:00.00\n");
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.status, 0);
}

// Large inputs are converted in blocks shared between two engines; the
// results must come out in input order with the right line numbers.
TEST(CliBatch, ALargeBatchMatchesOneValueAtATime)
{
    constexpr int kLines = 300000;
    std::string input;
    std::string expected;
    std::string expectedErrors;
    quillet::cli::ConversionSession session(3, 0, false, false); // NTSC frames -> Drop Frame
    for (int i = 0; i < kLines; ++i) {
        std::string value = std::to_string((std::int64_t{i} * 7919) % 2600000);
        if (i % 50000 == 49999) value = "bad" + value;
        input += value + "\n";
        if (!session.NotAValue(value).empty()) {
            expected += "\n";
            expectedErrors += "quillet-calc: line " + std::to_string(i + 1) + ": '" + value + "': not a value";
            continue;
        }
        const auto result = session.Convert(value);
        expected += std::string{result.text} + "\n";
        if (result.outcome != quillet::cli::Outcome::kDone)
            expectedErrors += "quillet-calc: line " + std::to_string(i + 1) + ": '" + value + "': cannot be shown";
    }
    const CalcRun run = RunCalc({"convert", "NTSC frames", "Drop Frame"}, input);
    EXPECT_TRUE(run.out == expected) << "outputs differ";
    EXPECT_EQ(run.status, 1);

    // Each message, cut after its reason's first words, in order.
    std::string errorStarts;
    std::size_t position = 0;
    while (position < run.err.size()) {
        std::size_t end = run.err.find('\n', position);
        if (end == std::string::npos) end = run.err.size();
        const std::string line = run.err.substr(position, end - position);
        for (const char* reason : {"': not a value", "': cannot be shown"}) {
            const std::size_t at = line.find(reason);
            if (at != std::string::npos) errorStarts += line.substr(0, at + std::string{reason}.size());
        }
        position = end + 1;
    }
    EXPECT_EQ(errorStarts, expectedErrors);
}

} // namespace
