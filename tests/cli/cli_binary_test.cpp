// quillet-calc run as a user runs it: arguments in, text and exit status out.
#include "calc_runner.h"
#include "cli/format_names.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Args = std::vector<std::string>;

std::string Joined(const Args& args)
{
    std::string text;
    for (const std::string& arg : args) text += arg + " ";
    return text;
}

// A run that prints `out`, nothing on standard error, and exits 0.
struct SuccessCase {
    const char* name;
    Args args;
    const char* out;
};

void ExpectSuccess(const SuccessCase& c)
{
    SCOPED_TRACE(c.name);
    const CalcRun run = RunCalc(c.args);
    EXPECT_EQ(run.out, c.out);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.status, 0);
}

TEST(CliBinary, ConvertsLikeTheWindow)
{
    const SuccessCase cases[] = {
        {"drop frame hour is an hour of real time", {"convert", "df", "real-time", "1:00:00.00"}, "01:00:00.00\n"},
        {"non-drop hour runs long", {"convert", "NTSC-ND", "Real-time", "01:00:00:00"}, "01:00:03.60\n"},
        {"ntsc to film frames", {"convert", "ntsc-frames", "film-frames", "100"}, "00000080\n"},
        {"film to ntsc frames", {"convert", "Film frames", "NTSC frames", "80"}, "00000100\n"},
        {"pal frames are film frames", {"convert", "pal-frames", "film-frames", "100"}, "00000100\n"},
        {"16mm feet into 35mm feet", {"convert", "16mm", "35mm", "000001:00"}, "000002:08\n"},
        {"dropped labels are bumped up", {"convert", "df", "ntsc-frames", "00:01:00.00", "00:01:00.01"},
         "00001800\n00001801\n"},
        {"tenth minute drops nothing", {"convert", "df", "ntsc-frames", "00:10:00.00", "00:00:59.29"},
         "00017982\n00001799\n"},
        {"frame 1800 has the label :02", {"convert", "ntsc-frames", "df", "1800"}, "00:01:00.02\n"},
        {"overflowing seconds typed alone carry", {"convert", "ndf", "ndf", "00009000"}, "00:01:30:00\n"},
        {"fields are read as written", {"convert", "24", "real-time", "1:2:3:4"}, "01:02:03.16\n"},
        {"feet and frames as editors write them", {"convert", "35mm", "film-frames", "366+12", "000366:12"},
         "00005868\n00005868\n"},
        {"leading zeros are free", {"convert", "ntsc-frames", "ntsc-frames", "000000001"}, "00000001\n"},
        {"five is five frames", {"convert", "pal", "pal-frames", "5"}, "00000005\n"},
    };
    for (const SuccessCase& c : cases) ExpectSuccess(c);
}

