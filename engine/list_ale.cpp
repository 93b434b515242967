// The Heading and Column sections of an Avid Log Exchange (ALE) file: a
// heading of key and value lines whose FPS must be the format's rate, then
// the names of the columns its Data rows fill (list_line.h).
#include "list_line.h"

namespace quillet {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v'; }

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

ListTerm NoValue() { return {LineProblem::kNoValue, 0, kZeroDigits, {}}; }

ListTerm Error(LineProblem problem, std::string reason)
{
    ListTerm term;
    term.problem = problem;
    term.reason = std::move(reason);
    return term;
}

// Frames a second in thousandths: 29970 for NTSC, 23976 for 23.976.
long long ThousandthsPerSecond(const TimecodeFormat& format)
{
    const long long family = format.rate == 29 ? 29970 : format.rate * 1000LL;
    return family * format.familyDenominator / format.familyNumerator;
}

std::string RateText(long long thousandths)
{
    std::string text = std::to_string(thousandths / 1000);
    if (thousandths % 1000 == 0) return text;
    std::string fraction = std::to_string(1000 + thousandths % 1000).substr(1);
    while (fraction.back() == '0') fraction.pop_back();
    return text + "." + fraction;
}

} // namespace

ListTerm ListReader::ReadAleLine(std::string_view trimmed)
{
    switch (m_layout) {
    case Layout::kAleHeading: {
        if (trimmed == "Column") {
            m_layout = Layout::kAleColumnNames;
            return NoValue();
        }
        std::size_t keyEnd = 0;
        while (keyEnd < trimmed.size() && !IsBlank(trimmed[keyEnd])) ++keyEnd;
        if (trimmed.substr(0, keyEnd) == "FPS") return CheckRate(Trimmed(trimmed.substr(keyEnd)));
        return NoValue();
    }
    case Layout::kAleColumnNames:
        m_layout = Layout::kAleBeforeData;
        if (!ReadHeader(trimmed, '\t', true, m_columns)) {
            m_columns = {};
            return Error(LineProblem::kNotAValue, "the Column section names no duration column, nor a start and an end column");
        }
        return NoValue();
    default:
        if (trimmed == "Data") m_layout = Layout::kAleData;
        return NoValue();
    }
}

ListTerm ListReader::CheckRate(std::string_view fps) const
{
    // "25", "29.97", "23.976", as thousandths.
    long long thousandths = 0;
    int decimals = -1;
    for (const char c : fps) {
        if (c == '.' && decimals < 0) {
            decimals = 0;
        } else if (IsDigit(c) && decimals < 3 && thousandths < 1000000) {
            thousandths = thousandths * 10 + (c - '0');
            if (decimals >= 0) ++decimals;
        } else if (!IsDigit(c)) {
            return NoValue(); // a rate written otherwise is not ours to judge
        }
    }
    for (int i = decimals < 0 ? 0 : decimals; i < 3; ++i) thousandths *= 10;
    if (m_format->rate == 100 || thousandths == 0) return NoValue(); // real time has no frames
    const long long own = ThousandthsPerSecond(*m_format);
    if (thousandths - own <= 10 && own - thousandths <= 10) return NoValue(); // 23.98 is 23.976
    return Error(LineProblem::kCannotBeRead, "the list is at " + RateText(thousandths) + " frames a second, " +
                                                 std::string{NameOf(*m_format)} + " at " + RateText(own));
}

} // namespace quillet
