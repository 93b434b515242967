#include "list_term.h"

#include "value_in_text.h"

namespace quillet {
namespace {

bool IsBlank(std::string_view line)
{
    for (const char c : line)
        if (c != ' ' && c != '\t' && c != '\r' && c != '\f' && c != '\v') return false;
    return true;
}

} // namespace

ListTerm ReadListTerm(std::string_view line, const TimecodeFormat& format, EntryOptions options)
{
    ListTerm term;
    const std::string_view written = FirstValueInText(line);
    if (written.empty()) {
        term.problem = IsBlank(line) ? LineProblem::kBlank : LineProblem::kNoValue;
        return term;
    }
    // Fill the entry from the right, as typing does; every listed format
    // takes all eight digits.
    int free = 8;
    for (auto c = written.rbegin(); c != written.rend(); ++c) {
        if (*c < '0' || *c > '9') continue;
        if (free > 0) {
            term.digits[--free] = *c;
        } else if (*c != '0') {
            term.problem = LineProblem::kTooManyDigits;
            return term;
        }
    }
    const std::optional<std::int32_t> read = ParseDigits(format, term.digits, options);
    if (!read) {
        term.problem = LineProblem::kCannotBeRead;
        term.unreadableField = UnreadableField(format, term.digits, options);
        return term;
    }
    term.value = *read;
    return term;
}

} // namespace quillet
