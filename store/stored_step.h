#pragma once
// One finished step as the tape's database keeps it: values only, no texts
// to parse back, in plain numbers (store/step_record_codec.h turns the
// engine's step into one and back): formats are selector positions, kinds,
// operators and outcomes the engine's enums' numbers. A step read back is
// checked before it is shown; one that fails is damaged (hand-edited, or from
// a newer program).

#include <QString>

#include <cstdint>

namespace quillet {

struct StoredOperand {
    static constexpr int kScalar = -1;   // a plain number (after '*' and '/')
    static constexpr int kNoFormat = -2; // a list's line that is no value, shown as "E" alone
    bool present = false;   // the step has this operand
    bool inError = false;   // it shows "E"
    int format = 0;         // selector position, kScalar or kNoFormat
    std::int64_t count = 0; // in the format's unit
    QString digits;         // the eight digits shown, '0' to '9'

    bool operator==(const StoredOperand&) const = default;
};

struct StoredStep {
    std::int64_t timeMs = 0; // when it finished, milliseconds since 1970 UTC
    int kind = 0;            // StepKind
    int registerIndex = 0;   // 0 IN, 1 OUT, 2 DURATION
    int format = 0;          // the register's format
    int op = 0;              // StepOperator
    StoredOperand left;
    StoredOperand right;
    StoredOperand result;
    // The outcome: why the step shows "E" (0 when it does not), the field at
    // fault, whether the value was negative, and the reason in words.
    int outcome = 0;
    int outcomeField = -1;
    bool outcomeNegative = false;
    QString outcomeReason;
    int exactFormat = 0; // the exact value given back, before any conversion rounded it
    std::int64_t exactCount = 0;
    // A list term: its line number and the line; a list total: its line counts.
    std::int64_t lineNumber = 0;
    QString line;
    int lineProblem = 0;
    std::int64_t linesAdded = 0;
    std::int64_t linesSkipped = 0;
    std::int64_t linesLeftOut = 0;
    std::int64_t termsNotKept = 0; // a list total: terms the tape could not keep
    // Said instead of the note made from the values: a line an earlier
    // version kept as words.
    QString keptNote;

    bool operator==(const StoredStep&) const = default;
};

// The ranges a sound step stays within.
struct StepLimits {
    int lastKind;
    int lastOperator;
    int formatCount;          // formats are 0 .. formatCount-1
    std::int64_t valueLimit;  // counts within +-valueLimit
    int lastOutcome;
    int lastLineProblem;
};

// Whether `step` is within `limits`, its digits are eight digits, and its
// texts hold no control character
// nor any character that reorders text (bidirectional overrides, isolates
// and marks), which could make a line say what it does not.
bool IsSound(const StoredStep& step, const StepLimits& limits);

} // namespace quillet
