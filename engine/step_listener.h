#pragma once
// What the engine tells whoever keeps a record of the calculation (the
// window's tape, quillet-calc's messages): each finished step, as values with
// their formats. Words for a step are made in words.h. Nobody listening costs
// one pointer test.

#include "format_table.h"
#include "timecode_register.h"
#include "value_codec.h"

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

// The operator a step carried out.
enum class StepOperator : std::uint8_t { kNone, kAdd, kSubtract, kMultiply, kDivide };

// '+', '-', '*', '/' as the engine takes them; kNone for any other character.
constexpr StepOperator OperatorOf(char op)
{
    return op == '+' ? StepOperator::kAdd
         : op == '-' ? StepOperator::kSubtract
         : op == '*' ? StepOperator::kMultiply
         : op == '/' ? StepOperator::kDivide
                     : StepOperator::kNone;
}

// An operand or the result of a step: a value with its format, and how the
// display showed it.
struct StepValue {
    bool present = false;                   // the step has this part
    std::int64_t value = 0;                 // in format's unit; what it stands for only when !inError
    // Scalar for the plain number after '*' and '/'; nullptr for a list's line
    // that is no value, shown as "E" alone.
    const TimecodeFormat* format = nullptr;
    bool inError = false;                   // shown with "E" over its first digit
    // The digits shown: value written in format, but for an entry that could
    // not be read (the digits typed) and a list's term (as written, which may
    // carry into a higher field).
    EntryDigits digits = kZeroDigits;
};

struct FinishedStep {
    StepKind kind = StepKind::kEntry;
    int registerIndex = 0;                  // 0 IN, 1 OUT, 2 DURATION
    const TimecodeFormat* format = nullptr; // the register's format
    StepOperator op = StepOperator::kNone;
    StepValue left;
    StepValue right;         // a plain number after '*' and '/'; a list term's value
    StepValue result;        // none for a list term
    RegisterProblem problem; // why result (a list term: right) shows "E"; kDone when it does not
    // The value the step stands for exactly, in exactFormat's unit: for a
    // register converted from the one that stepped, that register's value,
    // which the converted result may round; otherwise result (a list term:
    // right) in format.
    std::int64_t exactValue = 0;
    const TimecodeFormat* exactFormat = nullptr;

    // A list term: its line number in the list (from 1), the whole line (valid
    // during the call only), and why it was left out.
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

    // Shown with "E": the result (a list term: its line) is no value to go on with.
    bool InError() const
    {
        return kind == StepKind::kListTerm ? lineProblem != LineProblem::kNone : problem.outcome != Outcome::kDone;
    }
};

class StepListener {
public:
    // Called once per finished step, in the order the steps happened.
    virtual void StepFinished(const FinishedStep& step) = 0;

protected:
    ~StepListener() = default;
};

} // namespace quillet
