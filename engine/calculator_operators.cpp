// Commit, register selection, the operators, and the relation that ties the
// three registers together in each mode.
#include "calculator_engine.h"

#include "convert_value.h"

namespace quillet {

void CalculatorEngine::CommitEntry(TimecodeRegister& reg)
{
    if (reg.error || ParseEntry(reg)) {
        RefreshRegister(reg);
        return;
    }
    reg.pendingOp = 0;
    reg.scalarEntry = false;
    reg.freshEntry = true;
    reg.operand = reg.value;
    ValueToDigits(reg);
    RefreshRegister(reg);
    Recompute();
}

void CalculatorEngine::SelectRegister(int index)
{
    if (index < 0 || index > 2) return;
    CommitEntry(*current);
    current = &registers[index];
    current->isCalcTarget = 0;
}

void CalculatorEngine::ApplyOperator(char op, bool suppressRepeat)
{
    TimecodeRegister& reg = *current;
    if (reg.error || ParseEntry(reg)) {
        RefreshRegister(reg);
        return;
    }

    std::int64_t result = reg.value;
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
            if (right == 0) {
                reg.error = true;
                result = 0;
            } else {
                result = left / right;
            }
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
    StoreResult(reg, result);
    reg.operand = reg.value;
    RefreshRegister(reg);
    Recompute();
    reg.error = false;
}

void CalculatorEngine::Recompute()
{
    TimecodeRegister& in = registers[kIn];
    TimecodeRegister& out = registers[kOut];
    TimecodeRegister& duration = registers[kDuration];

    TimecodeRegister* targets[2] = {nullptr, nullptr};
    std::int64_t results[2] = {0, 0};
    if (conversionMode) {
        int n = 0;
        for (TimecodeRegister& reg : registers) {
            if (&reg == current) continue;
            targets[n] = &reg;
            results[n] = ConvertValue(*current->format, current->value, *reg.format);
            ++n;
        }
    } else if (in.isCalcTarget) {
        targets[0] = &in;
        results[0] = std::int64_t{out.value} - duration.value;
    } else if (out.isCalcTarget) {
        targets[0] = &out;
        results[0] = std::int64_t{duration.value} + in.value;
    } else if (duration.isCalcTarget) {
        targets[0] = &duration;
        results[0] = std::int64_t{out.value} - in.value;
    }

    for (int i = 0; i < 2 && targets[i] != nullptr; ++i) {
        TimecodeRegister& target = *targets[i];
        if (results[i] < 0) {
            results[i] = 0;
            target.error = true;
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

void CalculatorEngine::ChangeRegisterFormat(TimecodeRegister& reg, TimecodeFormat& format)
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
    TimecodeFormat& format = FindFormat(listIndex);
    CommitEntry(registers[index]);
    ChangeRegisterFormat(registers[index], format);
}

void CalculatorEngine::SetAllFormats(int listIndex)
{
    TimecodeFormat& format = FindFormat(listIndex);
    CommitEntry(*current);
    for (TimecodeRegister& reg : registers) ChangeRegisterFormat(reg, format);
}

} // namespace quillet
