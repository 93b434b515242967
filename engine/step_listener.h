#pragma once
// What the engine tells whoever keeps a record of the calculation (the
// window's tape, quillet-calc's messages): each finished step, with its texts
// as the display showed them. Nobody listening costs one pointer test.

#include "format_table.h"
#include "timecode_register.h"

#include <cstdint>
#include <string_view>

namespace quillet {

enum class StepKind : std::uint8_t {
    kOperation, // left op right = result: '=' or an operator carried out the pending operation
    kEntry,     // a typed entry committed with no operation, or refused with "E"
    kDerived,   // a register that changed because another was committed (conversion, computed register)
    kListTerm,  // one line of a list being added up: op '+', right its value as typed, no result
    kListTotal, // a list's total with '=' done; left and op only when it finished a pending '+' or '-'
};

// What became of a line of a list (list_line.h says which line is which).
enum class LineProblem : std::uint8_t {
    kNone,         // its value was added
    kBlank,        // nothing but blanks: skipped without a word
    kNoValue,      // no digit at all (a header, a note), or a line of an edit list's own: skipped, and said so
    kNotAValue,    // digits, but no value: an error
    kCannotBeRead, // a value that cannot be read, or cannot be a term: an error (see FinishedStep::problem)
};

struct FinishedStep {
    StepKind kind = StepKind::kEntry;
    int registerIndex = 0;                  // 0 IN, 1 OUT, 2 DURATION
    const TimecodeFormat* format = nullptr; // the register's format
    char op = 0;                            // '+', '-', '*', '/', or 0 when there is none
    // Texts as shown, "E" first when in error, without the display's trailing
    // blank; empty when the step has none. Valid during the call only.
    std::string_view left;
    std::string_view right;  // a plain number after '*' and '/'; a list term's value as typed
    std::string_view result;
    RegisterProblem problem; // why result (a list term: right) shows "E"; kDone when it does not
    // What result (a list term: right) stands for, in format's unit; only when it shows no "E".
    std::int64_t value = 0;
    // The value the step stands for exactly, in exactFormat's unit: for a
    // register converted from the one that stepped, that register's value,
    // which the converted result may round; otherwise value and format.
    std::int64_t exactValue = 0;
    const TimecodeFormat* exactFormat = nullptr;

    // A list term: its line number in the list (from 1), the whole line, and why it was left out.
    long long lineNumber = 0;
    std::string_view line;
    LineProblem lineProblem = LineProblem::kNone;
    // A list total: how many lines were added, how many skipped without a
    // value, and how many were errors (left out, or no total at all).
    long long linesAdded = 0;
    long long linesSkipped = 0;
    long long linesLeftOut = 0;
    // A list total: whether the totals the list states (its Total, Sum and
    // Subtotal rows) agree with what its lines add up to, in words; empty
    // when it states none.
    std::string_view listNote;
};

class StepListener {
public:
    // Called once per finished step, in the order the steps happened.
    virtual void StepFinished(const FinishedStep& step) = 0;

protected:
    ~StepListener() = default;
};

} // namespace quillet
