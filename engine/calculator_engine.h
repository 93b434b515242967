#pragma once
// The calculator core. Keys shift digits into the current register
// (register_entry.cpp); an operator or a commit reads the digits into a value
// through value_codec.h and writes the result back (calculator_operators.cpp);
// the other registers are then derived, converting units with
// convert_value.h in Conversion mode or applying OUT = IN + DURATION in
// Editing mode. Every changed register's text goes to its DisplaySink, and
// Problem() says why a display shows "E", if it does. A StepListener, when
// attached, hears of each finished step (step_report.cpp); lists of values
// are added up in list_total.cpp; engine_invariants.cpp checks the rules the
// state always keeps.
//
// The state is private: callers use the operations and read-only queries
// below. Register indexes are 0 IN, 1 OUT, 2 DURATION; a query given any
// other index answers for IN, an operation ignores it.

#include "display_sink.h"
#include "format_table.h"
#include "list_line.h"
#include "step_listener.h"
#include "timecode_register.h"
#include "value_codec.h"
#include "written_value.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillet {

enum RegisterIndex { kIn = 0, kOut = 1, kDuration = 2 };
inline constexpr const char* kRegisterNames[3] = {"IN", "OUT", "DURATION"};

enum class CalculatorMode : std::uint8_t {
    kEditing,            // OUT and DURATION take IN's format; one register is computed from the other two
    kEditingKeepFormats, // Editing, every register keeping its format
    kConversion,         // the current register is shown in the other two registers' formats
};

class CalculatorEngine {
public:
    CalculatorEngine();
    virtual ~CalculatorEngine() = default;
    CalculatorEngine(const CalculatorEngine&) = delete;
    CalculatorEngine& operator=(const CalculatorEngine&) = delete;

    // --- Queries ---------------------------------------------------------------
    // The register's value in its format's unit (frames, hundredths, feet frames);
    // negative after a '-' that went below zero, within +-kValueLimit.
    std::int64_t Value(int index) const { return At(index).value; }
    const TimecodeFormat& Format(int index) const { return *At(index).format; }
    // The text as a display shows it: "E" over the first character while in
    // error, then the pending operator or a blank. Valid until the next operation.
    std::string_view ShownText(int index) const { return At(index).text; }
    // What ShownText shows, as a value with the digits and layout shown.
    StepValue ShownValue(int index) const { return ShownStepValue(At(index)); }
    // Why ShownText has "E"; outcome kDone when it has none.
    const RegisterProblem& Problem(int index) const { return At(index).problem; }
    char PendingOperator(int index) const { return At(index).pendingOp; }
    // Digits have been typed since the register last took a value.
    bool IsTyping(int index) const { return !At(index).freshEntry; }
    // The register Editing mode computes from the other two, or -1.
    int CalcTarget() const;
    int CurrentRegister() const { return m_current; }
    CalculatorMode Mode() const { return m_mode; }
    bool IsConversionMode() const { return m_mode == CalculatorMode::kConversion; }
    EntryOptions Options() const { return m_options; }
    // The first rule of the engine's state that does not hold, or nullptr: every
    // register in a listed format with eight digits, a result that reads back as
    // itself, a shown text in its format's layout ending in its pending operator.
    // For tests and fuzzing.
    const char* BrokenRule() const;

    // --- The whole state, to go back to (undo) -------------------------------
    // Everything a step can change: the three registers (values, entries,
    // texts, errors, pending operators), which one is current, the mode and the
    // computed register. Not the displays, the listener or the entry options.
    class State;
    State SaveState() const;
    // Puts the engine back as it was when `state` was saved and shows every
    // register again. Tells no listener: going back is no step.
    void RestoreState(const State& state);

