// Telling the step listener what each finished step was, as values. Only
// runs when someone listens; nothing is allocated.
#include "calculator_engine.h"

#include "list_line.h"

namespace quillet {
namespace {

// `value` as a step's operand in `format`: "E" when it cannot be shown.
StepValue WrittenStepValue(const TimecodeFormat& format, std::int64_t value)
{
    StepValue written;
    written.present = true;
    written.value = value;
    written.format = &format;
    written.inError = FormatValue(format, value, written.digits);
    return written;
}

} // namespace

StepValue CalculatorEngine::ShownStepValue(const TimecodeRegister& reg)
{
    StepValue shown;
    shown.present = true;
    shown.value = reg.value;
    // As RefreshRegister lays the digits out.
    shown.format = reg.scalarEntry && !reg.freshEntry ? &ScalarFormat() : reg.format;
    shown.inError = reg.problem.outcome != Outcome::kDone;
    shown.digits = reg.entryDigits;
    return shown;
}

FinishedStep CalculatorEngine::StepOf(const TimecodeRegister& reg, StepKind kind)
{
    FinishedStep step;
    step.kind = kind;
    step.registerIndex = reg.index;
    step.format = reg.format;
    step.result = ShownStepValue(reg);
    step.problem = reg.problem;
    step.exactValue = reg.value;
    step.exactFormat = reg.format;
    return step;
}

void CalculatorEngine::ReportStep(const TimecodeRegister& reg, StepKind kind)
{
    m_stepListener->StepFinished(StepOf(reg, kind));
}

void CalculatorEngine::ReportOperation(const TimecodeRegister& reg, char op, std::int64_t left, std::int64_t right)
{
    FinishedStep step = StepOf(reg, StepKind::kOperation);
    step.op = OperatorOf(op);
    step.left = WrittenStepValue(*reg.format, left);
    // The operand of '*' and '/' is a plain number.
    step.right = WrittenStepValue(op == '*' || op == '/' ? ScalarFormat() : *reg.format, right);
    m_stepListener->StepFinished(step);
}

void CalculatorEngine::ReportListTerm(const TimecodeRegister& reg, const ListTerm& term, std::string_view line,
                                      long long lineNumber)
{
    FinishedStep step;
    step.kind = StepKind::kListTerm;
    step.registerIndex = reg.index;
    step.format = reg.format;
    step.op = StepOperator::kAdd;
    step.lineNumber = lineNumber;
    step.line = line;
    step.lineProblem = term.problem;
    step.right.present = true;
    if (term.problem == LineProblem::kNone) {
        step.right.format = reg.format;
        step.right.value = term.value;
        // As written or typed, which may carry into a higher field.
        step.right.digits = term.digits;
    } else {
        step.right.inError = true;
        step.problem = {Outcome::kCannotBeRead, -1, false, term.reason};
    }
    step.exactValue = step.right.value;
    step.exactFormat = reg.format;
    m_stepListener->StepFinished(step);
}

void CalculatorEngine::ReportListTotal(const TimecodeRegister& reg)
{
    FinishedStep step = StepOf(reg, StepKind::kListTotal);
    step.linesAdded = m_list.added;
    step.linesSkipped = m_list.skipped;
    step.linesLeftOut = m_list.leftOut;
    step.listNote = m_list.totalNotes;
    if (m_list.continuesChain) {
        step.op = OperatorOf(m_list.op);
        step.left = WrittenStepValue(*reg.format, m_list.left);
        step.right = WrittenStepValue(*reg.format, m_list.total);
    }
    m_stepListener->StepFinished(step);
}

void CalculatorEngine::RecomputeAfterStep(const TimecodeRegister& stepped, bool finished)
{
    if (m_stepListener == nullptr || !finished) {
        Recompute();
        return;
    }
    struct Shown {
        std::string text;
        Outcome outcome;
    } before[3];
    for (int i = 0; i < 3; ++i) before[i] = {m_registers[i].text, m_registers[i].problem.outcome};
    Recompute();
    for (int i = 0; i < 3; ++i) {
        const TimecodeRegister& reg = m_registers[i];
        if (&reg == &stepped || (reg.text == before[i].text && reg.problem.outcome == before[i].outcome)) continue;
        FinishedStep step = StepOf(reg, StepKind::kDerived);
        if (IsConversionMode()) {
            step.exactValue = stepped.value;
            step.exactFormat = stepped.format;
        } else {
            // The relation that computed it: IN = OUT - DURATION, OUT = IN +
            // DURATION, DURATION = OUT - IN, each operand as it is shown.
            step.left = ShownStepValue(m_registers[reg.index == kOut ? kIn : kOut]);
            step.op = reg.index == kOut ? StepOperator::kAdd : StepOperator::kSubtract;
            step.right = ShownStepValue(m_registers[reg.index == kDuration ? kIn : kDuration]);
        }
        m_stepListener->StepFinished(step);
    }
}

} // namespace quillet
