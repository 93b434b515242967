#include "value_in_text.h"

namespace quillet {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsJoiner(char c) { return c == ':' || c == ';' || c == '.' || c == ','; }

std::size_t SkipDigits(std::string_view text, std::size_t at)
{
    while (at < text.size() && IsDigit(text[at])) ++at;
    return at;
}

} // namespace

ValueInText FindValueInText(std::string_view text)
{
    ValueInText firstNumber;
    std::size_t at = 0;
    while (at < text.size()) {
        if (!IsDigit(text[at])) {
            ++at;
            continue;
        }
        const std::size_t start = at;
        at = SkipDigits(text, at);
        int groups = 1;
        while (at + 1 < text.size() && IsJoiner(text[at]) && IsDigit(text[at + 1])) {
            at = SkipDigits(text, at + 1);
            ++groups;
        }
        const std::string_view found = text.substr(start, at - start);
        if (groups > 1) return {ValueKind::kTimecode, found};
        if (firstNumber.kind == ValueKind::kNone) firstNumber = {ValueKind::kNumber, found};
    }
    return firstNumber;
}

} // namespace quillet