    // --- Set-up --------------------------------------------------------------
    // Binds register `index` to a display; nothing is shown yet.
    void AttachDisplay(int index, DisplaySink* display);
    // Tells `listener` (nullptr: nobody) of every finished step from now on.
    void AttachStepListener(StepListener* listener) { m_stepListener = listener; }
    // "Allow fields to overflow" and "bump-up dropped frames", for entries read from now on.
    void SetOptions(EntryOptions options) { m_options = options; }
    // Durations across midnight: time codes are times of day, so a time-code
    // result of an operator, a list or the Editing relation at or past 24
    // hours, or below zero, wraps into the day (DURATION = OUT + 24 h - IN
    // when OUT is earlier). Conversions and other formats never wrap. Off at
    // first. In Editing mode the computed register follows at once.
    void SetWrapAtMidnight(bool wrap);
    bool WrapsAtMidnight() const { return m_wrapAtMidnight; }

    // --- Entry -----------------------------------------------------------------
    // One key into the current register: '0'..'9' shift in from the right, 8 removes
    // the last digit; any other key is ignored.
    void KeyIn(char key);
    // Reads the first line of `text` that is not blank as one value written in
    // the current register's format (written_value.h, the rule every written
    // value follows) and takes it as a new entry, as if typed right after a
    // commit: a pending operator stays pending. A line without digits changes
    // nothing. A line that is no value leaves the register showing its digits
    // with "E" and why (kCannotBeRead), blocked until "C", as an unreadable
    // typed entry does.
    Outcome PasteWrittenValue(std::string_view text);
    // Clears the current register with its memory, as "C" does, then reads
    // `text` as PasteWrittenValue does and commits it: in Conversion mode the
    // other registers then hold the value in their formats. Returns what
    // CommitEntry returns, or kCannotBeRead for text that cannot be read.
    Outcome EnterWrittenValue(std::string_view text);
    // "C": resets the current register with its memory, shows it and recomputes.
    void ClearEntry();
    // "CA": full reset and refresh of IN, OUT, DURATION; no recompute.
    void ClearAllRegisters();

    // --- Operators and the relation between registers -------------------------
    // Takes the current register's typed entry as its value, abandons a pending
    // operator and recomputes. An entry untouched since its value was set is not
    // read again and nothing is recomputed. Returns kCannotBeRead (the register is
    // blocked until "C"), kCannotBeShown (committed, shown with "E"), or kDone.
    Outcome CommitEntry();
    // Commits the current register, then makes register `index` current and no
    // longer computed. When the commit took away the "E" of a result (a
    // division by zero shows "E" over 0 until then), the other registers are
    // recomputed, so none keeps the "E" derived from it.
    void SelectRegister(int index);
    // op is '+', '-', '*', '/' or '='. With suppressRepeat, '=' never repeats the last
    // operation. Returns what became of the current register's result.
    Outcome ApplyOperator(char op, bool suppressRepeat);
    // Makes register `index` the one Editing mode computes (any other index: none).
    void SetCalcTarget(int index);
    // Switches mode and derives the registers that depend on the others. Entering
    // kEditing gives OUT and DURATION IN's format; entering kConversion shows OUT
    // as its value again (an Editing result below zero showed "E").
    void SetMode(CalculatorMode mode);
    // A selector change: commits register `index`, then gives it the format at
    // `listIndex` ("Drop Frame" for an unknown index), converting its value.
    void SetRegisterFormat(int index, int listIndex);
    // Commits the current register, then gives all three the format at `listIndex`.
    void SetAllFormats(int listIndex);

