// quillet-calc sum: a list's total, with convert's messages and exit statuses.
#include "calc_runner.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(CliSum, LinesThatCannotBeReadAreNamedAndLeftOut)
{
    const std::string input = "Clip,Duration\n"
                              "A001,00:00:10:00\n"
                              "\n"
                              "A002,00:00:60:00\n"
                              "A003,  00:01:00:05\r\n"
                              "A004,123456789\n"
                              "A005,5"; // the last line has no newline
    const std::string errors = "quillet-calc: line 4: 'A002,00:00:60:00': cannot be read in NTSC-ND: Duration "
                               "'00:00:60:00': seconds 60 is more than NTSC-ND's 59\n"
                               "quillet-calc: line 6: 'A004,123456789': cannot be read in NTSC-ND: Duration '123456789': "
                               "more than eight digits\n";
    const CalcRun run = RunCalc({"sum", "--strict", "ndf"}, input);
    EXPECT_EQ(run.out, "") << "a total that omits a line is no total";
    EXPECT_EQ(run.err, errors) << "the header is skipped without a word";
    EXPECT_EQ(run.status, 1);

    const CalcRun skipping = RunCalc({"sum", "--skip-bad-lines", "ndf"}, input);
    EXPECT_EQ(skipping.out, "00:01:10:10\n");
    EXPECT_EQ(skipping.err, errors);
    EXPECT_EQ(skipping.status, 0);
}

TEST(CliSum, ValuesOnTheCommandLineAndATotalInAnotherFormat)
{
    const CalcRun run = RunCalc({"sum", "df", "1:00.00", "--to", "ntsc-frames", "10"});
    EXPECT_EQ(run.out, "00001810\n") << "1:00.00 is bumped up to 1:00.02, frame 1800";
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.status, 0);

    const CalcRun tooLarge = RunCalc({"sum", "pal", "23:00:00:00", "1:00:00:00"});
    EXPECT_EQ(tooLarge.out, "E0:00:00:00\n");
    EXPECT_EQ(tooLarge.err, "quillet-calc: 'total': cannot be shown in PAL\n");
    EXPECT_EQ(tooLarge.status, 1);
    EXPECT_EQ(RunCalc({"sum", "pal", "--to=pal-frames", "23:00:00:00", "1:00:00:00"}).out, "02160000\n")
        << "the exact total, converted";
    EXPECT_EQ(RunCalc({"sum", "ndf"}, "").out, "00:00:00:00\n") << "nothing adds up to zero";
}

// Text from other systems: line ends of classic Mac OS and Windows, a
// byte-order mark, UTF-16 refused whole rather than read as zeros; and
// results as editing applications write them.
TEST(CliSum, TextFromOtherSystemsAndResultsForThem)
{
    EXPECT_EQ(RunCalc({"sum", "ndf"}, "00:00:01:00\r00:00:02:00\r").out, "00:00:03:00\n");
    EXPECT_EQ(RunCalc({"sum", "ndf"}, "\xEF\xBB\xBF" "00:00:01:00\r\n00:00:02:00\r\n").out, "00:00:03:00\n");
    const CalcRun utf16 = RunCalc({"sum", "ndf"}, std::string("\xFF\xFE" "1\0" "\n\0", 6));
    EXPECT_EQ(utf16.status, 2);
    EXPECT_EQ(utf16.out, "");
    EXPECT_NE(utf16.err.find("UTF-16"), std::string::npos);

    EXPECT_EQ(RunCalc({"sum", "35mm", "--separators=editing", "366+12", "1+04"}).out, "368+00\n");
    EXPECT_EQ(RunCalc({"convert", "--separators", "editing", "ntsc-frames", "df", "1800"}).out, "00:01:00;02\n");
    EXPECT_EQ(RunCalc({"convert", "--separators", "editing", "df", "film-frames", "00:00:10;00"}).out, "240\n");
}

TEST(CliSum, UsageErrors)
{
    for (const std::vector<std::string>& args : {std::vector<std::string>{"sum"}, {"sum", "ndf", "--to"},
                                                 {"sum", "ndf", "--to", "fps"}, {"convert", "ndf", "--to", "df"}}) {
        const CalcRun run = RunCalc(args);
        EXPECT_EQ(run.status, 2) << args.back();
        EXPECT_EQ(run.out, "");
    }
}

TEST(CliSum, ALineTooLongToHoldIsLeftOutAndTheCountGoesOn)
{
    const std::string input = "1\n" + std::string(3u << 20, 'x') + "\n2\nbad\n";
    const CalcRun run = RunCalc({"sum", "--skip-bad-lines", "ntsc-frames"}, input);
    EXPECT_EQ(run.out, "00000003\n");
    EXPECT_EQ(run.err, "quillet-calc: line 2: '" + std::string(60, 'x') + "...': not a value: line too long\n");
}

} // namespace
