#pragma once
// Reading the lines of a list (a column pasted from a spreadsheet, an edit
// decision list, an ALE file, quillet-calc sum's input) as the terms of a
// sum. Lines are read in their ASCII form (ascii_form.h). What counts
// depends on the list around the line:
// - a header row (cells parted by commas, tabs or semicolons, no digit,
//   list_columns.h) names the columns: from then on a duration column is
//   summed alone, or else each row counts End - Start; other cells never
//   count, and a row without a readable duration is an error naming its
//   column. The lines above a header are a preamble and never count;
// - an ALE file (first line "Heading"): its heading is checked for the rate
//   (FPS), its Column section is the header and its Data rows are the rows;
// - a CMX 3600 edit decision list: an event (event number, reel, track,
//   transition and its duration, four time codes) counts its record OUT -
//   record IN, all four time codes read in the format; the list's own lines
//   (TITLE:, FCM:, LOC:, notes, comments, markers) are skipped; an FCM line
//   must agree with the format's drop-frame counting;
// - any other line counts only when it is plainly a value: blank, or
//   without any digit: skipped; one time code, or one number alone on the
//   line or in a cell of its own: that value; exactly two time codes: a clip,
//   OUT - IN; anything else with digits is an error.
// A word that mixes letters and digits ("A001", "v1.2") is a name, never a
// number, and a number with a point or a colon among words ("Take 3.5") is
// no time code but an error; a value must be readable in the format as
// written (written_value.h), with no sign before it and no operator after
// it. A row labelled Total, Sum or Subtotal never counts: its value is
// handed over to be compared with the computed total.

#include "format_table.h"
#include "list_columns.h"
#include "step_listener.h"
#include "value_codec.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quillet {

struct ListTerm {
    LineProblem problem = LineProblem::kNone;
    std::int64_t value = 0; // kNone, or a stated total: in the format's unit
    EntryDigits digits = kZeroDigits; // kNone: digits that read as the value
    std::string reason;     // an error: why, in words
    bool header = false;    // a header row: the lines held above it are a preamble
    // A row that states a total (kNoValue): its value, when it has one readable.
    bool statesTotal = false;
    bool subtotal = false;
    bool totalReadable = false;
};

class ListReader {
public:
    ListReader(const TimecodeFormat& format, EntryOptions options) : m_format(&format), m_options(options) {}

    // Reads the next line of the list (without its line end).
    ListTerm Read(std::string_view line);

    // Whether the lines read so far may yet turn out to be the preamble of a
    // header row further down (a list's first few lines, in no known layout).
    bool MayBePreamble() const { return m_layout == Layout::kPlain && m_linesRead <= kPreambleLines; }

    // A header this many lines down has no preamble counted as one.
    static constexpr long long kPreambleLines = 40;

private:
    enum class Layout : std::uint8_t { kPlain, kEditList, kColumns, kAleHeading, kAleColumnNames, kAleBeforeData, kAleData };

    ListTerm ReadLine(std::string_view line, std::string_view trimmed);
    ListTerm ReadAleLine(std::string_view trimmed);
    ListTerm ReadRow(std::string_view line);
    ListTerm ReadPlain(std::string_view line, std::string_view trimmed);
    // One value written in a cell, or an error naming `where` (a column).
    ListTerm ReadValue(std::string_view text, std::string_view where) const;
    ListTerm CheckRate(std::string_view fps) const;

    const TimecodeFormat* m_format;
    EntryOptions m_options;
    Layout m_layout = Layout::kPlain;
    ListColumns m_columns;
    long long m_linesRead = 0;
    bool m_started = false; // a line that is not blank has been read
    std::string m_ascii; // the current line's ASCII form, when it differs
public:
    // Where a value is written on a line (list_line.cpp).
    struct Token {
        std::size_t start;
        std::size_t end;
        bool hasMarks; // a time code, footage or grouped number rather than plain digits
        std::string_view Text(std::string_view line) const { return line.substr(start, end - start); }
    };

private:
    // Kept from line to line, so that a long list is read without allocating.
    std::vector<Token> m_tokens;
    std::vector<Token> m_values;
    std::vector<std::string_view> m_cells;
};

} // namespace quillet
