#include "cli/format_names.h"

#include "engine/format_table.h"

namespace quillet::cli {
namespace {

static_assert(kFormatAliases.size() == kListedFormatCount, "one alias per listed format");

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (Lower(a[i]) != Lower(b[i])) return false;
    return true;
}

} // namespace

std::string_view FormatNameAt(int position) { return NameOf(ListedFormat(position)); }

std::optional<int> FindFormatPosition(std::string_view text)
{
    for (int position = 0; position < kListedFormatCount; ++position) {
        if (SameIgnoringCase(text, FormatNameAt(position)) ||
            SameIgnoringCase(text, kFormatAliases[position].alias))
            return position;
    }
    return std::nullopt;
}

} // namespace quillet::cli
