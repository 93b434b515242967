#include "cli/list_sum.h"

#include "cli/diagnostics.h"
#include "cli/format_names.h"
#include "engine/written_value.h"

namespace quillet::cli {
SumSession::SumSession(int fromPosition, int toPosition, bool strict, bool noBump, bool skipBadLines)
    : m_skipBadLines(skipBadLines)
{
    m_engine.SetOptions({!strict, !noBump});
    m_engine.SetRegisterFormat(kIn, fromPosition);
    m_engine.SetRegisterFormat(kOut, toPosition);
    m_engine.SetRegisterFormat(kDuration, fromPosition);
    m_engine.AttachStepListener(this);
    m_engine.BeginList(skipBadLines);
}

void SumSession::AddArgument(std::string_view value)
{
    m_arguments = true;
    // One argument is one line, whatever it holds.
    std::string line{value};
    for (char& c : line)
        if (c == '\n' || c == '\r') c = ' ';
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
    messages += NotAValueMessage(lineNumber, start, "line too long", true);
}

void SumSession::WriteMessages()
{
    if (messages.empty()) return;
    WriteError(messages);
    messages.clear();
}

void SumSession::StepFinished(const FinishedStep& step)
{
    if (step.kind == StepKind::kListTotal) m_linesAdded = step.linesAdded;
    if (step.kind == StepKind::kListTotal && !step.listNote.empty()) {
        messages += std::string{kProgramName} + ": " + std::string{step.listNote} + "\n";
        return;
    }
    if (step.kind != StepKind::kListTerm) return;
    if (step.lineProblem != LineProblem::kNotAValue && step.lineProblem != LineProblem::kCannotBeRead) return;
    anyLeftOut = true;
    const long long lineNumber = m_arguments ? 0 : step.lineNumber;
    const std::string_view line = TrimmedLine(step.line);
    if (step.lineProblem == LineProblem::kNotAValue) messages += NotAValueMessage(lineNumber, line, step.problem.reason);
    else messages += ProblemMessage(lineNumber, line, Outcome::kCannotBeRead, NameOf(*step.format), step.problem.reason);
}

SumSession::Total SumSession::Finish()
{
    m_engine.EndList();
    // A total that omits a line is no total, unless asked for.
    if (anyLeftOut && !m_skipBadLines) return {{}, Outcome::kCannotBeRead};
    const Outcome outcome = m_engine.Problem(kOut).outcome;
    if (m_linesAdded == 0) messages += std::string{kProgramName} + ": no value to add up; the total is 0\n";
    if (outcome != Outcome::kDone) messages += ProblemMessage(0, "total", outcome, NameOf(m_engine.Format(kOut)));
    std::string_view text = m_engine.ShownText(kOut);
    if (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    if (editingForms && outcome == Outcome::kDone) {
        m_editingText = EditingText(m_engine.Format(kOut), m_engine.Value(kOut));
        text = m_editingText;
    }
    return {text, outcome};
}

} // namespace quillet::cli
