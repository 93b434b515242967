#include "cli/batch_conversion.h"

#include "cli/diagnostics.h"
#include "cli/line_converter.h"

#include "cli/standard_streams.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <system_error>
#include <thread>

namespace quillet::cli {
namespace {

constexpr std::size_t kReadSize = std::size_t{1} << 20;
// Below this a block is converted on one thread; starting a second would
// cost more than it saves, and interactive input arrives a line at a time.
constexpr std::size_t kSmallestSplitBlock = std::size_t{64} << 10;

struct ReadResult {
    std::size_t size = 0;
    bool ended = false;  // the input reached its end
    int errorNumber = 0; // reading failed after `size` bytes
};

// Waits for some input, then takes whatever more is ready without waiting,
// up to `room` bytes: a pipe hands over a few kilobytes at a time, but lines
// are converted fastest in large blocks, while a person typing a line
// should see its result at once.
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

UnfinishedLine KeepUnfinished(std::string_view tail)
{
    if (tail.size() <= kLongestLine) return {tail};
    tail = WithoutLeadingBlanks(tail);
    if (tail.size() <= kLongestLine) return {tail};
    if (WithoutTrailingBlanks(tail).size() > kLongestLine) return {tail, true};
    return {tail.substr(0, kLongestLine), false, true};
}

const char* SkipBlanks(const char* from, const char* end)
{
    while (from != end && IsLineBlank(*from)) ++from;
    return from;
}

long long CountLines(std::string_view text) { return std::count(text.begin(), text.end(), '\n'); }

// Hands what both converters produced, first then second, to the outputs.
void Drain(LineConverter& converter, OutputBuffer& output, BatchOutcome& outcome)
{
    output.Append(converter.output);
    if (!converter.messages.empty()) WriteError(converter.messages);
    outcome.anyValueInError = outcome.anyValueInError || converter.anyValueInError;
    converter.output.clear();
    converter.messages.clear();
}

} // namespace

BatchOutcome ConvertLines(ConversionSession& first, ConversionSession& second, int inputFd, OutputBuffer& output)
{
    BatchOutcome outcome;
    LineConverter front(first);
    LineConverter back(second);
    const std::unique_ptr<char[]> buffer(new char[kReadSize + kLongestLine]);
    std::size_t kept = 0;       // bytes of an unfinished line at the buffer's start
    bool skippingLong = false;  // inside a line already refused as too long
    bool blanksDropped = false; // the kept line was followed by more blanks than fit
    long long lineNumber = 1;   // of the first line not yet converted

    bool ended = false;
    while (!ended) {
        output.Flush();
        if (output.Failed()) return outcome;
        const ReadResult got = ReadAvailable(inputFd, buffer.get() + kept, kReadSize);
        if (got.errorNumber != 0 && got.size == 0) {
            outcome.readErrno = got.errorNumber;
            return outcome;
        }
        ended = got.ended;
        char* end = buffer.get() + kept + got.size;

        const char* next = buffer.get();
        if (blanksDropped) {
            // Only blanks may follow the kept line before its end, or it is too long.
            char* const fresh = buffer.get() + kept;
            const char* afterBlanks = SkipBlanks(fresh, end);
            if (afterBlanks == end) {
                end = fresh;
            } else if (*afterBlanks == '\n') {
                std::memmove(fresh, afterBlanks, static_cast<std::size_t>(end - afterBlanks));
                end -= afterBlanks - fresh;
                blanksDropped = false;
            } else {
                front.RefuseLongLine({buffer.get(), kept}, lineNumber++);
                Drain(front, output, outcome);
                blanksDropped = false;
                skippingLong = true;
                next = afterBlanks;
            }
        }
        if (skippingLong) {
            const void* found = std::memchr(next, '\n', static_cast<std::size_t>(end - next));
            if (found == nullptr) {
                kept = 0;
                continue;
            }
            skippingLong = false;
            next = static_cast<const char*>(found) + 1;
        }

        // Whole lines end at the last newline; the rest waits for the next read.
        const char* wholeEnd = next;
        for (const char* p = end; p > next; --p) {
            if (p[-1] == '\n') {
                wholeEnd = p;
                break;
            }
        }
        const std::string_view whole{next, static_cast<std::size_t>(wholeEnd - next)};
        if (whole.size() < kSmallestSplitBlock) {
            front.ConvertBlock(whole, lineNumber);
            lineNumber += CountLines(whole);
            Drain(front, output, outcome);
        } else {
            const std::size_t split = whole.find('\n', whole.size() / 2) + 1;
            const std::string_view firstHalf = whole.substr(0, split);
            const std::string_view secondHalf = whole.substr(split);
            const long long secondLineNumber = lineNumber + CountLines(firstHalf);
            std::thread helper;
            try {
                helper = std::thread([&] { back.ConvertBlock(secondHalf, secondLineNumber); });
            } catch (const std::system_error&) {
                // No second thread to be had: the same work, one half after the other.
                back.ConvertBlock(secondHalf, secondLineNumber);
            }
            front.ConvertBlock(firstHalf, lineNumber);
            if (helper.joinable()) helper.join();
            lineNumber = secondLineNumber + CountLines(secondHalf);
            Drain(front, output, outcome);
            Drain(back, output, outcome);
        }

        const UnfinishedLine unfinished = KeepUnfinished({wholeEnd, static_cast<std::size_t>(end - wholeEnd)});
        if (unfinished.tooLong) {
            front.RefuseLongLine(unfinished.keep, lineNumber++);
            Drain(front, output, outcome);
            skippingLong = true;
            kept = 0;
        } else {
            blanksDropped = blanksDropped || unfinished.blanksDropped;
            kept = unfinished.keep.size();
            std::memmove(buffer.get(), unfinished.keep.data(), kept);
        }
    }
    // The last line may lack its newline.
    if (kept > 0 && !skippingLong) {
        front.ConvertBlock({buffer.get(), kept}, lineNumber);
        Drain(front, output, outcome);
    }
    output.Flush();
    return outcome;
}

} // namespace quillet::cli
