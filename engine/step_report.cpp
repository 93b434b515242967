// Telling the step listener what each finished step showed. Only runs when
// someone listens; the texts are built on the stack, never allocated.
#include "calculator_engine.h"

#include "list_line.h"

#include <string>

namespace quillet {
namespace {

struct WrittenText {
    char text[kMaxDigitsTextLength];
    int length = 0;
    std::string_view View() const { return {text, static_cast<std::size_t>(length)}; }
};

// `value` written in `format` as a display shows it: "E" first when it cannot be shown.
WrittenText ShownValue(const TimecodeFormat& format, std::int64_t value)
{
    WrittenText shown;
    const FormattedValue written = FormatValue(format, value);
    shown.length = WriteDigitsText(format, written.digits, shown.text);
    if (written.cannotBeShown && shown.length > 0) shown.text[0] = 'E';
    return shown;
}

} // namespace

FinishedStep CalculatorEngine::StepOf(const TimecodeRegister& reg, StepKind kind)
{
    FinishedStep step;
    step.kind = kind;
    step.registerIndex = reg.index;
    step.format = reg.format;
    // As shown, without the trailing blank or pending operator.
    step.result = std::string_view(reg.text).substr(0, reg.text.empty() ? 0 : reg.text.size() - 1);
    step.problem = reg.problem;
    step.value = reg.value;
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
    const WrittenText leftText = ShownValue(*reg.format, left);
    // The operand of '*' and '/' is a plain number, shown as it was typed.
    const WrittenText rightText = ShownValue(op == '*' || op == '/' ? ScalarFormat() : *reg.format, right);
    step.op = op;
    step.left = leftText.View();
    step.right = rightText.View();
    m_stepListener->StepFinished(step);
}

void CalculatorEngine::ReportListTerm(const TimecodeRegister& reg, const ListTerm& term, std::string_view line,
                                      long long lineNumber)
{
    FinishedStep step;
    step.kind = StepKind::kListTerm;
    step.registerIndex = reg.index;
    step.format = reg.format;
    step.op = '+';
    step.lineNumber = lineNumber;
    step.line = line;
    step.lineProblem = term.problem;
    WrittenText right;
    if (term.problem == LineProblem::kNone) {
        // As written or typed, which may carry into a higher field.
        right.length = WriteDigitsText(*reg.format, term.digits, right.text);
    } else {
        // A line without a value still gets its "E", as the display would.
        right.length = 1;
        right.text[0] = 'E';
        step.problem = {Outcome::kCannotBeRead, -1, false, term.reason};
    }
    step.right = right.View();
    step.value = term.value;
    m_stepListener->StepFinished(step);
}

void CalculatorEngine::ReportListTotal(const TimecodeRegister& reg)
{
    FinishedStep step = StepOf(reg, StepKind::kListTotal);
    step.linesAdded = m_list.added;
    step.linesSkipped = m_list.skipped;
    step.linesLeftOut = m_list.leftOut;
    step.listNote = m_list.totalNotes;
    WrittenText leftText;
    WrittenText rightText;
    if (m_list.continuesChain) {
        leftText = ShownValue(*reg.format, m_list.left);
        rightText = ShownValue(*reg.format, m_list.total);
        step.op = m_list.op;
        step.left = leftText.View();
        step.right = rightText.View();
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
            // DURATION, DURATION = OUT - IN, with the texts as shown.
            const TimecodeRegister& left = m_registers[reg.index == kOut ? kIn : kOut];
            const TimecodeRegister& right = m_registers[reg.index == kDuration ? kIn : kDuration];
            auto shown = [](const TimecodeRegister& source) {
                return std::string_view(source.text).substr(0, source.text.empty() ? 0 : source.text.size() - 1);
            };
            step.left = shown(left);
            step.op = reg.index == kOut ? '+' : '-';
            step.right = shown(right);
        }
        m_stepListener->StepFinished(step);
    }
}

} // namespace quillet
