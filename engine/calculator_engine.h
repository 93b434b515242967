#pragma once
// The calculator core. Keys shift digits into the current register
// (register_entry.cpp); an operator or a commit reads the digits into a value
// through value_codec.h and writes the result back (calculator_operators.cpp);
// Recompute then derives the other registers, converting units with
// convert_value.h in Conversion mode or applying OUT = IN + DURATION in
// Editing mode. Every changed register's text goes to its DisplaySink, and
// each register's `problem` says why its display shows "E", if it does. A
// StepListener, when attached, hears of each finished step (step_report.cpp);
// lists of values are added up in list_total.cpp.

#include "format_table.h"
#include "step_listener.h"
#include "timecode_register.h"

#include <cstdint>
#include <string_view>

namespace quillet {

enum RegisterIndex { kIn = 0, kOut = 1, kDuration = 2 };

struct ListTerm;

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
    // Tells `listener` (nullptr: nobody) of every finished step from now on.
    void AttachStepListener(StepListener* listener) { m_stepListener = listener; }
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

    // --- Lists and earlier results (list_total.cpp) ----------------------------
    // Adds up the lines of `text` in the current register: each line's first value
    // read in its format as if typed after '+' (blank lines skipped, unreadable ones
    // left out), then '=' as if pressed. A pending '+' or '-' takes the total as its
    // right operand; any other pending operator is abandoned and the total stands
    // alone. A register blocked by an unreadable entry refuses (kCannotBeRead,
    // nothing changes). Returns what became of the result.
    Outcome AddUpLines(std::string_view text);
    // AddUpLines in pieces, for a list too long to hold: BeginList (false when
    // refused), AddListLines for each run of whole lines (a last line may lack its
    // '\n'; lines are numbered on from the previous run), EndList. Nothing else may
    // touch the engine in between.
    bool BeginList();
    void AddListLines(std::string_view text);
    Outcome EndList();
    // The number AddListLines gives the next line of the list (from 1).
    long long NextListLine() const { return m_list.nextLine; }
    // Puts `value` (in `format`'s unit) into the current register as a new entry,
    // converted into the register's format, as a paste would. False, changing
    // nothing, when it cannot be shown in that format.
    bool PasteValue(std::int64_t value, const TimecodeFormat& format);

private:
    // Stores a result: value keeps it (within +-kValueLimit), the digits show it, and
    // error is set when it cannot be shown. A result beyond the limit marks the
    // register beyondRange, which only a new chain clears.
    void StoreResult(TimecodeRegister& reg, std::int64_t result);
    void SetError(TimecodeRegister& reg, RegisterProblem cause);
    EntryOptions Options() const { return {allowOverflow, bumpUpDropped}; }

    // Telling the listener (step_report.cpp); callers test m_stepListener first.
    void ReportStep(const TimecodeRegister& reg, StepKind kind);
    void ReportOperation(const TimecodeRegister& reg, char op, std::int64_t left, std::int64_t right);
    void ReportListTerm(const TimecodeRegister& reg, const ListTerm& term, std::string_view line,
                        long long lineNumber);
    void ReportListTotal(const TimecodeRegister& reg);
    // Recompute; when a step finished and someone listens, reports each register
    // other than `stepped` whose display changed.
    void RecomputeAfterStep(const TimecodeRegister& stepped, bool finished);

    StepListener* m_stepListener = nullptr;
    struct ListInProgress {
        bool active = false;
        bool continuesChain = false; // finishes a pending '+' or '-'
        char op = '+';
        std::int64_t left = 0;       // the pending operation's left operand
        std::int64_t total = 0;      // of the lines added, saturating just above kValueLimit
        long long added = 0;
        long long leftOut = 0;
        long long nextLine = 1;
    } m_list;
};

} // namespace quillet
