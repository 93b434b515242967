#pragma once
// The calculator core. Keys shift digits into the current register
// (register_entry.cpp); an operator or a commit reads the digits into a value
// through value_codec.h and writes the result back (calculator_operators.cpp);
// Recompute then derives the other registers, converting units with
// convert_value.h in Conversion mode or applying OUT = IN + DURATION in
// Editing mode. Every changed register's text goes to its DisplaySink.

#include "format_table.h"
#include "timecode_register.h"

#include <cstdint>

namespace quillet {

enum RegisterIndex { kIn = 0, kOut = 1, kDuration = 2 };

class CalculatorEngine {
public:
    CalculatorEngine();
    virtual ~CalculatorEngine() = default;
    CalculatorEngine(const CalculatorEngine&) = delete;
    CalculatorEngine& operator=(const CalculatorEngine&) = delete;

    bool allowOverflow = true;  // "Allow fields to overflow into next higher field"
    bool bumpUpDropped = true;  // "Automatically 'bump-up droped frames"
    TimecodeRegister registers[3];
    TimecodeRegister* current = &registers[kIn];
    bool conversionMode = true; // false: Editing mode

    // --- Entry and text form -------------------------------------------------
    // Binds register `index` (0..2, others ignored) to a display; nothing is shown yet.
    void AttachDisplay(int index, DisplaySink* display);
    // One key into the current register: '0'..'9' shift in from the right, 8 removes the last digit.
    void KeyIn(char key);
    // Zero digits and value; clears freshEntry, scalarEntry, error, pendingOp, and with
    // clearMemory also lastOp, operand, lastOperand. Does not refresh.
    void ResetRegister(TimecodeRegister& reg, bool clearMemory);
    // "CA": full reset and refresh of IN, OUT, DURATION; no recompute.
    void ClearAllRegisters();
    // Builds the register's text (Scalar layout while its '*'/'/' operand is typed),
    // appends the pending operator or a blank, and shows it.
    void RefreshRegister(TimecodeRegister& reg);
    // Hands `text` to the register's display, "E" over its first character while in error.
    void ShowText(TimecodeRegister& reg, const std::string& text);

    // --- Reading and writing values ------------------------------------------
    // Reads the digits into value (Scalar while scalarEntry). Returns true when they
    // cannot be read: error is then set and value kept. On success the digits are
    // normalised and the register refreshed.
    bool ParseEntry(TimecodeRegister& reg);
    // ParseDigits with this engine's two options.
    std::optional<std::int32_t> ParseDigits(const TimecodeFormat& format, const EntryDigits& digits) const;
    // Digits from value in the register's own format; sets (never clears) error when
    // the value cannot be shown.
    void ValueToDigits(TimecodeRegister& reg);

    // --- Operators and the relation between registers -------------------------
    void CommitEntry(TimecodeRegister& reg);
    void SelectRegister(int index);
    // op is '+', '-', '*', '/' or '='. With suppressRepeat, '=' never repeats the last operation.
    void ApplyOperator(char op, bool suppressRepeat);
    void Recompute();
    void SetCalcTarget(int index);
    // 0 Editing, 2 Conversion, 1 Editing without conversion; others ignored.
    void SetMode(int type);
    void ChangeRegisterFormat(TimecodeRegister& reg, TimecodeFormat& format);
    void SetRegisterFormat(int index, int listIndex);
    void SetAllFormats(int listIndex);

private:
    // Stores a result: value keeps it (within +-kValueLimit), the digits show it, and
    // error is set when it cannot be shown.
    void StoreResult(TimecodeRegister& reg, std::int64_t result);
    EntryOptions Options() const { return {allowOverflow, bumpUpDropped}; }
};

} // namespace quillet
