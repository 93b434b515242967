// quillet-calc sum FORMAT [--to FORMAT2] [VALUE...]: the total of a list.
#include "cli/commands.h"

#include "cli/diagnostics.h"
#include "cli/list_sum.h"
#include "cli/output_buffer.h"
#include "cli/standard_streams.h"

#include <cstring>
#include <string>

namespace quillet::cli {

int RunSum(const Command& command)
{
    SumSession session(command.fromPosition, command.toPosition, command.strict, command.noBump);
    if (command.lines.empty()) {
        const SumInputOutcome input = SumLines(session, kStandardInput);
        if (input.readErrno != 0) {
            WriteError(std::string{kProgramName} + ": cannot read standard input: " + std::strerror(input.readErrno) + "\n");
            return kExitUsage;
        }
    } else {
        for (const std::string_view line : command.lines) session.AddArgument(line);
    }
    const SumSession::Total total = session.Finish();
    OutputBuffer output(kStandardOutput, 4096);
    output.AppendLine(total.text);
    output.Flush();
    if (!session.messages.empty()) WriteError(session.messages);
    if (output.Failed()) {
        WriteError(std::string{kProgramName} + ": cannot write standard output: " + std::strerror(output.FailureErrno()) + "\n");
        return kExitUsage;
    }
    return session.anyLeftOut || total.outcome != Outcome::kDone ? kExitValueError : kExitFine;
}

} // namespace quillet::cli