    // --- Lists and earlier results (list_total.cpp) ----------------------------
    // Adds up the lines of `text` in the current register, each read by the
    // rules of list_line.h in the register's format, then '=' as if pressed. A
    // pending '+' or '-' takes the total as its right operand; any other pending
    // operator is abandoned and the total stands alone. A list with a line in
    // error gives no total: the register shows "E", the reason naming the first
    // bad line, until "C". A register blocked by an unreadable entry refuses
    // (kCannotBeRead, nothing changes). Returns what became of the result.
    Outcome AddUpLines(std::string_view text);
    // AddUpLines in pieces, for a list too long to hold: BeginList (false when
    // refused), AddListLines for each run of whole lines (a last line may lack its
    // end; lines are numbered on from the previous run), EndList. Nothing else may
    // touch the engine in between. With skipBadLines, lines in error are left
    // out and the rest totalled.
    bool BeginList(bool skipBadLines);
    void AddListLines(std::string_view text);
    Outcome EndList();
    // Puts `value` (in `format`'s unit) into the current register as a new entry,
    // converted into the register's format, as a paste would. False, changing
    // nothing, when it cannot be shown in that format.
    bool PasteValue(std::int64_t value, const TimecodeFormat& format);

private:
    // Why a register is in error. A blocking cause makes the register show "E"
    // until a new value replaces it; `beyondRange` marks a value from a chain
    // that left the range held exactly, which only a new chain clears.
    struct ErrorState {
        RegisterProblem cause;    // outcome kDone: no error set
        bool beyondRange = false;
        bool derived = false;     // the cause is another register's, shown here too
        bool IsSet() const { return cause.outcome != Outcome::kDone; }
        void Clear()
        {
            cause = {};
            derived = false;
        }
        bool operator==(const ErrorState&) const = default;
    };

    struct TimecodeRegister {
        std::int32_t index = 0; // 0 IN, 1 OUT, 2 DURATION
        // Values are counts in the unit of `format`. They are held in 64 bits so
        // that a product too large for the display still carries exactly into the
        // next operation of a chain; the engine keeps their magnitude at most kValueLimit.
        std::int64_t value = 0;
        std::int64_t operand = 0;     // left operand of the next operation
        std::int64_t lastOperand = 0; // right operand of the last operation, reused by a repeated '='
        EntryDigits entryDigits = kZeroDigits; // highest-order digit first
        std::string text;             // the text last shown, with the "E" of an error
        char pendingOp = 0;           // '+', '-', '*', '/' waiting for its right operand, or 0
        char lastOp = 0;              // operator last carried out, or 0
        bool freshEntry = false;      // digits show a committed value or result; the next digit starts anew
        bool scalarEntry = false;     // the entry is the plain-number operand of '*' or '/'
        bool isCalcTarget = false;    // Editing mode computes this register from the other two
        ErrorState error;
        RegisterProblem problem;      // why `text` has "E"; kDone when it has none
        const TimecodeFormat* format = nullptr; // always a listed row, never Scalar
        DisplaySink* display = nullptr;

        // Every field, so that a new one can never be left out of what undo
        // compares; a saved state holds no display.
        bool operator==(const TimecodeRegister&) const = default;
    };

public:
    class State {
    public:
        // The same state, bit for bit (a saved state holds no displays).
        bool operator==(const State&) const = default;

    private:
        friend class CalculatorEngine;
        std::array<TimecodeRegister, 3> m_registers;
        int m_current = kIn;
        CalculatorMode m_mode = CalculatorMode::kConversion;
    };

private:
    const TimecodeRegister& At(int index) const { return m_registers[index >= 0 && index <= 2 ? index : kIn]; }
    TimecodeRegister& Current() { return m_registers[m_current]; }