TEST(CliBinary, ValuesInErrorAreShownAsTheDisplayShowsThemAndExplained)
{
    struct Case {
        const char* name;
        Args args;
        const char* out;
        const char* err;
    };
    const Case cases[] = {
        {"dropped label without bump-up", {"convert", "--no-bump", "df", "ntsc-frames", "00:01:00.01"},
         "E0:01:00.01\n", "quillet-calc: '00:01:00.01': cannot be read in Drop Frame: drop-frame time code skips this label (frames 00 and 01 of every minute but each tenth)\n"},
        {"overflowing field when strict", {"convert", "--strict", "ndf", "real-time", "00:00:60:00"},
         "E0:00:60:00\n", "quillet-calc: '00:00:60:00': cannot be read in NTSC-ND: seconds 60 is more than NTSC-ND's 59\n"},
        {"a written field never overflows", {"convert", "pal", "pal-frames", "00:00:05:29"}, "E0:00:05:29\n",
         "quillet-calc: '00:00:05:29': cannot be read in PAL: frames 29 is more than PAL's 24\n"},
        {"24 hours of frames", {"convert", "ntsc-frames", "df", "2589408"}, "E0:00:00.00\n",
         "quillet-calc: '2589408': cannot be shown in Drop Frame\n"},
        {"25 hours cannot be shown in time code", {"convert", "ndf", "ndf", "25000000"}, "E1:00:00:00\n",
         "quillet-calc: '25000000': cannot be shown in NTSC-ND\n"},
        {"division by zero", {"eval", "ndf", "00:01:00:00", "/", "0"}, "E0:00:00:00\n",
         "quillet-calc: '00:01:00:00 / 0': division by zero\n"},
        {"unreadable operand", {"eval", "--strict", "ndf", "1:00", "+", "00:00:00:30"}, "E0:00:00:30+\n",
         "quillet-calc: '00:00:00:30': cannot be read in NTSC-ND: frames 30 is more than NTSC-ND's 29\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const CalcRun run = RunCalc(c.args);
        EXPECT_EQ(run.out, c.out);
        EXPECT_EQ(run.err, c.err);
        EXPECT_EQ(run.status, 1);
    }
}

TEST(CliBinary, ProcessingGoesOnAfterAValueInError)
{
    const CalcRun run = RunCalc({"convert", "--no-bump", "df", "ndf", "1:00.00", "1:00.02", "2:00.01", "10:00.00"});
    EXPECT_EQ(run.out, "E0:01:00.00\n00:01:00:00\nE0:02:00.01\n00:09:59:12\n");
    EXPECT_EQ(run.err,
              "quillet-calc: '1:00.00': cannot be read in Drop Frame: drop-frame time code skips this label (frames 00 and 01 of every minute but each tenth)\n"
              "quillet-calc: '2:00.01': cannot be read in Drop Frame: drop-frame time code skips this label (frames 00 and 01 of every minute but each tenth)\n");
    EXPECT_EQ(run.status, 1);
}

TEST(CliBinary, EvaluatesLikeTheKeypad)
{
    const SuccessCase cases[] = {
        {"addition", {"eval", "ndf", "00:00:01:00", "+", "00:00:00:10"}, "00:00:01:10\n"},
        {"chain adds left to right", {"eval", "ndf", "1:00", "+", "10", "+", "10"}, "00:00:01:20\n"},
        {"times three", {"eval", "ndf", "00:01:00:00", "*", "3"}, "00:03:00:00\n"},
        {"x multiplies too", {"eval", "ndf", "00:01:00:00", "x", "3"}, "00:03:00:00\n"},
        {"no precedence", {"eval", "ntsc-frames", "2", "+", "3", "*", "4"}, "00000020\n"},
        {"division truncates", {"eval", "pal", "00:00:01:00", "/", "2"}, "00:00:00:12\n"},
        {"a lone value is normalised", {"eval", "df", "00:01:00.00"}, "00:01:00.02\n"},
        {"drop-frame subtraction across a minute", {"eval", "df", "00:01:00.02", "-", "1"}, "00:00:59.29\n"},
        {"footage", {"eval", "35mm", "000001:15", "+", "1"}, "000002:00\n"},
    };
    for (const SuccessCase& c : cases) ExpectSuccess(c);
}

TEST(CliBinary, UsageErrorsNameTheProblemAndPointToHelp)
{
    const std::pair<Args, const char*> cases[] = {
        {{}, "no command given"},
        {{"convert", "df", "bogus", "1"}, "unknown format 'bogus'"},
        {{"eval", "ndf", "1", "/", "10000"}, "'10000' is not a multiplier or divisor"},
        {{"eval", "ndf", "1", "^", "2"}, "'^'"},
        {{"convert", "--fast", "df", "ndf", "1"}, "unknown option '--fast'"},
    };
    for (const auto& [args, message] : cases) {
        SCOPED_TRACE(Joined(args));
        const CalcRun run = RunCalc(args);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "") << "no partial answer on a usage error";
        EXPECT_NE(run.err.find(message), std::string::npos) << run.err;
        EXPECT_NE(run.err.find("Try 'quillet-calc --help'"), std::string::npos) << run.err;
    }
}

// As people type it: the names they use for formats, a value in error among
// others, results that wrap at midnight or not, sums of nothing, seconds.
TEST(CliBinary, TheCommandLineAsPeopleTypeIt)
{
    struct Case {
        Args args;
        std::string input;
        const char* out;
        const char* err; // a part of standard error; "" for none at all
        int status;
    };
    const Case cases[] = {
        {{"convert", "25", "pal-frames", "1:00"}, "", "00000025\n", "", 0},
        {{"convert", "29.97 DF", "29.97ndf", "00:10:00;00"}, "", "00:09:59:12\n", "", 0},
        {{"convert", "30df", "23.98", "00:00:01.00"}, "", "00:00:01:00\n", "", 0},
        {{"convert", "29.97", "ndf", "1"}, "", "", "29.97: say 29.97df (Drop Frame) or 29.97ndf (NTSC-ND)", 2},
        {{"convert", "ntsc", "pal", "1"}, "", "", "ntsc: say df (Drop Frame) or ndf (NTSC-ND)", 2},
        {{"sum", "59.94", "1"}, "", "", "59.94: say 59.94df (59.94 DF) or 59.94ndf (59.94 NDF)", 2},
        {{"convert", "df", "pla", "1"}, "", "", "unknown format 'pla' (did you mean pal?)", 2},
        {{"convert", "df", "ndf", "1", "1h", "2"}, "", "00:00:00:01\n\n00:00:00:02\n",
         "quillet-calc: '1h': not a value: unexpected character 'h'", 1},
        {{"eval", "ndf", "00:00:01:00", "-", "00:00:02:00"}, "", "E0:00:01:00\n",
         "quillet-calc: the result is negative: '00:00:01:00 - 00:00:02:00'", 1},
        {{"sum", "ndf"}, "", "00:00:00:00\n", "quillet-calc: no value to add up; the total is 0\n", 0},
        {{"eval", "--wrap", "ndf", "00:00:01:00", "-", "00:00:02:00"}, "", "23:59:59:00\n", "", 0},
        {{"sum", "--wrap", "pal", "23:00:00:00", "1:00:00:00"}, "", "00:00:00:00\n", "", 0},
        {{"convert", "ndf", "seconds", "00:01:40:15"}, "", "00100.600\n", "", 0},
        {{"convert", "seconds", "ndf", "100.6", "100.600", "100600"}, "", "00:01:40:15\n00:01:40:15\n00:01:40:15\n", "", 0},
        {{"convert", "df", "seconds", "01:00:00.00"}, "", "03599.996\n", "", 0},
        {{"convert", "--separators=editing", "seconds", "seconds", "00100.600"}, "", "100.600\n", "", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Joined(c.args));
        const CalcRun run = RunCalc(c.args, c.input);
        if (c.status == 2) {
            EXPECT_EQ(run.out, "");
            EXPECT_NE(run.err.find(c.err), std::string::npos) << run.err;
        } else {
            EXPECT_EQ(run.out, c.out);
            if (*c.err == '\0') EXPECT_EQ(run.err, "");
            else EXPECT_NE(run.err.find(c.err), std::string::npos) << run.err;
        }
        EXPECT_EQ(run.status, c.status);
    }
}

