#pragma once
// Values as a user writes them: the digits typed on the keypad, with the
// separators ':' ';' '.' ',' allowed anywhere and ignored. The digits are
// kept in typing order; the engine fills them in from the right.

#include <string>
#include <string_view>

namespace quillet::cli {

enum class ValueProblem {
    kNone,
    kNoDigits,       // empty, or separators only
    kTooManyDigits,  // more than the entry holds (eight, or four for a multiplier)
    kBadCharacter,   // anything but a digit or, for a value, a separator
};

struct TypedDigits {
    char digits[8] = {};
    int count = 0; // 1..8 when the text was valid
};

struct ValueParse {
    TypedDigits typed;
    ValueProblem problem = ValueProblem::kNone;
    char badCharacter = 0; // the first offending character for kBadCharacter
};

// A timecode, frame count or footage entry: up to eight digits and any separators.
ValueParse ParseValueText(std::string_view text);

// The plain-number operand of '*' and '/': one to four digits, no separators.
ValueParse ParseMultiplierText(std::string_view text);

// Why `parse` was refused, in words for a usage message ("more than eight digits").
std::string DescribeProblem(const ValueParse& parse, bool multiplier);

} // namespace quillet::cli