    // Zero digits, value and memory (operands, last operation); clears the
    // entry's state and the error. Does not refresh.
    static void ResetRegister(TimecodeRegister& reg);
    // Builds the register's text (Scalar layout while its '*'/'/' operand is typed),
    // the pending operator or a blank after it, `problem` saying why it is in
    // error, and shows it (ShowText).
    void RefreshRegister(TimecodeRegister& reg);
    // "E" over the first character of the text while in error; the text goes to
    // the display, if there is one, which is asked to repaint.
    static void ShowText(TimecodeRegister& reg);
    // Reads the digits into value (Scalar while scalarEntry). True when they
    // cannot be read: the error is set, value kept, nothing refreshed. On
    // success the digits are rewritten from the value (normalised) and the
    // register refreshed.
    bool ParseEntry(TimecodeRegister& reg);
    // The digits written from value in the register's own format; sets the
    // error when the value cannot be shown, never clears it.
    static void ValueToDigits(TimecodeRegister& reg);
    Outcome CommitRegister(TimecodeRegister& reg);
    // A new entry of `digits`, as if typed right after a commit.
    void EnterTyped(TimecodeRegister& reg, const EntryDigits& digits);
    // False when `written` (read from `text`) is a value. Otherwise the register
    // is blocked: the text's digits shown with "E" and why, the others derived.
    bool RefusedWritten(TimecodeRegister& reg, std::string_view text, const WrittenValue& written);
    // A list's line, once it is known not to be a header's preamble (list_total.cpp).
    void TakeListTerm(const ListTerm& term, std::string_view line, long long lineNumber);
    // The lines held while they may be a preamble: skipped when a header
    // follows them, else taken as they were read.
    void SettleHeldLines(bool preamble);
    void NoteStatedTotal(const ListTerm& term, long long lineNumber);
    // Stores a result: value keeps it (within +-kValueLimit), ValueToDigits shows
    // it. A result beyond the limit marks the register beyondRange, which only a
    // new chain clears.
    static void StoreResult(TimecodeRegister& reg, std::int64_t result);
    // The result in `format` wrapped into the day when the option asks for it
    // (time_of_day.h); a result beyond the exact range stays there.
    std::int64_t WithinDay(const TimecodeFormat& format, std::int64_t result) const;
    // Converts the register's value into `format`, shows it and recomputes; the
    // entry is not read (callers commit first).
    void ChangeRegisterFormat(TimecodeRegister& reg, const TimecodeFormat& format);
    // Re-derives the registers that depend on the others: in Conversion mode the two
    // beside the current one, in Editing mode the calculation target. A source
    // that is no value (unreadable, or made by a division by zero) gives them
    // its "E" and reason.
    void Recompute();

    // Telling the listener (step_report.cpp); callers test m_stepListener first.
    // The register's value as its display shows it.
    static StepValue ShownStepValue(const TimecodeRegister& reg);
    static FinishedStep StepOf(const TimecodeRegister& reg, StepKind kind);
    void ReportStep(const TimecodeRegister& reg, StepKind kind);
    void ReportOperation(const TimecodeRegister& reg, char op, std::int64_t left, std::int64_t right);
    void ReportListTerm(const TimecodeRegister& reg, const ListTerm& term, std::string_view line,
                        long long lineNumber);
    void ReportListTotal(const TimecodeRegister& reg);
    // Recompute; when a step finished and someone listens, reports each register
    // other than `stepped` whose display changed.
    void RecomputeAfterStep(const TimecodeRegister& stepped, bool finished);

    TimecodeRegister m_registers[3];
    int m_current = kIn;
    CalculatorMode m_mode = CalculatorMode::kConversion;
    EntryOptions m_options;
    bool m_wrapAtMidnight = false;
    StepListener* m_stepListener = nullptr;
    struct ListInProgress {
        bool active = false;
        bool continuesChain = false; // finishes a pending '+' or '-'
        bool skipBadLines = false;
        char op = '+';
        std::int64_t left = 0;       // the pending operation's left operand
        std::int64_t total = 0;      // of the lines added, saturating just above kValueLimit
        long long added = 0;
        long long skipped = 0;       // lines without a value
        long long leftOut = 0;       // lines in error
        long long nextLine = 1;
        std::string firstError;      // "line 3 'A003,bad': ..."
        std::optional<ListReader> reader;
        struct HeldLine {
            ListTerm term;
            std::string line;
            long long number;
        };
        std::vector<HeldLine> held;  // the first lines, while they may be a preamble
        std::int64_t sinceSubtotal = 0; // of the lines added since the last Subtotal row
        std::string totalNotes;      // what was found of the totals the list states
    } m_list;
};

} // namespace quillet
