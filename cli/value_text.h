#pragma once
// The plain-number operand of '*' and '/' as a user writes it: the digits
// typed on the keypad, in typing order (the engine fills them in from the
// right). Values themselves are read by the engine (engine/written_value.h).

#include <string>
#include <string_view>

namespace quillet::cli {

enum class ValueProblem {
    kNone,
    kNoDigits,       // empty, or separators only
    kTooManyDigits,  // more than four digits
    kBadCharacter,   // anything but a digit
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

// The plain-number operand of '*' and '/': one to four digits, no separators.
ValueParse ParseMultiplierText(std::string_view text);

// Why `parse` was refused, in words for a usage message ("more than four digits").
std::string DescribeProblem(const ValueParse& parse);

} // namespace quillet::cli