TEST(CliBinary, HelpVersionAndFormats)
{
    const CalcRun help = RunCalc({"--help"});
    EXPECT_EQ(help.status, 0);
    for (const char* part : {"convert", "eval", "formats", "--strict", "--no-bump", "Examples", "Exit status"})
        EXPECT_NE(help.out.find(part), std::string::npos) << part;

    const CalcRun version = RunCalc({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out.rfind("quillet-calc ", 0), 0u) << version.out;

    const CalcRun formats = RunCalc({"formats"});
    EXPECT_EQ(formats.status, 0);
    for (const char* row : {"Drop Frame     df            HH:MM:SS.FF", "NTSC-ND        ndf           HH:MM:SS:FF",
                            "Real-time      real-time     HH:MM:SS.PP", "16mm/20        16mm/20       TTTTTT:FF"})
        EXPECT_NE(formats.out.find(row), std::string::npos) << row;
    EXPECT_EQ(formats.out.find("Scalar"), std::string::npos);
}

TEST(CliBinary, HelpNamesEveryAliasOfTheFormatTable)
{
    const std::string help = RunCalc({"--help"}).out;
    const std::size_t start = help.find("alias:\n");
    ASSERT_NE(start, std::string::npos) << help;
    const std::size_t end = help.find(".\n", start);
    std::string listed = help.substr(start + 7, end - start - 7);
    for (char& c : listed) c = c == '\n' ? ' ' : c;

    std::string aliases;
    for (const quillet::cli::FormatAlias& row : quillet::cli::kFormatAliases) {
        aliases += row.alias;
        aliases += ' ';
    }
    EXPECT_EQ(listed + ' ', aliases);
}

TEST(CliBinary, ControlCharactersAreEscapedInMessages)
{
    struct Case {
        const char* name;
        Args args;
        std::string input;
        const char* shown;
    };
    const Case cases[] = {
        {"a line of input", {"convert", "ndf", "df"}, "1\x1b]0;title\x07\n", R"('1\x1b]0;title\x07')"},
        {"a long line of input", {"convert", "ndf", "df"}, "\x1b[2J" + std::string(5000, '1') + "\n", R"('\x1b[2J1111)"},
        {"bytes outside ASCII", {"convert", "ndf", "df"}, "1\xc2\x9b" "31m\n", R"('1\xc2\x9b31m')"},
        {"a format name", {"convert", "df", "d\rf", "1"}, "", R"('d\x0df')"},
        {"a backslash, so an escape cannot be faked", {"eval", "ndf", "1", "\\x07", "1"}, "", R"('\\x07')"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const CalcRun run = RunCalc(c.args, c.input);
        EXPECT_NE(run.err.find(c.shown), std::string::npos) << run.err;
        for (const char byte : run.err) {
            const auto code = static_cast<unsigned char>(byte);
            EXPECT_TRUE(byte == '\n' || (code >= 0x20 && code < 0x7F)) << "raw byte " << int{code};
        }
    }
}

TEST(CliBinary, EveryCommandReportsAFullOutputDevice)
{
#ifdef _WIN32
    GTEST_SKIP() << "no full device on Windows";
#endif
    const Args commands[] = {{"--help"}, {"--version"}, {"formats"}, {"convert", "df", "ndf", "1"}, {"eval", "df", "1"}};
    for (const Args& args : commands) {
        SCOPED_TRACE(Joined(args));
        const CalcRun run = RunCalc(args, "", "/dev/full");
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.err.rfind("quillet-calc: cannot write standard output: ", 0), 0u) << run.err;
    }
}

} // namespace
