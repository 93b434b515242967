#include "list_columns.h"

#include <algorithm>
#include <array>

namespace quillet {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v'; }

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

// A column name in one spelling: lower case, '_' and '-' as blanks, single
// blanks, without a trailing note in brackets ("Duration (frames)").
std::string Normalised(std::string_view name)
{
    name = name.substr(0, name.find('('));
    std::string plain;
    for (char c : Trimmed(name)) {
        if (c == '_' || c == '-' || c == '.' || IsBlank(c)) c = ' ';
        else if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c == ' ' && (plain.empty() || plain.back() == ' ')) continue;
        plain += c;
    }
    while (!plain.empty() && plain.back() == ' ') plain.pop_back();
    return plain;
}

constexpr std::array<std::string_view, 8> kDurationNames = {
    "duration", "dur", "length", "len", "frames", "frame count", "runtime", "run time",
};

bool IsDurationName(const std::string& name)
{
    if (std::find(kDurationNames.begin(), kDurationNames.end(), name) != kDurationNames.end()) return true;
    // "Clip Duration", "Duration TC", "Record Length".
    const std::string_view first = std::string_view{name}.substr(0, name.find(' '));
    const std::string_view last = std::string_view{name}.substr(name.rfind(' ') + 1);
    for (const std::string_view word : {first, last})
        if (word == "duration" || word == "dur" || word == "length") return true;
    return false;
}

// Start and end columns come in pairs of one rank; the record pair is
// preferred to a plain one, a plain one to the source pair.
struct Bound {
    std::string_view name;
    int rank;
};
constexpr std::array<Bound, 15> kStartNames = {{
    {"record in", 0}, {"rec in", 0}, {"record start", 0}, {"rec start", 0},
    {"start", 1}, {"in", 1}, {"start tc", 1}, {"tc in", 1}, {"mark in", 1}, {"timecode in", 1},
    {"source in", 2}, {"src in", 2}, {"source start", 2}, {"src start", 2}, {"clip in", 2},
}};
constexpr std::array<Bound, 15> kEndNames = {{
    {"record out", 0}, {"rec out", 0}, {"record end", 0}, {"rec end", 0},
    {"end", 1}, {"out", 1}, {"end tc", 1}, {"tc out", 1}, {"mark out", 1}, {"timecode out", 1},
    {"source out", 2}, {"src out", 2}, {"source end", 2}, {"src end", 2}, {"clip out", 2},
}};

template <std::size_t N>
int RankOf(const std::string& name, const std::array<Bound, N>& names)
{
    for (const Bound& bound : names)
        if (bound.name == name) return bound.rank;
    return -1;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A ';' between the seconds and the frames of a drop-frame time code:
// `cell` so far holds hours, minutes and seconds, one or two frame digits
// follow and end the cell.
bool IsDropFrameMark(std::string_view line, std::size_t at, std::string_view cell, char delimiter)
{
    if (line[at] != ';' || cell.empty() || !IsDigit(cell.back())) return false;
    if (std::count(cell.begin(), cell.end(), ':') != 2 || cell.find(';') != std::string_view::npos) return false;
    std::size_t end = at + 1;
    while (end < line.size() && IsDigit(line[end]) && end - at <= 2) ++end;
    return end > at + 1 && end - at <= 3 && (end == line.size() || line[end] == delimiter || IsBlank(line[end]) || line[end] == '"');
}

} // namespace

void SplitCells(std::string_view line, char delimiter, std::vector<std::string_view>& cells)
{
    cells.clear();
    std::size_t at = 0;
    while (true) {
        while (at < line.size() && IsBlank(line[at]) && line[at] != delimiter) ++at;
        std::size_t start = at;
        std::size_t end = at;
        if (at < line.size() && line[at] == '"') {
            // A quoted cell runs to its closing quote ("" is a quote inside it).
            start = ++at;
            while (at < line.size() && !(line[at] == '"' && (at + 1 == line.size() || line[at + 1] != '"'))) at += line[at] == '"' ? 2 : 1;
            end = std::min(at, line.size());
            if (at < line.size()) ++at;
            while (at < line.size() && line[at] != delimiter) ++at; // anything after the quote is dropped
        } else {
            // In a list parted at semicolons, a drop-frame time code keeps its
            // own: "00:04:49;19" is one cell.
            while (at < line.size() && (line[at] != delimiter || IsDropFrameMark(line, at, line.substr(start, at - start), delimiter))) ++at;
            end = at;
        }
        cells.push_back(Trimmed(line.substr(start, end - start)));
        if (at >= line.size()) return;
        ++at; // past the delimiter
    }
}

bool ReadHeader(std::string_view line, char delimiter, bool allowDigits, ListColumns& columns)
{
    if (!allowDigits && line.find_first_of("0123456789") != std::string_view::npos) return false;
    if (delimiter == 0) {
        delimiter = line.find('\t') != std::string_view::npos ? '\t'
                    : line.find(';') != std::string_view::npos ? ';'
                    : line.find(',') != std::string_view::npos ? ','
                                                               : 0;
        if (delimiter == 0) return false;
    }
    std::vector<std::string_view> cells;
    SplitCells(line, delimiter, cells);
    if (cells.size() < 2) return false;
    ListColumns found;
    found.delimiter = delimiter;
    found.cellCount = static_cast<int>(cells.size());
    int starts[3] = {-1, -1, -1};
    int ends[3] = {-1, -1, -1};
    for (int i = 0; i < found.cellCount; ++i) {
        found.names.emplace_back(cells[i]);
        const std::string name = Normalised(cells[i]);
        if (IsDurationName(name) && found.duration < 0) found.duration = i;
        if (const int rank = RankOf(name, kStartNames); rank >= 0 && starts[rank] < 0) starts[rank] = i;
        if (const int rank = RankOf(name, kEndNames); rank >= 0 && ends[rank] < 0) ends[rank] = i;
    }
    for (int rank = 0; rank < 3 && found.duration < 0 && found.start < 0; ++rank) {
        if (starts[rank] < 0 || ends[rank] < 0) continue;
        found.start = starts[rank];
        found.end = ends[rank];
    }
    if (found.duration < 0 && found.start < 0) return false;
    columns = std::move(found);
    return true;
}

bool IsTotalLabel(std::string_view cell, bool& subtotal)
{
    subtotal = false;
    if (cell.size() >= 2 && cell.front() == '"' && cell.back() == '"') cell = cell.substr(1, cell.size() - 2);
    if (cell.empty() || cell.size() > 12) return false;
    std::string name = Normalised(cell);
    if (!name.empty() && name.back() == ':') name.pop_back();
    while (!name.empty() && name.back() == ' ') name.pop_back();
    subtotal = name == "subtotal" || name == "sub total";
    return subtotal || name == "total" || name == "sum" || name == "grand total";
}

} // namespace quillet
