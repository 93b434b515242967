#include "value_in_text.h"

namespace quillet {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsJoiner(char c) { return c == ':' || c == ';' || c == '.'; }

// The digit groups that start at `start` (a digit), and how many there are.
struct Run {
    std::string_view text;
    int groups;
};

Run RunAt(std::string_view text, std::size_t start)
{
    std::size_t end = start;
    int groups = 0;
    while (end < text.size() && IsDigit(text[end])) {
        while (end < text.size() && IsDigit(text[end])) ++end;
        ++groups;
        if (end + 1 < text.size() && IsJoiner(text[end]) && IsDigit(text[end + 1])) ++end;
        else break;
    }
    return {text.substr(start, end - start), groups};
}

} // namespace

std::string_view FirstValueInText(std::string_view text)
{
    std::string_view firstNumber;
    for (std::size_t i = 0; i < text.size();) {
        if (!IsDigit(text[i])) {
            ++i;
            continue;
        }
        const Run run = RunAt(text, i);
        if (run.groups >= 2) return run.text;
        if (firstNumber.empty()) firstNumber = run.text;
        i += run.text.size();
    }
    return firstNumber;
}

} // namespace quillet
