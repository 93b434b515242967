// Construction, digit entry, resets and the text form of the registers.
#include "calculator_engine.h"

#include <algorithm>

namespace quillet {

CalculatorEngine::CalculatorEngine()
{
    for (int i = 0; i < 3; ++i) {
        registers[i] = TimecodeRegister{};
        registers[i].index = i;
    }
    for (TimecodeRegister& reg : registers) {
        reg.format = &FindFormat(0);
        reg.entryDigits = kZeroDigits;
    }
}

void CalculatorEngine::AttachDisplay(int index, DisplaySink* display)
{
    if (index < 0 || index > 2) return;
    registers[index].display = display;
}

void CalculatorEngine::KeyIn(char key)
{
    // Only digits and backspace are keys; anything else would put a
    // non-digit into the entry, so it is ignored.
    if (key != 8 && (key < '0' || key > '9')) return;
    TimecodeRegister& reg = *current;
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
            if (reg.pendingOp == 0) reg.beyondRange = false;
        } else {
            std::copy(digits + 1, digits + 8, digits);
        }
        reg.freshEntry = false;
        digits[7] = key;
    }
    RefreshRegister(reg);
}

void CalculatorEngine::PasteDigits(std::string_view text)
{
    bool started = false;
    for (char c : text) {
        if (c < '0' || c > '9') continue;
        // The first digit starts a new entry; the rest shift in as typed, so
        // only the last eight stay.
        if (!started) current->freshEntry = true;
        started = true;
        KeyIn(c);
    }
}

void CalculatorEngine::ResetRegister(TimecodeRegister& reg, bool clearMemory)
{
    reg.entryDigits = kZeroDigits;
    reg.freshEntry = false;
    reg.scalarEntry = false;
    reg.error = false;
    reg.beyondRange = false;
    reg.pendingOp = 0;
    reg.value = 0;
    if (clearMemory) {
        reg.lastOp = 0;
        reg.operand = 0;
        reg.lastOperand = 0;
    }
}

void CalculatorEngine::ClearEntry()
{
    ResetRegister(*current, true);
    RefreshRegister(*current);
    Recompute();
}

void CalculatorEngine::ClearAllRegisters()
{
    for (TimecodeRegister& reg : registers) {
        ResetRegister(reg, true);
        RefreshRegister(reg);
    }
}

void CalculatorEngine::RefreshRegister(TimecodeRegister& reg)
{
    const bool typingScalar = reg.scalarEntry && !reg.freshEntry;
    const TimecodeFormat& format = typingScalar ? ScalarFormat() : *reg.format;
    reg.text.clear();
    AppendDigitsText(format, reg.entryDigits, reg.text);
    reg.text.push_back(reg.pendingOp != 0 ? reg.pendingOp : ' ');
    ShowText(reg, reg.text);
}

void CalculatorEngine::ShowText(TimecodeRegister& reg, const std::string& text)
{
    const bool inError = reg.error || reg.beyondRange;
    if (!inError) reg.problem = {};
    else if (reg.error && reg.errorCause.outcome != Outcome::kDone) reg.problem = reg.errorCause;
    else reg.problem = {Outcome::kCannotBeShown, -1, reg.value < 0};
    if (reg.display == nullptr) return;
    std::string& shown = reg.display->m_text;
    shown = text;
    if (inError && !shown.empty()) shown[0] = 'E';
    reg.display->Invalidate();
}

void CalculatorEngine::SetError(TimecodeRegister& reg, RegisterProblem cause)
{
    reg.error = true;
    reg.errorCause = cause;
}

std::optional<std::int32_t> CalculatorEngine::ParseDigits(const TimecodeFormat& format,
                                                          const EntryDigits& digits) const
{
    return quillet::ParseDigits(format, digits, Options());
}

bool CalculatorEngine::ParseEntry(TimecodeRegister& reg)
{
    const TimecodeFormat& format = reg.scalarEntry ? ScalarFormat() : *reg.format;
    const std::optional<std::int32_t> read = ParseDigits(format, reg.entryDigits);
    if (!read) {
        SetError(reg, {Outcome::kCannotBeRead, UnreadableField(format, reg.entryDigits, Options()), false});
        return true;
    }
    reg.error = false;
    reg.value = *read;
    ValueToDigits(reg);
    RefreshRegister(reg);
    return false;
}

void CalculatorEngine::ValueToDigits(TimecodeRegister& reg)
{
    StoreResult(reg, reg.value);
}

void CalculatorEngine::StoreResult(TimecodeRegister& reg, std::int64_t result)
{
    if (result > kValueLimit || result < -kValueLimit) reg.beyondRange = true;
    reg.value = std::clamp(result, -kValueLimit, kValueLimit);
    if (FormatValue(*reg.format, reg.value, reg.entryDigits))
        SetError(reg, {Outcome::kCannotBeShown, -1, reg.value < 0});
}

} // namespace quillet
