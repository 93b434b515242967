#include "cli/command_line.h"
#include "cli/format_names.h"
#include "cli/value_text.h"
#include "engine/calculator_engine.h"
#include "engine/value_codec.h"

#include <gtest/gtest.h>

#include <string>

namespace quillet::cli {
namespace {

TEST(CliValueText, RefusesWhatIsNoMultiplier)
{
    struct Case {
        const char* name;
        const char* text;
        ValueProblem problem;
        const char* described;
    };
    const Case cases[] = {
        {"five digits", "12345", ValueProblem::kTooManyDigits, "more than four digits"},
        {"a separator", "1:2", ValueProblem::kBadCharacter, "plain number"},
        {"a control byte", "1\x01", ValueProblem::kBadCharacter, "byte 0x01"},
        {"empty", "", ValueProblem::kNoDigits, "no digits"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ValueParse parse = ParseMultiplierText(c.text);
        EXPECT_EQ(parse.problem, c.problem);
        EXPECT_NE(DescribeProblem(parse).find(c.described), std::string::npos) << DescribeProblem(parse);
    }
}

TEST(CliFormatNames, FindsEveryFormatByNameInAnyCaseAndByAlias)
{
    struct Case {
        const char* text;
        int position;
    };
    const Case cases[] = {
        {"Drop Frame", 0},   {"drop frame", 0},  {"DROP FRAME", 0}, {"df", 0},
        {"NTSC-ND", 1},      {"ndf", 1},         {"PAL", 2},        {"pal", 2},
        {"NTSC frames", 3},  {"ntsc-frames", 3}, {"PAL frames", 4}, {"pal-frames", 4},
        {"Film frames", 5},  {"film-frames", 5}, {"30FPS FRAMES", 6}, {"30fps-frames", 6},
        {"Real-time", 7},    {"real-time", 7},   {"16mm", 8},       {"35MM", 9},
        {"16mm/20", 10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(FindFormatPosition(c.text), c.position);
    }
    for (const char* unknown : {"", "drop", "Scalar", "ntsc frame", "16mm/2", "29.97", "ntsc"}) {
        SCOPED_TRACE(unknown);
        EXPECT_EQ(FindFormatPosition(unknown), std::nullopt);
    }
}

TEST(CliFormatNames, LayoutsMatchTheTextTheEngineBuilds)
{
    for (int position = 0; position < kListedFormatCount; ++position) {
        SCOPED_TRACE(FormatNameAt(position));
        std::string zeros{kFormatAliases[position].layout};
        for (char& c : zeros)
            if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) c = '0';
        EXPECT_EQ(DigitsToText(ListedFormat(position), kZeroDigits), zeros);
    }
}

ParsedCommandLine Parse(std::vector<std::string_view> args) { return ParseCommandLine(args); }

TEST(CliCommandLine, ReadsConvertWithOptionsAnywhere)
{
    const ParsedCommandLine parsed = Parse({"convert", "df", "--no-bump", "Real-time", "1:00", "--strict", "5"});
    ASSERT_TRUE(parsed.ok) << parsed.usageError;
    const Command& command = parsed.command;
    EXPECT_EQ(command.kind, CommandKind::kConvert);
    EXPECT_TRUE(command.strict);
    EXPECT_TRUE(command.noBump);
    EXPECT_EQ(command.fromPosition, 0);
    EXPECT_EQ(command.toPosition, 7);
    ASSERT_EQ(command.values.size(), 2u);
    EXPECT_EQ(command.values[0].text, "1:00");
    EXPECT_EQ(command.values[1].text, "5");

    const ParsedCommandLine batch = Parse({"convert", "ndf", "df"});
    ASSERT_TRUE(batch.ok);
    EXPECT_TRUE(batch.command.values.empty());
    EXPECT_FALSE(batch.command.strict);
}

TEST(CliCommandLine, ReadsAnEvalChainWithALoneMinusAsOperator)
{
    const ParsedCommandLine parsed = Parse({"eval", "ndf", "1:00", "-", "10", "x", "3", "/", "2", "+", "5"});
    ASSERT_TRUE(parsed.ok) << parsed.usageError;
    const std::vector<EvalStep>& steps = parsed.command.steps;
    ASSERT_EQ(steps.size(), 5u);
    const char ops[] = {0, '-', '*', '/', '+'};
    for (std::size_t i = 0; i < steps.size(); ++i) EXPECT_EQ(steps[i].op, ops[i]) << i;
    EXPECT_EQ(steps[2].text, "3");
}

TEST(CliCommandLine, EveryUsageErrorNamesWhatIsWrong)
{
    struct Case {
        std::vector<std::string_view> args;
        const char* named;
    };
    const Case cases[] = {
        {{}, "no command"},
        {{"frobnicate"}, "'frobnicate'"},
        {{"convert"}, "FROM and a TO"},
        {{"convert", "df"}, "FROM and a TO"},
        {{"convert", "dropfram", "ndf"}, "'dropfram'"},
        {{"convert", "df", "nope", "1"}, "'nope'"},
        {{"convert", "df", "ndf", "--fast"}, "'--fast'"},
        {{"convert", "df", "ndf", "-q"}, "'-q'"},
        {{"eval"}, "FORMAT"},
        {{"eval", "ndf"}, "needs a value"},
        {{"eval", "ndf", "1", "+"}, "'+'"},
        {{"eval", "ndf", "1", "2"}, "'2'"},
        {{"eval", "ndf", "1", "%", "2"}, "'%'"},
        {{"eval", "ndf", "1", "*", "1:00"}, "'1:00'"},
        {{"eval", "ndf", "1", "/", "10000"}, "'10000'"},
        {{"eval", "ndf", "1", "+", "x"}, "'x'"},
        {{"formats", "df"}, "'df'"},
        {{"--version", "df"}, "--version"},
    };
    for (const Case& c : cases) {
        std::string joined;
        for (std::string_view arg : c.args) joined += std::string{arg} + " ";
        SCOPED_TRACE(joined);
        const ParsedCommandLine parsed = ParseCommandLine(c.args);
        EXPECT_FALSE(parsed.ok);
        EXPECT_NE(parsed.usageError.find(c.named), std::string::npos) << parsed.usageError;
    }
}

TEST(CliCommandLine, HelpWinsWhereverItStands)
{
    for (const std::vector<std::string_view>& args :
         {std::vector<std::string_view>{"--help"}, {"-h"}, {"convert", "bad", "--help"}, {"eval", "--help"}}) {
        const ParsedCommandLine parsed = ParseCommandLine(args);
        ASSERT_TRUE(parsed.ok);
        EXPECT_EQ(parsed.command.kind, CommandKind::kHelp);
    }
    EXPECT_EQ(Parse({"--version"}).command.kind, CommandKind::kVersion);
    EXPECT_EQ(Parse({"formats"}).command.kind, CommandKind::kFormats);
}

} // namespace
} // namespace quillet::cli
