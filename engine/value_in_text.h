#pragma once
// Finding the value in a line of text that was not written for the
// calculator: a clipboard, a row of a spreadsheet or an edit list.

#include <string_view>

namespace quillet {

// The first time code in `text`: two or more groups of digits, each joined to
// the next by one ':', ';' or '.' ("10:00:00;00", "1:00.00"). When the text
// holds none, its first number (a run of digits). Empty when it holds no
// digit. The view points into `text`. A comma never joins groups, so the
// fields of a comma-separated row stay apart; signs are not part of a value.
// "Shot 12 TC 10:00:00:00 to 10:00:05:00" gives "10:00:00:00".
std::string_view FirstValueInText(std::string_view text);

} // namespace quillet
