#pragma once
// The calculator core. Keys shift digits into the current register
// (register_entry.cpp); an operator or a commit reads the digits into a value
// through value_codec.h and writes the result back (calculator_operators.cpp);
// Recompute then derives the other registers, converting units with
// convert_value.h in Conversion mode or applying OUT = IN + DURATION in
// Editing mode. Every changed register's text goes to its DisplaySink, and
// each register's `problem` says why its display shows "E", if it does.

#include "format_table.h"
#include "timecode_register.h"

#include <cstdint>
#include <string_view>

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
    // One key into the current register: '0'..'9' shift in from the right, 8 removes
    // the last digit; any other key is ignored.
    void KeyIn(char key);
    // Takes the digits of `text` (its last eight, separators and anything else
    // skipped) as a new entry of the current register, as if typed right after a
    // commit. A pending operator stays pending. Text without digits changes nothing.
    void PasteDigits(std::string_view text);
    // Zero digits and value; clears freshEntry, scalarEntry, error, pendingOp, and with
    // clearMemory also lastOp, operand, lastOperand. Does not refresh.
    void ResetRegister(TimecodeRegister& reg, bool clearMemory);
    // "C": resets the current register with its memory, shows it and recomputes.
    void ClearEntry();
    // "CA": full reset and refresh of IN, OUT, DURATION; no recompute.
    void ClearAllRegisters();
    // Builds the register's text (Scalar layout while its '*'/'/' operand is typed),
    // appends the pending operator or a blank, and shows it.
    void RefreshRegister(TimecodeRegister& reg);
    // Hands `text` to the register's display, "E" over its first character while in
    // error, and records in `problem` why.
    void ShowText(TimecodeRegister& reg, const std::string& text);

    // --- Reading and writing values ------------------------------------------
    // Reads the digits into value (Scalar while scalarEntry). Returns true on
    // FAILURE: error is then set and value kept. On success the digits are
    // normalised and the register refreshed.
    bool ParseEntry(TimecodeRegister& reg);
    // ParseDigits with this engine's two options.
    std::optional<std::int32_t> ParseDigits(const TimecodeFormat& format, const EntryDigits& digits) const;
    // Digits from value in the register's own format; sets (never clears) error when
    // the value cannot be shown.
    void ValueToDigits(TimecodeRegister& reg);

    // --- Operators and the relation between registers -------------------------
    // Takes a typed entry as the register's value, abandons a pending operator and
    // recomputes. An entry untouched since its value was set is not read again and
    // nothing is recomputed. Returns kCannotBeRead (the register is blocked until
    // "C"), kCannotBeShown (committed, shown with "E"), or kDone.
    Outcome CommitEntry(TimecodeRegister& reg);
    // Commits the current register, then makes register `index` (0..2) current and
    // no longer computed. Other indexes are ignored.
    void SelectRegister(int index);
    // op is '+', '-', '*', '/' or '='. With suppressRepeat, '=' never repeats the last
    // operation. Returns what became of the current register's result.
    Outcome ApplyOperator(char op, bool suppressRepeat);
    // Re-derives the registers that depend on the others: in Conversion mode the two
    // beside the current one, in Editing mode the calculation target.
    void Recompute();
    // Makes register `index` the one Editing mode computes (any other index: none).
    void SetCalcTarget(int index);
    // 0 Editing, 2 Conversion, 1 Editing without conversion; others ignored.
    void SetMode(int type);
    // Converts the register's value into `format`, shows it and recomputes; the
    // entry is not read (callers commit first).
    void ChangeRegisterFormat(TimecodeRegister& reg, const TimecodeFormat& format);
    // A selector change: commits register `index` (0..2), then gives it the format
    // at `listIndex` ("Drop Frame" for an unknown index).
    void SetRegisterFormat(int index, int listIndex);
    // Commits the current register, then gives all three the format at `listIndex`.
    void SetAllFormats(int listIndex);

private:
    // Stores a result: value keeps it (within +-kValueLimit), the digits show it, and
    // error is set when it cannot be shown. A result beyond the limit marks the
    // register beyondRange, which only a new chain clears.
    void StoreResult(TimecodeRegister& reg, std::int64_t result);
    void SetError(TimecodeRegister& reg, RegisterProblem cause);
    EntryOptions Options() const { return {allowOverflow, bumpUpDropped}; }
};

} // namespace quillet
