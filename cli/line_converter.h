#pragma once
// Converts a block of whole input lines into result lines and messages,
// kept in memory until the caller writes them, so two blocks can be
// converted at once by two engines and still come out in order.

#include "cli/engine_session.h"
#include "cli/line_source.h"

#include <string>
#include <string_view>

namespace quillet::cli {

// No value comes near this length; a longer line is refused and only its
// start is named. A line is measured without its leading and trailing blanks.
inline constexpr std::size_t kLongestLine = 4096;

// Aligned to a cache line: two converters work side by side on two threads.
class alignas(64) LineConverter {
public:
    explicit LineConverter(ConversionSession& session) : m_session(session) {}

    // Converts each line of `block` (lines end in '\n'; a last line without
    // one is converted too). Lines are numbered from `firstLineNumber`.
    // Blank lines give blank lines; a line that is not a value gives a blank
    // line and a message.
    void ConvertBlock(std::string_view block, long long firstLineNumber);
    // Refuses line `lineNumber`, which is too long to be a value and starts with `start`.
    void RefuseLongLine(std::string_view start, long long lineNumber);
    // Converts one line; lineNumber 0 names a value of the command line.
    void ConvertLine(std::string_view rawLine, long long lineNumber);

    std::string output;   // one result line per input line
    std::string messages; // lines for standard error
    bool anyValueInError = false;

private:
    void Refuse(std::string_view line, std::string_view why, long long lineNumber, bool cutShort = false);

    ConversionSession& m_session;
};

} // namespace quillet::cli
