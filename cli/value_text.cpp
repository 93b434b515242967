#include "cli/value_text.h"

namespace quillet::cli {
namespace {

constexpr int kEntryDigits = 8;
constexpr int kMultiplierDigits = 4;

bool IsSeparator(char c) { return c == ':' || c == ';' || c == '.' || c == ','; }

ValueParse Parse(std::string_view text, int maxDigits, bool separatorsAllowed)
{
    ValueParse parse;
    int digitCount = 0;
    for (const char c : text) {
        if (c >= '0' && c <= '9') {
            // Keep counting past the limit only to report; nothing is stored.
            if (digitCount < kEntryDigits) parse.typed.digits[digitCount] = c;
            ++digitCount;
        } else if (!(separatorsAllowed && IsSeparator(c))) {
            parse.problem = ValueProblem::kBadCharacter;
            parse.badCharacter = c;
            return parse;
        }
    }
    if (digitCount == 0) {
        parse.problem = ValueProblem::kNoDigits;
    } else if (digitCount > maxDigits) {
        parse.problem = ValueProblem::kTooManyDigits;
    } else {
        parse.typed.count = digitCount;
    }
    return parse;
}

std::string Printable(char c)
{
    if (c >= 0x20 && c < 0x7F) return std::string{'\'', c, '\''};
    static constexpr char kHex[] = "0123456789abcdef";
    const auto byte = static_cast<unsigned char>(c);
    return std::string{"byte 0x"} + kHex[byte >> 4] + kHex[byte & 0xF];
}

} // namespace

ValueParse ParseValueText(std::string_view text) { return Parse(text, kEntryDigits, true); }

ValueParse ParseMultiplierText(std::string_view text) { return Parse(text, kMultiplierDigits, false); }

std::string DescribeProblem(const ValueParse& parse, bool multiplier)
{
    switch (parse.problem) {
    case ValueProblem::kNone: return {};
    case ValueProblem::kNoDigits: return "no digits";
    case ValueProblem::kTooManyDigits: return multiplier ? "more than four digits" : "more than eight digits";
    case ValueProblem::kBadCharacter:
        return "unexpected character " + Printable(parse.badCharacter) +
               (multiplier ? " (a multiplier or divisor is a plain number)"
                           : " (only digits and the separators : ; . , are allowed)");
    }
    return {};
}

} // namespace quillet::cli
