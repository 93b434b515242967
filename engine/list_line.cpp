#include "list_line.h"

#include "written_value.h"

#include <vector>

namespace quillet {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v'; }
bool IsCellSeparator(char c) { return c == ',' || c == ';' || c == '\t'; }
bool IsValueMark(char c) { return c == ':' || c == ';' || c == '.' || c == '+' || c == ','; }
// Letters (any byte of a UTF-8 sequence counts as one) and '_' make a word a name.
bool IsNameCharacter(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || byte >= 0x80;
}

struct Token {
    std::size_t start;
    std::size_t end;
    bool hasMarks; // a time code, footage or grouped number rather than plain digits
    std::string_view Text(std::string_view line) const { return line.substr(start, end - start); }
};

struct Tokens {
    std::vector<Token> values;
    bool anyDigit = false;
    bool signed_ = false; // a '+' or '-' stands right before a value
};

// The values of a line: runs of digits and separators, each starting and
// ending with a digit, that are not part of a name. A comma parts two values
// except in a frame count, where it groups three digits.
Tokens Tokenize(std::string_view line, bool frameCount)
{
    Tokens tokens;
    std::size_t i = 0;
    while (i < line.size()) {
        if (!IsDigit(line[i])) {
            ++i;
            continue;
        }
        tokens.anyDigit = true;
        const std::size_t start = i;
        std::size_t end = i;
        bool hasMarks = false;
        while (end < line.size()) {
            if (IsDigit(line[end])) {
                ++end;
                continue;
            }
            // A run of marks goes on only towards another digit.
            std::size_t next = end;
            while (next < line.size() && IsValueMark(line[next])) ++next;
            if (next == end || next == line.size() || !IsDigit(line[next])) break;
            if (line[end] == ',' && !frameCount) break;
            if (line[end] == ',' && frameCount) {
                std::size_t digits = next;
                while (digits < line.size() && IsDigit(line[digits])) ++digits;
                if (next - end != 1 || digits - next != 3) break;
            }
            hasMarks = true;
            end = next;
        }
        i = end;
        const bool nameBefore = start > 0 && IsNameCharacter(line[start - 1]);
        const bool nameAfter = end < line.size() && IsNameCharacter(line[end]);
        if (nameBefore || nameAfter) continue;
        if (start > 0 && (line[start - 1] == '-' || line[start - 1] == '+')) tokens.signed_ = true;
        tokens.values.push_back({start, end, hasMarks});
    }
    return tokens;
}

// Only blanks and quotes between `token` and the cell's edges.
bool StandsAloneInItsCell(std::string_view line, const Token& token)
{
    for (std::size_t i = token.start; i-- > 0 && !IsCellSeparator(line[i]);)
        if (!IsBlank(line[i]) && line[i] != '"') return false;
    for (std::size_t i = token.end; i < line.size() && !IsCellSeparator(line[i]); ++i)
        if (!IsBlank(line[i]) && line[i] != '"') return false;
    return true;
}

std::string_view Trimmed(std::string_view line)
{
    while (!line.empty() && IsBlank(line.front())) line.remove_prefix(1);
    while (!line.empty() && IsBlank(line.back())) line.remove_suffix(1);
    return line;
}

bool StartsWith(std::string_view text, std::string_view start) { return text.substr(0, start.size()) == start; }

ListTerm Error(LineProblem problem, std::string reason)
{
    ListTerm term;
    term.problem = problem;
    term.reason = std::move(reason);
    return term;
}

} // namespace

