#include "cli/value_text.h"

namespace quillet::cli {
namespace {

constexpr int kMultiplierDigits = 4;

std::string Printable(char c)
{
    if (c >= 0x20 && c < 0x7F) return std::string{'\'', c, '\''};
    static constexpr char kHex[] = "0123456789abcdef";
    const auto byte = static_cast<unsigned char>(c);
    return std::string{"byte 0x"} + kHex[byte >> 4] + kHex[byte & 0xF];
}

} // namespace

ValueParse ParseMultiplierText(std::string_view text)
{
    ValueParse parse;
    int digitCount = 0;
    for (const char c : text) {
        if (c >= '0' && c <= '9') {
            // Keep counting past the limit only to report; nothing is stored.
            if (digitCount < 8) parse.typed.digits[digitCount] = c;
            ++digitCount;
        } else {
            parse.problem = ValueProblem::kBadCharacter;
            parse.badCharacter = c;
            return parse;
        }
    }
    if (digitCount == 0) {
        parse.problem = ValueProblem::kNoDigits;
    } else if (digitCount > kMultiplierDigits) {
        parse.problem = ValueProblem::kTooManyDigits;
    } else {
        parse.typed.count = digitCount;
    }
    return parse;
}

std::string DescribeProblem(const ValueParse& parse)
{
    switch (parse.problem) {
    case ValueProblem::kNone: return {};
    case ValueProblem::kNoDigits: return "no digits";
    case ValueProblem::kTooManyDigits: return "more than four digits";
    case ValueProblem::kBadCharacter:
        return "unexpected character " + Printable(parse.badCharacter) + " (a multiplier or divisor is a plain number)";
    }
    return {};
}

} // namespace quillet::cli
