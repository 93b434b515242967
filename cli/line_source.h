#pragma once
// Standard input as runs of whole lines, for every command that reads it:
// read in large blocks in constant memory, each block handed over as soon
// as it arrived, so a pipeline sees results while lines still come, and a
// line too long to hold refused by its start.

#include <cstddef>
#include <string>
#include <string_view>

namespace quillet::cli {

// The blanks a line may carry around its value: people pad values with them.
// (A carriage return ends a line.)
constexpr bool IsLineBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view WithoutLeadingBlanks(std::string_view line);
std::string_view WithoutTrailingBlanks(std::string_view line);
std::string_view TrimmedLine(std::string_view line);

class LineSink {
public:
    // Whole lines, each ending in '\n' but perhaps the input's last; the first
    // is line `firstLineNumber` of the input (from 1).
    virtual void TakeLines(std::string_view lines, long long firstLineNumber) = 0;
    // Line `lineNumber` is longer than the source holds; `start` is its beginning.
    virtual void TakeLongLine(std::string_view start, long long lineNumber) = 0;
    // A read that may wait comes next: what was produced should reach its reader
    // now. False stops the reading (the output failed).
    virtual bool BeforeWait() { return true; }

protected:
    ~LineSink() = default;
};

// What ReadLines returns for input in UTF-16, which it refuses whole rather
// than read every other byte as nothing.
inline constexpr int kUtf16Input = -1;

// Reads `fd` to its end, handing its lines to `sink`. Lines end at LF, CR LF
// or a lone CR; a UTF-8 byte-order mark at the start is dropped. A line longer
// than `longestLine` without its leading and trailing blanks is handed over by
// its start alone. Returns 0, kUtf16Input, or the errno of a failed read.
int ReadLines(int fd, std::size_t longestLine, LineSink& sink);

} // namespace quillet::cli
