// Construction, digit entry, resets and the text form of the registers.
#include "calculator_engine.h"

#include <algorithm>

namespace quillet {

CalculatorEngine::CalculatorEngine()
{
    for (int i = 0; i < 3; ++i) {
        m_registers[i].index = i;
        m_registers[i].format = &FindFormat(0);
    }
}

void CalculatorEngine::AttachDisplay(int index, DisplaySink* display)
{
    if (index < 0 || index > 2) return;
    m_registers[index].display = display;
}

void CalculatorEngine::KeyIn(char key)
{
    // Only digits and backspace are keys; anything else would put a
    // non-digit into the entry, so it is ignored.
    if (key != 8 && (key < '0' || key > '9')) return;
    TimecodeRegister& reg = Current();
    char* digits = reg.entryDigits.data();
    if (key == 8) {
        if (!reg.freshEntry) {
            std::copy_backward(digits, digits + 7, digits + 8);
            digits[0] = '0';
        }
    } else {
        if (reg.freshEntry) {
            std::fill(digits, digits + 7, '0');
            reg.lastOp = 0;
            // A new entry with no operator waiting starts a new chain: nothing
            // of a value beyond the exact range is carried on.
            if (reg.pendingOp == 0) reg.error.beyondRange = false;
        } else {
            std::copy(digits + 1, digits + 8, digits);
        }
        reg.freshEntry = false;
        digits[7] = key;
    }
    RefreshRegister(reg);
}

void CalculatorEngine::ResetRegister(TimecodeRegister& reg)
{
    reg.entryDigits = kZeroDigits;
    reg.freshEntry = false;
    reg.scalarEntry = false;
    reg.error = {};
    reg.pendingOp = 0;
    reg.value = 0;
    reg.lastOp = 0;
    reg.operand = 0;
    reg.lastOperand = 0;
}

void CalculatorEngine::ClearEntry()
{
    ResetRegister(Current());
    RefreshRegister(Current());
    Recompute();
}

void CalculatorEngine::ClearAllRegisters()
{
    for (TimecodeRegister& reg : m_registers) {
        ResetRegister(reg);
        RefreshRegister(reg);
    }
}

// Only RefreshRegister calls it, on every key: inline keeps that call free.
inline void CalculatorEngine::ShowText(TimecodeRegister& reg)
{
    if (reg.problem.outcome != Outcome::kDone) reg.text[0] = 'E';
    if (reg.display == nullptr) return;
    reg.display->m_text = reg.text;
    reg.display->Invalidate();
}

void CalculatorEngine::RefreshRegister(TimecodeRegister& reg)
{
    const bool typingScalar = reg.scalarEntry && !reg.freshEntry;
    const TimecodeFormat& format = typingScalar ? ScalarFormat() : *reg.format;
    reg.text.clear();
    AppendDigitsText(format, reg.entryDigits, reg.text);
    reg.text.push_back(reg.pendingOp != 0 ? reg.pendingOp : ' ');

    if (reg.error.IsSet()) reg.problem = reg.error.cause;
    else if (reg.error.beyondRange) reg.problem = {Outcome::kCannotBeShown, -1, reg.value < 0, {}};
    else reg.problem = {};
    ShowText(reg);
}

bool CalculatorEngine::ParseEntry(TimecodeRegister& reg)
{
    const TimecodeFormat& format = reg.scalarEntry ? ScalarFormat() : *reg.format;
    const std::optional<std::int32_t> read = ParseDigits(format, reg.entryDigits, m_options);
    if (!read) {
        reg.error.cause = {Outcome::kCannotBeRead, UnreadableField(format, reg.entryDigits, m_options), false, {}};
        return true;
    }
    reg.error.Clear();
    reg.value = *read;
    ValueToDigits(reg);
    RefreshRegister(reg);
    return false;
}

void CalculatorEngine::ValueToDigits(TimecodeRegister& reg)
{
    if (FormatValue(*reg.format, reg.value, reg.entryDigits))
        reg.error.cause = {Outcome::kCannotBeShown, -1, reg.value < 0, {}};
}

void CalculatorEngine::StoreResult(TimecodeRegister& reg, std::int64_t result)
{
    if (result > kValueLimit || result < -kValueLimit) reg.error.beyondRange = true;
    reg.value = std::clamp(result, -kValueLimit, kValueLimit);
    ValueToDigits(reg);
}

} // namespace quillet