ListTerm ListReader::Read(std::string_view line)
{
    // A UTF-8 byte-order mark before the first line is no part of it.
    if (m_first && StartsWith(line, "\xEF\xBB\xBF")) line.remove_prefix(3);
    m_first = false;
    const std::string_view trimmed = Trimmed(line);
    if (trimmed.empty()) return {LineProblem::kBlank, 0, kZeroDigits, {}};

    // An edit decision list's own lines.
    if (StartsWith(trimmed, "TITLE:")) {
        m_editList = true;
        return {LineProblem::kNoValue, 0, kZeroDigits, {}};
    }
    if (StartsWith(trimmed, "FCM:")) {
        m_editList = true;
        const bool drop = trimmed.find("NON") == std::string_view::npos && trimmed.find("DROP") != std::string_view::npos;
        if (m_format->fieldCount == 4 && m_format->rate != 100 && drop != IsDropFrame(*m_format))
            return Error(LineProblem::kCannotBeRead, std::string{"the list counts "} + (drop ? "drop" : "non-drop") +
                                                         " frames, " + std::string{NameOf(*m_format)} + " does not");
        return {LineProblem::kNoValue, 0, kZeroDigits, {}};
    }
    if (m_editList && (trimmed.front() == '*' || trimmed.front() == '>' || StartsWith(trimmed, "M2 ") ||
                       StartsWith(trimmed, "SPLIT:") || StartsWith(trimmed, "AUD") || StartsWith(trimmed, "SWM")))
        return {LineProblem::kNoValue, 0, kZeroDigits, {}};

    const Tokens tokens = Tokenize(line, m_format->fieldCount == 1);
    if (!tokens.anyDigit) return {LineProblem::kNoValue, 0, kZeroDigits, {}};
    if (tokens.values.empty()) return Error(LineProblem::kNotAValue, "no time code or number (names are not numbers)");
    if (tokens.signed_) return Error(LineProblem::kCannotBeRead, "a sign before a value");

    EntryDigits digits = kZeroDigits;
    auto read = [&](const Token& token, std::int64_t& value) -> std::string {
        const WrittenValue written = ReadWrittenValue(token.Text(line), *m_format, m_options);
        value = written.value;
        digits = written.digits;
        if (written.fault == WrittenFault::kNone) return {};
        // Among other words, say which value is meant.
        const std::string why = WrittenFaultText(written, *m_format);
        return token.Text(line) == trimmed ? why : "'" + std::string{token.Text(line)} + "': " + why;
    };
    // OUT - IN of two time codes.
    auto span = [&](const Token& inToken, const Token& outToken) {
        std::int64_t in = 0;
        std::int64_t out = 0;
        std::string why = read(inToken, in);
        if (why.empty()) why = read(outToken, out);
        if (!why.empty()) return Error(LineProblem::kCannotBeRead, why);
        if (out < in) return Error(LineProblem::kCannotBeRead, "its OUT is before its IN");
        return ListTerm{LineProblem::kNone, out - in, FormatValue(*m_format, out - in).digits, {}};
    };

    const std::size_t count = tokens.values.size();
    std::size_t firstWordEnd = 0;
    while (firstWordEnd < trimmed.size() && !IsBlank(trimmed[firstWordEnd])) ++firstWordEnd;
    const std::size_t trimmedStart = static_cast<std::size_t>(trimmed.data() - line.data());
    const bool eventNumberFirst = firstWordEnd <= 6 && tokens.values[0].start == trimmedStart &&
                                  tokens.values[0].end == trimmedStart + firstWordEnd && !tokens.values[0].hasMarks;
    bool fourTimeCodesLast = count >= 5 && count <= 7;
    for (std::size_t i = count >= 4 ? count - 4 : 0; i < count && fourTimeCodesLast; ++i)
        fourTimeCodesLast = tokens.values[i].hasMarks;
    if (eventNumberFirst && fourTimeCodesLast) {
        m_editList = true;
        return span(tokens.values[count - 2], tokens.values[count - 1]); // record IN, record OUT
    }

    // Time codes, and numbers that stand alone in their cells, are the line's
    // values; a number among words labels a line that has a time code
    // ("Clip 3, 00:00:20:00") and is an error in one that has none ("Scene 12").
    std::vector<Token> values;
    bool numberAmongWords = false;
    bool anyTimeCode = false;
    for (const Token& token : tokens.values) {
        anyTimeCode = anyTimeCode || token.hasMarks;
        if (token.hasMarks || StandsAloneInItsCell(line, token)) values.push_back(token);
        else numberAmongWords = true;
    }
    if (numberAmongWords && !anyTimeCode) return Error(LineProblem::kNotAValue, "a number among words is not a value");
    if (values.size() == 1) {
        std::int64_t value = 0;
        const std::string why = read(values[0], value);
        if (!why.empty()) return Error(LineProblem::kCannotBeRead, why);
        return {LineProblem::kNone, value, digits, {}};
    }
    if (values.size() == 2 && values[0].hasMarks && values[1].hasMarks) return span(values[0], values[1]);
    return Error(LineProblem::kNotAValue, std::to_string(values.size()) + " values on one line (one value, or a clip's IN and OUT)");
}

} // namespace quillet
