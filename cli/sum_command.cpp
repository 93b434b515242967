// quillet-calc sum FORMAT [--to FORMAT2] [VALUE...]: the total of a list.
#include "cli/commands.h"

#include "cli/diagnostics.h"
#include "cli/list_sum.h"
#include "cli/output_buffer.h"
#include "cli/standard_streams.h"

namespace quillet::cli {

int RunSum(const Command& command)
{
    SumSession session(command.fromPosition, command.toPosition, command.strict, command.noBump, command.skipBadLines);
    session.editingForms = command.editingForms;
    session.SetWrapAtMidnight(command.wrapAtMidnight);
    if (command.lines.empty()) {
        const int readErrno = ReadLines(kStandardInput, kLongestListLine, session);
        session.WriteMessages();
        if (readErrno != 0) return InputFailure(readErrno);
    } else {
        for (const std::string_view line : command.lines) session.AddArgument(line);
    }
    const SumSession::Total total = session.Finish();
    session.WriteMessages();
    OutputBuffer output(kStandardOutput, 4096);
    if (total.text.empty()) return Finish(output, true);
    output.AppendLine(total.text);
    const bool leftOutAsAsked = command.skipBadLines;
    return Finish(output, (session.anyLeftOut && !leftOutAsAsked) || total.outcome != Outcome::kDone);
}

} // namespace quillet::cli
