#include "cli/list_sum.h"

#include "cli/diagnostics.h"
#include "cli/format_names.h"

namespace quillet::cli {
SumSession::SumSession(int fromPosition, int toPosition, bool strict, bool noBump)
{
    m_engine.SetOptions({!strict, !noBump});
    m_engine.SetRegisterFormat(kIn, fromPosition);
    m_engine.SetRegisterFormat(kOut, toPosition);
    m_engine.SetRegisterFormat(kDuration, fromPosition);
    m_engine.AttachStepListener(this);
    m_engine.BeginList();
}

void SumSession::AddArgument(std::string_view value)
{
    m_arguments = true;
    // One argument is one line, whatever it holds.
    std::string line{value};
    for (char& c : line)
        if (c == '\n') c = ' ';
    m_engine.AddListLines(line);
}

void SumSession::TakeLines(std::string_view lines, long long /*firstLineNumber: the engine counts them too*/)
{
    m_engine.AddListLines(lines);
}

void SumSession::TakeLongLine(std::string_view start, long long lineNumber)
{
    // A blank line keeps the engine's line numbers in step and adds nothing.
    m_engine.AddListLines("\n");
    anyLeftOut = true;
    messages += NotAValueMessage(lineNumber, LongLineName(start), "line too long");
}

void SumSession::WriteMessages()
{
    if (messages.empty()) return;
    WriteError(messages);
    messages.clear();
}

void SumSession::StepFinished(const FinishedStep& step)
{
    if (step.kind != StepKind::kListTerm || step.lineProblem == LineProblem::kNone) return;
    anyLeftOut = true;
    const long long lineNumber = m_arguments ? 0 : step.lineNumber;
    const std::string_view line = TrimmedLine(step.line);
    switch (step.lineProblem) {
    case LineProblem::kNoValue: messages += NotAValueMessage(lineNumber, line, "no time code or number"); break;
    case LineProblem::kTooManyDigits: messages += NotAValueMessage(lineNumber, line, "more than eight digits"); break;
    default: messages += ProblemMessage(lineNumber, line, Outcome::kCannotBeRead, NameOf(*step.format)); break;
    }
}

SumSession::Total SumSession::Finish()
{
    m_engine.EndList();
    const Outcome outcome = m_engine.Problem(kOut).outcome;
    if (outcome != Outcome::kDone) messages += ProblemMessage(0, "total", outcome, NameOf(m_engine.Format(kOut)));
    std::string_view text = m_engine.ShownText(kOut);
    if (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return {text, outcome};
}

} // namespace quillet::cli
