#pragma once
// Reading the lines of a list (a column pasted from a spreadsheet, an edit
// decision list, quillet-calc sum's input) as the terms of a sum. Each line
// counts only when it is plainly a value:
// - blank, or without any digit (a header, a note): skipped;
// - one time code, or one number alone on the line or in a cell of its own
//   (cells are parted by commas, tabs or semicolons): that value;
// - exactly two time codes: a clip, IN and OUT, counting OUT - IN;
// - an event of a CMX 3600 edit decision list (event number, reel, track,
//   transition and its duration, four time codes): its record OUT - record IN.
//   The list's own lines (TITLE:, FCM:, comments, M2, SPLIT: ...) are
//   skipped; an FCM line must agree with the format's drop-frame counting;
// - any other line with digits is an error.
// A word that mixes letters and digits ("A001", "v1.2") is a name, never a
// number; a value must be readable in the format as written
// (written_value.h), with no sign before it.

#include "format_table.h"
#include "step_listener.h"
#include "value_codec.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace quillet {

struct ListTerm {
    LineProblem problem = LineProblem::kNone;
    std::int64_t value = 0; // kNone: in the format's unit
    EntryDigits digits = kZeroDigits; // kNone: digits that read as the value
    std::string reason;     // an error: why, in words
};

class ListReader {
public:
    ListReader(const TimecodeFormat& format, EntryOptions options) : m_format(&format), m_options(options) {}

    // Reads the next line of the list (without its line end).
    ListTerm Read(std::string_view line);

private:
    const TimecodeFormat* m_format;
    EntryOptions m_options;
    bool m_editList = false; // an edit decision list's own lines have been seen
    bool m_first = true;
};

} // namespace quillet
