#pragma once

#include "display_sink.h"
#include "format_table.h"
#include "value_codec.h"

#include <cstdint>
#include <string>

namespace quillet {

// Far beyond anything a format can show (at most 99,999,999 units), and small
// enough that a product with a four-digit operand, or a conversion to
// hundredths, never leaves 64 bits. The engine holds values exactly within
// this range; a chain that leaves it shows "E" from then on.
constexpr std::int64_t kValueLimit = 100'000'000'000'000; // 10^14

// What became of an operation, and why a display shows "E".
enum class Outcome : std::uint8_t {
    kDone,           // read, and the result can be shown
    kCannotBeRead,   // the entry is no valid value in its format; nothing was computed
    kCannotBeShown,  // negative, too large for the format, or beyond the range held exactly
    kDivisionByZero, // the right operand of '/' was 0: the result is 0, the left operand lost
};

struct RegisterProblem {
    Outcome outcome = Outcome::kDone;
    // kCannotBeRead: the highest field at or above its modulus (0 the lowest), or -1
    // for a dropped drop-frame label.
    int field = -1;
    // kCannotBeShown: the value is negative (otherwise it is too large).
    bool negative = false;
};

// One of the three registers IN, OUT, DURATION.
struct TimecodeRegister {
    std::int32_t index = 0;       // 0 IN, 1 OUT, 2 DURATION
    // Values are counts in the unit of `format`, negative after a '-' that went
    // below zero. They are held in 64 bits so that a product too large for the
    // display still carries exactly into the next operation of a chain; the
    // engine keeps their magnitude at most kValueLimit.
    std::int64_t value = 0;
    std::int64_t operand = 0;     // left operand of the next operation
    std::int64_t lastOperand = 0; // right operand of the last operation, reused by a repeated '='
    EntryDigits entryDigits = kZeroDigits; // highest-order digit first
    std::string text;             // display text last built, without the "E" of an error
    char pendingOp = 0;           // '+', '-', '*', '/' waiting for its right operand, or 0
    char lastOp = 0;              // operator last carried out, or 0
    bool freshEntry = false;      // digits show a committed value or result; the next digit starts anew
    bool scalarEntry = false;     // the entry is the plain-number operand of '*' or '/'
    std::int32_t isCalcTarget = 0; // Editing mode computes this register from the other two
    bool error = false;           // shown as "E" over the first character
    // The value comes from a chain that left the range held exactly, so it is not
    // the true result: shown as "E" until a reset or a new entry starts afresh.
    bool beyondRange = false;
    RegisterProblem errorCause;   // why error or beyondRange was last set
    RegisterProblem problem;      // why the text last shown has "E"; kDone when it has none
    const TimecodeFormat* format = nullptr; // always a listed row, never Scalar
    DisplaySink* display = nullptr;
};

} // namespace quillet
