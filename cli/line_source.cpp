#include "cli/line_source.h"

#include "cli/standard_streams.h"
#include "engine/text_lines.h"

#include <cerrno>
#include <cstring>
#include <memory>

namespace quillet::cli {
namespace {

constexpr std::size_t kReadSize = std::size_t{1} << 20;

struct ReadResult {
    std::size_t size = 0;
    bool ended = false;  // the input reached its end
    int errorNumber = 0; // reading failed after `size` bytes
};

// Waits for some input, then takes whatever more is ready without waiting,
// up to `room` bytes: a pipe hands over a few kilobytes at a time, but lines
// are handled fastest in large blocks, while a person typing a line should
// see its result at once.
ReadResult ReadAvailable(int fd, char* into, std::size_t room)
{
    ReadResult result;
    bool mayWait = true;
    while (result.size < room) {
        if (!mayWait && !InputReadyNow(fd)) break;
        const long long got = ReadSome(fd, into + result.size, room - result.size);
        if (got < 0) {
            if (errno == EINTR) continue;
            // Input left in non-blocking mode by whoever handed it over.
            if (errno == EAGAIN || errno == EWOULDBLOCK) {
                if (!mayWait) break;
                WaitForInput(fd);
                continue;
            }
            result.errorNumber = errno;
            break;
        }
        if (got == 0) {
            result.ended = true;
            break;
        }
        result.size += static_cast<std::size_t>(got);
        mayWait = false;
    }
    return result;
}

// What to keep of a line that has not ended yet. Its leading blanks never
// count, and its trailing ones count only if more than blanks follow, so a
// line is judged as if it had arrived in one read.
struct UnfinishedLine {
    std::string_view keep;
    bool tooLong = false;       // refuse it whatever follows
    bool blanksDropped = false; // blanks beyond what fits were dropped from its end
};

UnfinishedLine KeepUnfinished(std::string_view tail, std::size_t longestLine)
{
    if (tail.size() <= longestLine) return {tail};
    tail = WithoutLeadingBlanks(tail);
    if (tail.size() <= longestLine) return {tail};
    if (WithoutTrailingBlanks(tail).size() > longestLine) return {tail, true};
    return {tail.substr(0, longestLine), false, true};
}

const char* SkipBlanks(const char* from, const char* end)
{
    while (from != end && IsLineBlank(*from)) ++from;
    return from;
}

} // namespace

std::string_view WithoutLeadingBlanks(std::string_view line)
{
    while (!line.empty() && IsLineBlank(line.front())) line.remove_prefix(1);
    return line;
}

std::string_view WithoutTrailingBlanks(std::string_view line)
{
    while (!line.empty() && IsLineBlank(line.back())) line.remove_suffix(1);
    return line;
}

std::string_view TrimmedLine(std::string_view line) { return WithoutTrailingBlanks(WithoutLeadingBlanks(line)); }

int ReadLines(int fd, std::size_t longestLine, LineSink& sink)
{
    const std::unique_ptr<char[]> buffer(new char[kReadSize + longestLine]);
    std::size_t kept = 0;       // bytes of an unfinished line at the buffer's start
    bool skippingLong = false;  // inside a line already refused as too long
    bool blanksDropped = false; // the kept line was followed by more blanks than fit
    long long lineNumber = 1;   // of the first line not yet handed over
    bool firstBlock = true;

    bool ended = false;
    while (!ended) {
        if (!sink.BeforeWait()) return 0;
        const ReadResult got = ReadAvailable(fd, buffer.get() + kept, kReadSize);
        if (got.errorNumber != 0 && got.size == 0) return got.errorNumber;
        ended = got.ended;
        char* end = buffer.get() + kept + got.size;

        const char* next = buffer.get();
        if (firstBlock) {
            firstBlock = false;
            const std::string_view start{next, static_cast<std::size_t>(end - next)};
            if (start.starts_with("\xFF\xFE") || start.starts_with("\xFE\xFF") ||
                (start.size() >= 2 && (start[0] == '\0' || start[1] == '\0')))
                return kUtf16Input;
            if (start.starts_with("\xEF\xBB\xBF")) next += 3;
        }
        if (blanksDropped) {
            // Only blanks may follow the kept line before its end, or it is too long.
            char* const fresh = buffer.get() + kept;
            const char* afterBlanks = SkipBlanks(fresh, end);
            if (afterBlanks == end) {
                end = fresh;
            } else if (*afterBlanks == '\n' || *afterBlanks == '\r') {
                std::memmove(fresh, afterBlanks, static_cast<std::size_t>(end - afterBlanks));
                end -= afterBlanks - fresh;
                blanksDropped = false;
            } else {
                sink.TakeLongLine({buffer.get(), kept}, lineNumber++);
                blanksDropped = false;
                skippingLong = true;
                next = afterBlanks;
            }
        }
        if (skippingLong) {
            const char* found = next;
            while (found != end && *found != '\n' && *found != '\r') ++found;
            if (found == end) {
                kept = 0;
                continue;
            }
            skippingLong = false;
            next = found + 1;
            if (*found == '\r' && next != end && *next == '\n') ++next;
        }

        // Whole lines end at the last line end; the rest waits for the next
        // read. A CR last of all may be the first half of a CR LF.
        const char* wholeEnd = next;
        for (const char* p = end; p > next; --p) {
            if (p[-1] == '\n' || (p[-1] == '\r' && (p != end || ended))) {
                wholeEnd = p;
                break;
            }
        }
        const std::string_view whole{next, static_cast<std::size_t>(wholeEnd - next)};
        if (!whole.empty()) sink.TakeLines(whole, lineNumber);
        lineNumber += CountLineEnds(whole);

        const UnfinishedLine unfinished = KeepUnfinished({wholeEnd, static_cast<std::size_t>(end - wholeEnd)}, longestLine);
        if (unfinished.tooLong) {
            sink.TakeLongLine(unfinished.keep, lineNumber++);
            skippingLong = true;
            kept = 0;
        } else {
            blanksDropped = blanksDropped || unfinished.blanksDropped;
            kept = unfinished.keep.size();
            std::memmove(buffer.get(), unfinished.keep.data(), kept);
        }
    }
    // The last line may lack its newline.
    if (kept > 0 && !skippingLong) sink.TakeLines({buffer.get(), kept}, lineNumber);
    return 0;
}

} // namespace quillet::cli
