// Commit, register selection, the operators, and the relation that ties the
// three registers together in each mode.
#include "calculator_engine.h"

#include "convert_value.h"

namespace quillet {

Outcome CalculatorEngine::CommitEntry(TimecodeRegister& reg)
{
    if (reg.error) {
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
        reg.error = false;
        return reg.problem.outcome;
    }
    if (ParseEntry(reg)) {
        RefreshRegister(reg);
        return Outcome::kCannotBeRead;
    }
    reg.pendingOp = 0;
    reg.scalarEntry = false;
    reg.freshEntry = true;
    reg.operand = reg.value;
    ValueToDigits(reg);
    RefreshRegister(reg);
    const Outcome outcome = reg.problem.outcome;
    Recompute();
    return outcome;
}

void CalculatorEngine::SelectRegister(int index)
{
    if (index < 0 || index > 2) return;
    CommitEntry(*current);
    current = &registers[index];
    current->isCalcTarget = 0;
}

Outcome CalculatorEngine::ApplyOperator(char op, bool suppressRepeat)
{
    TimecodeRegister& reg = *current;
    if (reg.error || ParseEntry(reg)) {
        RefreshRegister(reg);
        return reg.problem.outcome;
    }

    std::int64_t result = reg.value;
    bool divisionByZero = false;
    if (reg.pendingOp != 0 || op == '=') {
        if (reg.pendingOp == 0 && op == '=' && reg.lastOp != 0 && !suppressRepeat) {
            reg.pendingOp = reg.lastOp;
            reg.value = reg.lastOperand;
            result = reg.value;
        }
        reg.lastOp = reg.pendingOp;
        reg.lastOperand = reg.value;
        const std::int64_t left = reg.operand;
        const std::int64_t right = reg.value;
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
    reg.error = false;
    if (divisionByZero) SetError(reg, {Outcome::kDivisionByZero, -1, false});
    StoreResult(reg, result);
    reg.operand = reg.value;
    RefreshRegister(reg);
    const Outcome outcome = reg.problem.outcome;
    Recompute();
    reg.error = false;
    return outcome;
}

void CalculatorEngine::Recompute()
{
    TimecodeRegister& in = registers[kIn];
    TimecodeRegister& out = registers[kOut];
    TimecodeRegister& duration = registers[kDuration];

    TimecodeRegister* targets[2] = {nullptr, nullptr};
    std::int64_t results[2] = {0, 0};
    bool fromBeyondRange = false; // a source value is not the true result of its chain
    if (conversionMode) {
        int n = 0;
        for (TimecodeRegister& reg : registers) {
            if (&reg == current) continue;
            targets[n] = &reg;
            results[n] = ConvertValue(*current->format, current->value, *reg.format);
            ++n;
        }
        fromBeyondRange = current->beyondRange;
    } else if (in.isCalcTarget) {
        targets[0] = &in;
        results[0] = out.value - duration.value;
        fromBeyondRange = out.beyondRange || duration.beyondRange;
    } else if (out.isCalcTarget) {
        targets[0] = &out;
        results[0] = duration.value + in.value;
        fromBeyondRange = duration.beyondRange || in.beyondRange;
    } else if (duration.isCalcTarget) {
        targets[0] = &duration;
        results[0] = out.value - in.value;
        fromBeyondRange = out.beyondRange || in.beyondRange;
    }

    for (int i = 0; i < 2 && targets[i] != nullptr; ++i) {
        TimecodeRegister& target = *targets[i];
        target.beyondRange = fromBeyondRange;
        if (results[i] < 0) {
            results[i] = 0;
            SetError(target, {Outcome::kCannotBeShown, -1, true});
        } else {
            target.error = false;
            target.freshEntry = true;
        }
        StoreResult(target, results[i]);
        RefreshRegister(target);
    }
}

void CalculatorEngine::SetCalcTarget(int index)
{
    registers[kIn].isCalcTarget = index == kIn;
    registers[kOut].isCalcTarget = index == kOut;
    registers[kDuration].isCalcTarget = index == kDuration;
    Recompute();
}

void CalculatorEngine::SetMode(int type)
{
    switch (type) {
    case 0:
        conversionMode = false;
        ChangeRegisterFormat(registers[kOut], *registers[kIn].format);
        ChangeRegisterFormat(registers[kDuration], *registers[kIn].format);
        break;
    case 1:
        conversionMode = false;
        break;
    case 2:
        conversionMode = true;
        ValueToDigits(registers[kOut]);
        RefreshRegister(registers[kOut]);
        break;
    default:
        break;
    }
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
    CommitEntry(registers[index]);
    ChangeRegisterFormat(registers[index], format);
}

void CalculatorEngine::SetAllFormats(int listIndex)
{
    const TimecodeFormat& format = FindFormat(listIndex);
    CommitEntry(*current);
    for (TimecodeRegister& reg : registers) ChangeRegisterFormat(reg, format);
}

} // namespace quillet
