#pragma once
// Reading one line of a list (a column pasted from a spreadsheet or an edit
// list) as a term of a sum: its first value, typed into a cleared entry.

#include "format_table.h"
#include "step_listener.h"
#include "value_codec.h"

#include <cstdint>
#include <string_view>

namespace quillet {

struct ListTerm {
    LineProblem problem = LineProblem::kNone;
    EntryDigits digits = kZeroDigits; // the value's digits as typed (kNone, kCannotBeRead)
    int unreadableField = -1;         // kCannotBeRead: as RegisterProblem::field
    std::int32_t value = 0;           // kNone: in the format's unit
};

// The first value of `line` (FirstValueInText) read in `format` with `options`,
// as if its digits were typed into a cleared entry. Leading zeros are free;
// any more than eight digits is kTooManyDigits rather than losing the highest.
ListTerm ReadListTerm(std::string_view line, const TimecodeFormat& format, EntryOptions options);

} // namespace quillet
