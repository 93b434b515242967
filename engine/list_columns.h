#pragma once
// The header row of a list written in cells (a spreadsheet's comma, tab or
// semicolon separated lines, an ALE file's Column section): which column
// holds a duration, or else which two hold a start and an end. The other
// columns (names, scene numbers, rates, notes) never count.

#include <string>
#include <string_view>
#include <vector>

namespace quillet {

struct ListColumns {
    char delimiter = ',';
    int cellCount = 0;   // cells the header names
    int duration = -1;   // the column summed alone, or -1
    int start = -1;      // with end: End - Start counts, when there is no duration
    int end = -1;
    std::vector<std::string> names; // as the header writes them
};

// The cells of `line` parted at `delimiter`, each without the blanks and the
// quotes around it; a delimiter inside quotes belongs to its cell.
void SplitCells(std::string_view line, char delimiter, std::vector<std::string_view>& cells);

// `line` read as a header row: cells parted at `delimiter` (0: a tab, else a
// semicolon, else a comma, whichever the line holds first in that order).
// Empty unless it names a duration column or a start and an end column.
// `allowDigits` is for ALE column names ("Auxiliary TC1"); a spreadsheet's
// header row has no digit, which tells it from a row of values.
bool ReadHeader(std::string_view line, char delimiter, bool allowDigits, ListColumns& columns);

// Whether `cell` labels a row that states a total (Total, Sum, Subtotal, in
// any letter case, perhaps with a colon): such a row never counts. Sets
// `subtotal` for Subtotal.
bool IsTotalLabel(std::string_view cell, bool& subtotal);

} // namespace quillet
