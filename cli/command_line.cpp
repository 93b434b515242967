#include "cli/command_line.h"

#include "cli/format_names.h"
#include "engine/words.h"
#include "engine/written_value.h"

#include <optional>

namespace quillet::cli {
namespace {

ParsedCommandLine Fail(std::string message)
{
    ParsedCommandLine parsed;
    parsed.usageError = std::move(message);
    return parsed;
}

ParsedCommandLine Succeed(Command command)
{
    ParsedCommandLine parsed;
    parsed.ok = true;
    parsed.command = std::move(command);
    return parsed;
}

std::string MultiplierError(std::string_view text, const ValueParse& parse)
{
    return QuotedText(text) + " is not a multiplier or divisor: " + DescribeProblem(parse);
}

// Why `text` is no value at all in the command's FROM format (no digit, or
// a character no value has), or empty; whether it can be read in the format
// is found when it is converted, as for a line of standard input.
std::string NotAValue(std::string_view text, const Command& command)
{
    const TimecodeFormat& format = ListedFormat(command.fromPosition);
    const WrittenValue written = ReadWrittenValue(text, format, {!command.strict, !command.noBump});
    if (written.fault != WrittenFault::kNoDigits && written.fault != WrittenFault::kBadCharacter &&
        written.fault != WrittenFault::kTooManyDigits)
        return {};
    return WrittenFaultText(written, format);
}

ParsedCommandLine ParseConvert(Command command, const std::vector<std::string_view>& words)
{
    if (words.size() < 2) return Fail("convert needs a FROM and a TO format");
    const std::optional<int> from = FindFormatPosition(words[0]);
    if (!from) return Fail(FormatNameProblem(words[0]));
    const std::optional<int> to = FindFormatPosition(words[1]);
    if (!to) return Fail(FormatNameProblem(words[1]));
    command.fromPosition = *from;
    command.toPosition = *to;
    // Each value is a line as on standard input, whatever it holds: one in
    // error is answered on its own line, and the others still converted.
    for (std::size_t i = 2; i < words.size(); ++i) command.values.push_back({words[i]});
    return Succeed(std::move(command));
}

ParsedCommandLine ParseEval(Command command, const std::vector<std::string_view>& words)
{
    if (words.empty()) return Fail("eval needs a FORMAT and a value");
    const std::optional<int> format = FindFormatPosition(words[0]);
    if (!format) return Fail(FormatNameProblem(words[0]));
    command.fromPosition = *format;
    if (words.size() < 2) return Fail("eval needs a value after the format");

    char op = 0;
    for (std::size_t i = 1; i < words.size(); ++i) {
        const bool operatorExpected = (i % 2) == 0;
        if (operatorExpected) {
            op = OperatorFromText(words[i]);
            if (op == 0)
                return Fail("expected an operator (+ - * / or x) but found " + QuotedText(words[i]));
            if (i + 1 == words.size())
                return Fail(QuotedText(words[i]) + " needs a value after it");
            continue;
        }
        const bool multiplier = op == '*' || op == '/';
        if (!multiplier) {
            const std::string why = NotAValue(words[i], command);
            if (!why.empty()) return Fail(QuotedText(words[i]) + " is not a value: " + why);
            command.steps.push_back({op, words[i], {}});
            continue;
        }
        const ValueParse parse = ParseMultiplierText(words[i]);
        if (parse.problem != ValueProblem::kNone) return Fail(MultiplierError(words[i], parse));
        command.steps.push_back({op, words[i], parse.typed});
    }
    return Succeed(std::move(command));
}

} // namespace

ParsedCommandLine ParseSum(Command command, const std::vector<std::string_view>& words)
{
    if (words.empty()) return Fail("sum needs a FORMAT");
    const std::optional<int> format = FindFormatPosition(words[0]);
    if (!format) return Fail(FormatNameProblem(words[0]));
    command.fromPosition = command.toPosition = *format;
    if (!command.toText.empty()) {
        const std::optional<int> to = FindFormatPosition(command.toText);
        if (!to) return Fail(FormatNameProblem(command.toText));
        command.toPosition = *to;
    }
    // Values are lines like those of standard input, read by the engine itself.
    command.lines.assign(words.begin() + 1, words.end());
    return Succeed(std::move(command));
}

char OperatorFromText(std::string_view text)
{
    if (text == "+") return '+';
    if (text == "-") return '-';
    if (text == "*" || text == "x" || text == "X") return '*';
    if (text == "/") return '/';
    return 0;
}

ParsedCommandLine ParseCommandLine(const std::vector<std::string_view>& args)
{
    Command command;
    for (const std::string_view word : args) {
        if (word == kHelpOption || word == "-h") {
            command.kind = CommandKind::kHelp;
            return Succeed(std::move(command));
        }
    }
    if (args.empty()) return Fail("no command given");
    if (args[0] == kVersionOption) {
        if (args.size() > 1) return Fail("--version takes no arguments");
        command.kind = CommandKind::kVersion;
        return Succeed(std::move(command));
    }

    // Options may stand anywhere after the command. A lone '-' is the
    // subtraction operator, not an option.
    std::vector<std::string_view> words;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string_view word = args[i];
        if (word == kStrictOption) {
            command.strict = true;
        } else if (word == kNoBumpOption) {
            command.noBump = true;
        } else if (word == kWrapOption) {
            command.wrapAtMidnight = true;
        } else if (word == kSkipBadLinesOption) {
            command.skipBadLines = true;
        } else if (word == kSeparatorsOption || (word.starts_with(kSeparatorsOption) && word[kSeparatorsOption.size()] == '=')) {
            const bool separate = word == kSeparatorsOption;
            const std::string_view style =
                separate ? (i + 1 < args.size() ? args[++i] : std::string_view{}) : word.substr(kSeparatorsOption.size() + 1);
            if (style != "editing" && style != "display")
                return Fail("--separators takes 'display' (as the calculator shows values) or 'editing' (as editing applications write them)");
            command.editingForms = style == "editing";
        } else if (word == kToOption || (word.starts_with(kToOption) && word[kToOption.size()] == '=')) {
            const bool separate = word == kToOption;
            command.toText = separate ? (i + 1 < args.size() ? args[++i] : std::string_view{}) : word.substr(kToOption.size() + 1);
            if (command.toText.empty()) return Fail("--to needs a format");
        } else if (word.size() > 1 && word[0] == '-' && (word[1] == '-' || word[1] < '0' || word[1] > '9')) {
            return Fail("unknown option " + QuotedText(word));
        } else {
            words.push_back(word);
        }
    }

    if (!command.toText.empty() && args[0] != kSumWord) return Fail("--to is an option of sum only");
    if (command.skipBadLines && args[0] != kSumWord) return Fail("--skip-bad-lines is an option of sum only");
    if (args[0] == kConvertWord) {
        command.kind = CommandKind::kConvert;
        return ParseConvert(std::move(command), words);
    }
    if (args[0] == kEvalWord) {
        command.kind = CommandKind::kEval;
        return ParseEval(std::move(command), words);
    }
    if (args[0] == kSumWord) {
        command.kind = CommandKind::kSum;
        return ParseSum(std::move(command), words);
    }
    if (args[0] == kFormatsWord) {
        if (!words.empty()) return Fail("formats takes no arguments, found " + QuotedText(words[0]));
        command.kind = CommandKind::kFormats;
        return Succeed(std::move(command));
    }
    return Fail("unknown command " + QuotedText(args[0]));
}

} // namespace quillet::cli
