// Commit, register selection, the operators, and the relation that ties the
// three registers together in each mode.
#include "calculator_engine.h"

#include "convert_value.h"
#include "time_of_day.h"

namespace quillet {

Outcome CalculatorEngine::CommitEntry() { return CommitRegister(Current()); }

Outcome CalculatorEngine::CommitRegister(TimecodeRegister& reg)
{
    if (reg.error.IsSet()) {
        RefreshRegister(reg);
        return reg.problem.outcome;
    }
    if (reg.freshEntry) {
        // The digits show a value already set (a commit, a result, a conversion),
        // perhaps rounded or cut short, so they are not read again, and the other
        // registers already follow that value. Only a pending operator goes.
        reg.pendingOp = 0;
        reg.scalarEntry = false;
        reg.operand = reg.value;
        ValueToDigits(reg);
        RefreshRegister(reg);
        // As after an operator, a value that cannot be shown keeps its "E" on
        // the display without blocking the register.
        reg.error.Clear();
        return reg.problem.outcome;
    }
    const std::int64_t before = reg.value;
    if (ParseEntry(reg)) {
        RefreshRegister(reg);
        if (m_stepListener != nullptr) ReportStep(reg, StepKind::kEntry);
        Recompute(); // the registers derived from it show its "E" too
        return Outcome::kCannotBeRead;
    }
    reg.pendingOp = 0;
    reg.scalarEntry = false;
    reg.freshEntry = true;
    reg.operand = reg.value;
    ValueToDigits(reg);
    RefreshRegister(reg);
    const Outcome outcome = reg.problem.outcome;
    // Committing the value the register already held (a cleared register
    // whose format changes, say) is no step of the calculation.
    const bool changed = reg.value != before || outcome != Outcome::kDone;
    if (changed && m_stepListener != nullptr) ReportStep(reg, StepKind::kEntry);
    RecomputeAfterStep(reg, changed);
    return outcome;
}

void CalculatorEngine::SelectRegister(int index)
{
    if (index < 0 || index > 2) return;
    const bool leftShowedError = Current().problem.outcome != Outcome::kDone;
    CommitEntry();
    // A result that showed "E" (a division by zero) is a plain value once
    // committed; the registers derived from it must not keep its "E".
    const bool errorDropped = leftShowedError && Current().problem.outcome == Outcome::kDone;
    m_current = index;
    TimecodeRegister& reg = Current();
    reg.isCalcTarget = false;
    // Another register's error no longer stands in the way of a new entry here.
    if (reg.error.derived) {
        reg.error.Clear();
        RefreshRegister(reg);
    }
    if (errorDropped) Recompute();
}

Outcome CalculatorEngine::ApplyOperator(char op, bool suppressRepeat)
{
    TimecodeRegister& reg = Current();
    const bool wasBlocked = reg.error.IsSet();
    const bool typed = !reg.freshEntry;
    const std::int64_t before = reg.value;
    if (wasBlocked || ParseEntry(reg)) {
        RefreshRegister(reg);
        if (!wasBlocked) {
            if (m_stepListener != nullptr) ReportStep(reg, StepKind::kEntry);
            Recompute(); // the registers derived from it show its "E" too
        }
        return reg.problem.outcome;
    }

    std::int64_t result = reg.value;
    bool divisionByZero = false;
    // '=' with nothing pending repeats the last operation.
    const bool repeat = reg.pendingOp == 0 && op == '=' && reg.lastOp != 0 && !suppressRepeat;
    const char carriedOut = repeat ? reg.lastOp : reg.pendingOp; // 0: nothing is computed
    const std::int64_t left = reg.operand;
    const std::int64_t right = repeat ? reg.lastOperand : reg.value;
    if (reg.pendingOp != 0 || op == '=') {
        if (repeat) {
            reg.pendingOp = reg.lastOp;
            reg.value = reg.lastOperand;
            result = reg.value;
        }
        reg.lastOp = reg.pendingOp;
        reg.lastOperand = reg.value;
        switch (reg.pendingOp) {
        case '+': result = left + right; break;
        case '-': result = left - right; break;
        case '*': result = left * right; break;
        case '/':
            divisionByZero = right == 0;
            result = divisionByZero ? 0 : left / right;
            break;
        default: break;
        }
        if (carriedOut != 0 && !divisionByZero) result = WithinDay(*reg.format, result);
    }

    if (op == '=') {
        reg.pendingOp = 0;
        reg.scalarEntry = false;
    } else {
        reg.pendingOp = op;
        reg.scalarEntry = (op == '*' || op == '/');
    }
    reg.freshEntry = true;
    // The result alone decides its "E": an operand that could not be shown
    // marked the register while it was on the display, not the result.
    reg.error.Clear();
    if (divisionByZero) reg.error.cause = {Outcome::kDivisionByZero, -1, false, {}};
    StoreResult(reg, result);
    reg.operand = reg.value;
    RefreshRegister(reg);
    const Outcome outcome = reg.problem.outcome;
    // Only '=' finishes a step whose conversions are worth a line; a typed
    // value ended with '=' is an entry when it changed anything.
    const bool entered = carriedOut == 0 && op == '=' && typed && (reg.value != before || outcome != Outcome::kDone);
    if (m_stepListener != nullptr) {
        if (carriedOut != 0) ReportOperation(reg, carriedOut, left, right);
        else if (entered) ReportStep(reg, StepKind::kEntry);
    }
    RecomputeAfterStep(reg, op == '=' && (carriedOut != 0 || entered));
    reg.error.Clear();
    return outcome;
}

void CalculatorEngine::Recompute()
{
    TimecodeRegister& in = m_registers[kIn];
    TimecodeRegister& out = m_registers[kOut];
    TimecodeRegister& duration = m_registers[kDuration];
    const TimecodeRegister& current = Current();

    TimecodeRegister* targets[2] = {nullptr, nullptr};
    std::int64_t results[2] = {0, 0};
    bool fromBeyondRange = false; // a source value is not the true result of its chain
    // A source that is no value (its entry cannot be read, or a division by
    // zero made it) makes the registers derived from it no value either.
    const RegisterProblem* sourceFault = nullptr;
    auto faultOf = [](const TimecodeRegister& source) {
        const Outcome outcome = source.problem.outcome;
        return outcome == Outcome::kCannotBeRead || outcome == Outcome::kDivisionByZero ? &source.problem : nullptr;
    };
    if (IsConversionMode()) {
        int n = 0;
        for (TimecodeRegister& reg : m_registers) {
            if (&reg == &current) continue;
            targets[n] = &reg;
            results[n] = ConvertValue(*current.format, current.value, *reg.format);
            ++n;
        }
        fromBeyondRange = current.error.beyondRange;
        sourceFault = faultOf(current);
    } else {
        // The computed register and its two sources, in the relation OUT = IN + DURATION.
        TimecodeRegister* target = in.isCalcTarget ? &in : out.isCalcTarget ? &out : duration.isCalcTarget ? &duration : nullptr;
        if (target != nullptr) {
            const TimecodeRegister& a = target == &in ? out : in;
            const TimecodeRegister& b = target == &duration ? out : duration;
            targets[0] = target;
            results[0] = WithinDay(*target->format, target == &in ? out.value - duration.value
                                                    : target == &out ? duration.value + in.value
                                                                     : out.value - in.value);
            fromBeyondRange = a.error.beyondRange || b.error.beyondRange;
            sourceFault = faultOf(a) != nullptr ? faultOf(a) : faultOf(b);
        }
    }

    for (int i = 0; i < 2 && targets[i] != nullptr; ++i) {
        TimecodeRegister& target = *targets[i];
        target.error.beyondRange = fromBeyondRange;
        if (results[i] < 0) {
            results[i] = 0;
            target.error.cause = {Outcome::kCannotBeShown, -1, true, {}};
        } else {
            target.error.Clear();
            target.freshEntry = true;
        }
        StoreResult(target, results[i]);
        if (sourceFault != nullptr) {
            target.error.cause = *sourceFault;
            target.error.derived = true;
        }
        RefreshRegister(target);
    }
}

void CalculatorEngine::SetWrapAtMidnight(bool wrap)
{
    m_wrapAtMidnight = wrap;
    if (!IsConversionMode()) Recompute();
}

std::int64_t CalculatorEngine::WithinDay(const TimecodeFormat& format, std::int64_t result) const
{
    if (!m_wrapAtMidnight || result > kValueLimit || result < -kValueLimit) return result;
    return IntoDay(format, result);
}

int CalculatorEngine::CalcTarget() const
{
    for (const TimecodeRegister& reg : m_registers)
        if (reg.isCalcTarget) return reg.index;
    return -1;
}

void CalculatorEngine::SetCalcTarget(int index)
{
    for (TimecodeRegister& reg : m_registers) reg.isCalcTarget = reg.index == index;
    Recompute();
}

void CalculatorEngine::SetMode(CalculatorMode mode)
{
    m_mode = mode;
    switch (mode) {
    case CalculatorMode::kEditing:
        ChangeRegisterFormat(m_registers[kOut], *m_registers[kIn].format);
        ChangeRegisterFormat(m_registers[kDuration], *m_registers[kIn].format);
        break;
    case CalculatorMode::kEditingKeepFormats:
        break;
    case CalculatorMode::kConversion:
        ValueToDigits(m_registers[kOut]);
        RefreshRegister(m_registers[kOut]);
        break;
    }
    Recompute();
}

void CalculatorEngine::ChangeRegisterFormat(TimecodeRegister& reg, const TimecodeFormat& format)
{
    const std::int64_t converted = ConvertValue(*reg.format, reg.value, format);
    reg.format = &format;
    StoreResult(reg, converted);
    RefreshRegister(reg);
    Recompute();
}

void CalculatorEngine::SetRegisterFormat(int index, int listIndex)
{
    if (index < 0 || index > 2) return;
    const TimecodeFormat& format = FindFormat(listIndex);
    CommitRegister(m_registers[index]);
    ChangeRegisterFormat(m_registers[index], format);
}

void CalculatorEngine::SetAllFormats(int listIndex)
{
    const TimecodeFormat& format = FindFormat(listIndex);
    CommitEntry();
    for (TimecodeRegister& reg : m_registers) ChangeRegisterFormat(reg, format);
}

} // namespace quillet
