#include "cli/format_names.h"

#include "engine/format_table.h"
#include "engine/words.h"

#include <algorithm>
#include <vector>

namespace quillet::cli {
namespace {

static_assert(kFormatAliases.size() == kListedFormatCount, "one alias per listed format");

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// The name as compared: lower case, without blanks, '-', '_' and '.'.
std::string Folded(std::string_view text)
{
    std::string folded;
    for (const char c : text)
        if (c != ' ' && c != '\t' && c != '-' && c != '_' && c != '.') folded += Lower(c);
    return folded;
}

// How many characters to insert, delete or replace to make `a` into `b`.
std::size_t EditDistance(std::string_view a, std::string_view b)
{
    std::vector<std::size_t> row(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j) row[j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (Lower(a[i - 1]) == Lower(b[j - 1]) ? 0 : 1)});
            diagonal = above;
        }
    }
    return row[b.size()];
}

// The name to suggest for `text`: the alias, or the spoken name, nearest to
// it (for an ambiguous name, its choices); empty when even the nearest would
// change more than half of it.
std::string NearestName(std::string_view text)
{
    std::string nearest;
    std::size_t best = SIZE_MAX;
    auto consider = [&](std::string_view candidate, std::string_view suggested) {
        const std::size_t distance = EditDistance(text, candidate);
        if (distance < best) {
            best = distance;
            nearest = suggested;
        }
    };
    for (int position = 0; position < kListedFormatCount; ++position) {
        consider(kFormatAliases[position].alias, kFormatAliases[position].alias);
        consider(FormatNameAt(position), kFormatAliases[position].alias);
    }
    for (const SpokenName& spoken : kSpokenNames) consider(spoken.name, spoken.name);
    for (const AmbiguousName& ambiguous : kAmbiguousNames)
        consider(ambiguous.name, std::string{ambiguous.choices[0]} + " or " + std::string{ambiguous.choices[1]});
    return 2 * best <= text.size() + 1 ? nearest : std::string{};
}

} // namespace

std::string_view FormatNameAt(int position) { return NameOf(ListedFormat(position)); }

std::optional<int> FindFormatPosition(std::string_view text)
{
    const std::string folded = Folded(text);
    if (folded.empty()) return std::nullopt;
    for (int position = 0; position < kListedFormatCount; ++position) {
        if (folded == Folded(FormatNameAt(position)) || folded == Folded(kFormatAliases[position].alias))
            return position;
    }
    for (const SpokenName& spoken : kSpokenNames)
        if (folded == Folded(spoken.name)) return spoken.position;
    return std::nullopt;
}

std::string FormatNameProblem(std::string_view text)
{
    const std::string folded = Folded(text);
    for (const AmbiguousName& ambiguous : kAmbiguousNames) {
        if (folded != Folded(ambiguous.name)) continue;
        // One of the names above, which needs no escaping.
        std::string problem = std::string{text} + ": say ";
        for (std::size_t i = 0; i < ambiguous.choices.size(); ++i) {
            const std::string_view choice = ambiguous.choices[i];
            if (i > 0) problem += " or ";
            problem += std::string{choice} + " (" + std::string{FormatNameAt(*FindFormatPosition(choice))} + ")";
        }
        return problem;
    }
    std::string problem = "unknown format " + QuotedText(text);
    // A word of a hundred characters is no misspelt name.
    const std::string nearest = text.size() <= 40 ? NearestName(text) : std::string{};
    if (!nearest.empty()) problem += " (did you mean " + nearest + "?)";
    return problem + "; 'quillet-calc formats' lists them";
}

} // namespace quillet::cli
