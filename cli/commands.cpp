#include "cli/commands.h"

#include "cli/batch_conversion.h"
#include "cli/diagnostics.h"
#include "cli/engine_session.h"
#include "cli/format_names.h"
#include "cli/line_converter.h"
#include "cli/line_source.h"
#include "cli/output_buffer.h"
#include "cli/standard_streams.h"

#include <cstring>
#include <string>

namespace quillet::cli {
namespace {

std::string PaddedTo(std::string_view text, std::size_t width)
{
    std::string padded{text};
    if (padded.size() < width) padded.append(width - padded.size(), ' ');
    return padded;
}

// The whole chain up to `lastStep`, as written: "00:00:05 - 10".
std::string ChainText(const std::vector<EvalStep>& steps, std::size_t lastStep)
{
    std::string text;
    for (std::size_t i = 0; i <= lastStep; ++i) {
        if (steps[i].op != 0) {
            text += ' ';
            text += steps[i].op;
            text += ' ';
        }
        text += steps[i].text;
    }
    return text;
}

} // namespace

int IoFailure(std::string_view what, int errorNumber)
{
    WriteError(std::string{kProgramName} + ": " + std::string{what} + ": " + std::strerror(errorNumber) + "\n");
    return kExitUsage;
}

int InputFailure(int readResult)
{
    if (readResult == kUtf16Input) {
        WriteError(std::string{kProgramName} +
                   ": standard input is UTF-16 text; convert it to UTF-8 first (iconv -f UTF-16 -t UTF-8)\n");
        return kExitUsage;
    }
    return IoFailure("cannot read standard input", readResult);
}

int Finish(OutputBuffer& output, bool anyValueInError)
{
    output.Flush();
    if (output.Failed()) return IoFailure("cannot write standard output", output.FailureErrno());
    return anyValueInError ? kExitValueError : kExitFine;
}

int RunConvert(const Command& command)
{
    ConversionSession session(command.fromPosition, command.toPosition, command.strict, command.noBump);
    session.editingForms = command.editingForms;
    OutputBuffer output(kStandardOutput);

    if (command.values.empty()) {
        ConversionSession secondSession(command.fromPosition, command.toPosition, command.strict, command.noBump);
        secondSession.editingForms = command.editingForms;
        const BatchOutcome batch = ConvertLines(session, secondSession, kStandardInput, output);
        if (batch.readErrno != 0) {
            output.Flush();
            return InputFailure(batch.readErrno);
        }
        return Finish(output, batch.anyValueInError);
    }

    // The values are lines as on standard input; an empty one, though, is
    // no blank line but a value missing (an empty variable in a script).
    LineConverter converter(session);
    for (const ConvertValue& value : command.values) {
        if (!TrimmedLine(value.text).empty()) {
            converter.ConvertLine(value.text, 0);
            continue;
        }
        converter.output += '\n';
        converter.messages += NotAValueMessage(0, value.text, "no digits");
        converter.anyValueInError = true;
    }
    WriteError(converter.messages);
    output.Append(converter.output);
    return Finish(output, converter.anyValueInError);
}

int RunEval(const Command& command)
{
    const EvalResult result =
        Evaluate(command.fromPosition, command.strict, command.noBump, command.steps, command.editingForms,
                 command.wrapAtMidnight);
    OutputBuffer output(kStandardOutput, 4096);
    output.AppendLine(result.text);
    const std::string_view format = FormatNameAt(command.fromPosition);
    for (const EvalProblem& problem : result.problems) {
        // A value that cannot be read is named alone; a result by the chain that made it.
        const std::string input = problem.outcome == Outcome::kCannotBeRead
                                      ? std::string{command.steps[problem.stepIndex].text}
                                      : ChainText(command.steps, problem.stepIndex);
        if (problem.negative) {
            WriteError(NegativeResultMessage(input, format));
            continue;
        }
        WriteError(ProblemMessage(0, input, problem.outcome, format,
                                  problem.outcome == Outcome::kCannotBeRead ? result.reason : std::string{}));
    }
    return Finish(output, !result.problems.empty());
}

int RunFormats()
{
    OutputBuffer output(kStandardOutput, 4096);
    constexpr std::size_t kNameWidth = 15;
    constexpr std::size_t kAliasWidth = 14;
    output.AppendLine(PaddedTo("NAME", kNameWidth) + PaddedTo("ALIAS", kAliasWidth) + "LAYOUT");
    for (int position = 0; position < static_cast<int>(kFormatAliases.size()); ++position) {
        const FormatAlias& row = kFormatAliases[position];
        output.AppendLine(PaddedTo(FormatNameAt(position), kNameWidth) + PaddedTo(row.alias, kAliasWidth) +
                          std::string{row.layout});
    }
    output.AppendLine("");
    output.Append(kLayoutLegend);
    return Finish(output, false);
}

int RunPrint(std::string_view text)
{
    OutputBuffer output(kStandardOutput, 4096);
    output.Append(text);
    return Finish(output, false);
}

} // namespace quillet::cli
