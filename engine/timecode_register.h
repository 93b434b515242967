#pragma once

#include "display_sink.h"
#include "format_table.h"
#include "value_codec.h"

#include <cstdint>
#include <string>

namespace quillet {

// One of the three registers IN, OUT, DURATION.
struct TimecodeRegister {
    std::int32_t index = 0;       // 0 IN, 1 OUT, 2 DURATION
    std::int32_t value = 0;       // count in the unit of `format`; may be negative after '-'
    std::int32_t operand = 0;     // left operand of the next operation
    std::int32_t lastOperand = 0; // right operand of the last operation, reused by a repeated '='
    EntryDigits entryDigits = kZeroDigits; // highest-order digit first
    std::string text;             // display text last built, without the "E" of an error
    char pendingOp = 0;           // '+', '-', '*', '/' waiting for its right operand, or 0
    char lastOp = 0;              // operator last carried out, or 0
    bool freshEntry = false;      // digits show a committed value or result; the next digit starts anew
    bool scalarEntry = false;     // the entry is the plain-number operand of '*' or '/'
    std::int32_t isCalcTarget = 0; // Editing mode computes this register from the other two
    bool error = false;           // shown as "E" over the first character
    TimecodeFormat* format = nullptr; // always a listed row, never Scalar
    DisplaySink* display = nullptr;
};

} // namespace quillet
