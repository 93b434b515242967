#include "list_line.h"

#include "ascii_form.h"
#include "words.h"
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

using Token = ListReader::Token;

// The fields of a value as written: "4.2" has two.
int WrittenFields(std::string_view text)
{
    int fields = 1;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (IsValueMark(text[i]) && (i == 0 || !IsValueMark(text[i - 1]))) ++fields;
    return fields;
}

struct Tokens {
    std::vector<Token>& values;
    bool anyDigit = false;
    bool signed_ = false; // a '+' or '-' stands right before a value
};

// The values of a line: runs of digits and separators, each starting and
// ending with a digit, that are not part of a name. A comma parts two values
// except in a frame count, where it groups three digits in a quoted cell or
// when `commasGroup` (the line parts its cells otherwise, or is one number).
Tokens Tokenize(std::string_view line, bool frameCount, bool commasGroup, int maxFields, std::vector<Token>& storage)
{
    storage.clear();
    Tokens tokens{storage};
    std::size_t i = 0;
    while (i < line.size()) {
        if (!IsDigit(line[i])) {
            ++i;
            continue;
        }
        tokens.anyDigit = true;
        std::size_t start = i;
        std::size_t end = i;
        bool hasMarks = false;
        const bool grouping = frameCount && (commasGroup || (start > 0 && line[start - 1] == '"'));
        while (end < line.size()) {
            if (IsDigit(line[end])) {
                ++end;
                continue;
            }
            // A run of marks goes on only towards another digit.
            std::size_t next = end;
            while (next < line.size() && IsValueMark(line[next])) ++next;
            if (next == end || next == line.size() || !IsDigit(line[next])) break;
            if (line[end] == ',' && !grouping) break;
            if (line[end] == ',') {
                std::size_t digits = next;
                while (digits < line.size() && IsDigit(line[digits])) ++digits;
                if (next - end != 1 || digits - next != 3) break;
            }
            hasMarks = true;
            end = next;
        }
        // A cell's number before a time code, in a list parted at ';'
        // ("Shot 0;00:04:49;19"), is no field of it: the time code has all
        // the fields the format has.
        for (int fields = WrittenFields(line.substr(start, end - start)); fields > maxFields && hasMarks; --fields) {
            std::size_t mark = start;
            while (IsDigit(line[mark])) ++mark;
            if (line[mark] != ';') break;
            tokens.values.push_back({start, mark, false});
            start = mark + 1;
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

// The operator written after `token` ("00:00:05:00*2", "... x 2"), or 0.
char OperatorAfter(std::string_view line, const Token& token)
{
    std::size_t at = token.end;
    while (at < line.size() && IsBlank(line[at])) ++at;
    if (at == line.size()) return 0;
    const char c = line[at];
    if (c == '*' || c == '/' || c == '=') return c;
    if (c != 'x' && c != 'X') return 0;
    ++at;
    while (at < line.size() && IsBlank(line[at])) ++at;
    return at < line.size() && IsDigit(line[at]) ? c : 0;
}

std::string_view Trimmed(std::string_view line)
{
    while (!line.empty() && IsBlank(line.front())) line.remove_prefix(1);
    while (!line.empty() && IsBlank(line.back())) line.remove_suffix(1);
    return line;
}

bool StartsWith(std::string_view text, std::string_view start) { return text.substr(0, start.size()) == start; }

// Lines of a CMX 3600 edit decision list's own that hold no event, whatever
// they name: titles, locators, effect and clip names, markers.
constexpr std::string_view kEditListWords[] = {
    "TITLE:", "FCM:", "LOC:", "EFFECTS NAME IS", "FROM CLIP NAME:", "TO CLIP NAME:", "FROM FILE:", "TO FILE:",
    "SOURCE FILE:", "SPLIT:", "ASC_SOP", "ASC_SAT", "DLEDL:", "|C:", "|M:",
};
// Lines that belong to an edit list once it is known to be one: comments, motion, audio notes.
constexpr std::string_view kEditListNotes[] = {"*", ">", "M2 ", "AUD", "SWM"};

bool IsOneOf(std::string_view trimmed, const auto& starts)
{
    for (const std::string_view start : starts)
        if (StartsWith(trimmed, start)) return true;
    return false;
}

bool IsNumberAlone(std::string_view trimmed)
{
    if (trimmed.size() >= 2 && trimmed.front() == '"' && trimmed.back() == '"') trimmed = trimmed.substr(1, trimmed.size() - 2);
    return !trimmed.empty() && trimmed.find_first_not_of("0123456789,") == std::string_view::npos;
}

ListTerm Error(LineProblem problem, std::string reason)
{
    ListTerm term;
    term.problem = problem;
    term.reason = std::move(reason);
    return term;
}

ListTerm NoValue() { return {LineProblem::kNoValue, 0, kZeroDigits, {}}; }

// A row that states a total never counts; its value is kept for comparing.
ListTerm StatedTotal(const ListTerm& read, bool subtotal)
{
    ListTerm term = NoValue();
    term.statesTotal = true;
    term.subtotal = subtotal;
    term.totalReadable = read.problem == LineProblem::kNone;
    term.value = term.totalReadable ? read.value : 0;
    return term;
}

} // namespace

ListTerm ListReader::Read(std::string_view line)
{
    // A UTF-8 byte-order mark before the first line is no part of it.
    if (m_linesRead == 0 && StartsWith(line, "\xEF\xBB\xBF")) line.remove_prefix(3);
    ++m_linesRead;
    line = AsciiForm(line, m_ascii);
    const std::string_view trimmed = Trimmed(line);
    if (trimmed.empty()) return {LineProblem::kBlank, 0, kZeroDigits, {}};
    const bool first = !m_started;
    m_started = true;
    if (first && trimmed == "Heading") {
        m_layout = Layout::kAleHeading;
        return NoValue();
    }
    return ReadLine(line, trimmed);
}

ListTerm ListReader::ReadLine(std::string_view line, std::string_view trimmed)
{
    switch (m_layout) {
    case Layout::kAleHeading:
    case Layout::kAleColumnNames:
    case Layout::kAleBeforeData: return ReadAleLine(trimmed);
    case Layout::kAleData: return ReadRow(line);
    case Layout::kColumns:
        if (ListColumns columns; ReadHeader(trimmed, 0, false, columns)) {
            m_columns = std::move(columns);
            return NoValue(); // a new header, for the rows below it
        }
        return ReadRow(line);
    case Layout::kPlain:
    case Layout::kEditList: break;
    }

    // The list's own lines, headers and total rows start with no digit;
    // most lines of a long list are values that do.
    if (!IsDigit(trimmed.front())) {
        if (IsOneOf(trimmed, kEditListWords) || (m_layout == Layout::kEditList && IsOneOf(trimmed, kEditListNotes))) {
            m_layout = Layout::kEditList;
            if (!StartsWith(trimmed, "FCM:")) return NoValue();
            const bool drop = trimmed.find("NON") == std::string_view::npos && trimmed.find("DROP") != std::string_view::npos;
            if (m_format->fieldCount == 4 && m_format->rate != 100 && drop != IsDropFrame(*m_format))
                return Error(LineProblem::kCannotBeRead, std::string{"the list counts "} + (drop ? "drop" : "non-drop") +
                                                             " frames, " + std::string{NameOf(*m_format)} + " does not");
            return NoValue();
        }
        if (m_layout == Layout::kPlain && ReadHeader(trimmed, 0, false, m_columns)) {
            m_layout = Layout::kColumns;
            ListTerm term = NoValue();
            term.header = true;
            return term;
        }
        // The label of a row that states a total: its first word or cell.
        std::size_t labelEnd = 0;
        while (labelEnd < trimmed.size() && !IsBlank(trimmed[labelEnd]) && !IsCellSeparator(trimmed[labelEnd])) ++labelEnd;
        if (bool subtotal = false; IsTotalLabel(trimmed.substr(0, labelEnd), subtotal))
            return StatedTotal(ReadPlain(line, trimmed), subtotal);
    }
    return ReadPlain(line, trimmed);
}

ListTerm ListReader::ReadValue(std::string_view text, std::string_view where) const
{
    if (text.empty()) return Error(LineProblem::kNotAValue, "the " + std::string{where} + " cell is empty");
    const WrittenValue written = ReadWrittenValue(text, *m_format, m_options);
    if (written.fault != WrittenFault::kNone)
        return Error(LineProblem::kCannotBeRead, std::string{where} + " '" + std::string{text} + "': " + WrittenFaultText(written, *m_format));
    return {LineProblem::kNone, written.value, written.digits, {}};
}

ListTerm ListReader::ReadRow(std::string_view line)
{
    std::vector<std::string_view>& cells = m_cells;
    SplitCells(line, m_columns.delimiter, cells);
    auto cell = [&](int column) { return column < static_cast<int>(cells.size()) ? cells[column] : std::string_view{}; };
    auto name = [&](int column) -> std::string_view { return m_columns.names[column]; };
    std::string_view label;
    for (const std::string_view c : cells)
        if (!c.empty()) {
            label = c;
            break;
        }
    if (label.empty()) return {LineProblem::kBlank, 0, kZeroDigits, {}}; // a spreadsheet's empty row: ",,,"
    bool subtotal = false;
    const bool statesTotal = IsTotalLabel(label, subtotal);
    if (m_columns.duration < 0 && m_columns.start < 0)
        return Error(LineProblem::kNotAValue, "no column to count (a duration, or a start and an end)");
    for (std::size_t i = static_cast<std::size_t>(m_columns.cellCount); i < cells.size() && !statesTotal; ++i)
        if (!cells[i].empty())
            return Error(LineProblem::kNotAValue, "more cells than the header names (" + std::to_string(m_columns.cellCount) + ")");

    ListTerm term;
    if (m_columns.duration >= 0) {
        term = ReadValue(cell(m_columns.duration), name(m_columns.duration));
    } else {
        const ListTerm start = ReadValue(cell(m_columns.start), name(m_columns.start));
        const ListTerm end = start.problem == LineProblem::kNone ? ReadValue(cell(m_columns.end), name(m_columns.end)) : start;
        if (end.problem != LineProblem::kNone) {
            term = end;
        } else if (end.value < start.value) {
            term = Error(LineProblem::kCannotBeRead, "its " + std::string{name(m_columns.end)} + " is before its " +
                                                         std::string{name(m_columns.start)});
        } else {
            term = {LineProblem::kNone, end.value - start.value, FormatValue(*m_format, end.value - start.value).digits, {}};
        }
    }
    return statesTotal ? StatedTotal(term, subtotal) : term;
}

ListTerm ListReader::ReadPlain(std::string_view line, std::string_view trimmed)
{
    const bool frameCount = m_format->fieldCount == 1;
    const bool commasGroup = frameCount && (line.find_first_of("\t;") != std::string_view::npos || IsNumberAlone(trimmed));
    const Tokens tokens = Tokenize(line, frameCount, commasGroup, m_format->fieldCount, m_tokens);
    std::vector<Token>& values = m_values;
    if (!tokens.anyDigit) return NoValue();
    if (tokens.values.empty()) return Error(LineProblem::kNotAValue, "no time code or number (names are not numbers)");
    if (tokens.signed_) return Error(LineProblem::kCannotBeRead, "a sign before a value");
    for (const Token& token : tokens.values)
        if (const char op = OperatorAfter(line, token); op != 0)
            return Error(LineProblem::kCannotBeRead, std::string{"an operator after a value ('"} + op +
                                                         "'): a list only adds its values");

    EntryDigits digits = kZeroDigits;
    auto read = [&](const Token& token, std::int64_t& value) -> std::string {
        const WrittenValue written = ReadWrittenValue(token.Text(line), *m_format, m_options);
        value = written.value;
        digits = written.digits;
        if (written.fault == WrittenFault::kNone) return {};
        // Among other words, say which value is meant.
        const std::string why = WrittenFaultText(written, *m_format);
        return token.Text(line) == trimmed ? why : QuotedText(token.Text(line)) + ": " + why;
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
        m_layout = Layout::kEditList;
        // The source time codes too: a frame beyond the rate shows a list read at the wrong rate.
        std::int64_t unused = 0;
        for (std::size_t i = count - 4; i < count - 2; ++i)
            if (std::string why = read(tokens.values[i], unused); !why.empty())
                return Error(LineProblem::kCannotBeRead, why);
        return span(tokens.values[count - 2], tokens.values[count - 1]); // record IN, record OUT
    }

    // Time codes, and numbers that stand alone in their cells, are the line's
    // values; a number among words labels a line that has a time code
    // ("Clip 3, 00:00:20:00") and is an error in one that has none ("Scene
    // 12"). A number with a point or colon among words ("Take 3.5") is
    // neither a label nor a time code.
    values.clear();
    bool numberAmongWords = false;
    bool anyTimeCode = false;
    for (const Token& token : tokens.values) {
        const bool alone = StandsAloneInItsCell(line, token);
        const std::string_view text = token.Text(line);
        if (!alone && text.find_first_of(".:") != std::string_view::npos &&
            (frameCount || WrittenFields(text) < m_format->fieldCount))
            return Error(LineProblem::kNotAValue,
                         "'" + std::string{text} + "': a number with a point or colon among words is not a time code");
        anyTimeCode = anyTimeCode || token.hasMarks;
        if (token.hasMarks || alone) values.push_back(token);
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
