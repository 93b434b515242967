#include "cli/batch_conversion.h"

#include "cli/diagnostics.h"

#include <cerrno>
#include <cstring>
#include <memory>
#include <string>
#include <unistd.h>

namespace quillet::cli {
namespace {

constexpr std::size_t kReadSize = std::size_t{1} << 20;
// No value comes near this; a longer line is refused without being kept.
constexpr std::size_t kLongestLine = 4096;

std::string_view Trimmed(std::string_view line)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!line.empty() && blank(line.front())) line.remove_prefix(1);
    while (!line.empty() && blank(line.back())) line.remove_suffix(1);
    return line;
}

class LineConverter {
public:
    LineConverter(ConversionSession& session, OutputBuffer& output) : m_session(session), m_output(output) {}

    void Convert(std::string_view rawLine)
    {
        ++m_lineNumber;
        const std::string_view line = Trimmed(rawLine);
        if (line.empty()) {
            m_output.Append("\n");
            return;
        }
        if (line.size() > kLongestLine) {
            RefuseLong(line);
            return;
        }
        const ValueParse parse = ParseValueText(line);
        if (parse.problem != ValueProblem::kNone) {
            Refuse(line, DescribeProblem(parse, false));
            return;
        }
        const ConversionSession::Result result = m_session.Convert(parse.typed);
        m_output.AppendLine(result.text);
        if (result.outcome != Outcome::kFine) {
            const std::string_view format =
                result.outcome == Outcome::kCannotBeRead ? m_session.FromName() : m_session.ToName();
            Report(ProblemMessage(m_lineNumber, line, result.outcome, format));
        } else if (result.notShownInFrom) {
            Report(ProblemMessage(m_lineNumber, line, Outcome::kCannotBeShown, m_session.FromName()));
        }
    }

    // A line too long to be a value: only its start is named.
    void RefuseLongLine(std::string_view start)
    {
        ++m_lineNumber;
        RefuseLong(start);
    }

    bool AnyValueInError() const { return m_anyValueInError; }

private:
    void RefuseLong(std::string_view start) { Refuse(std::string{start.substr(0, 40)} + "...", "line too long"); }

    void Refuse(std::string_view line, std::string_view why)
    {
        m_output.Append("\n");
        Report(NotAValueMessage(m_lineNumber, line, why));
    }

    void Report(const std::string& message)
    {
        m_anyValueInError = true;
        WriteError(message);
    }

    ConversionSession& m_session;
    OutputBuffer& m_output;
    long long m_lineNumber = 0;
    bool m_anyValueInError = false;
};

} // namespace

BatchOutcome ConvertLines(ConversionSession& session, int inputFd, OutputBuffer& output)
{
    BatchOutcome outcome;
    LineConverter converter(session, output);
    const std::unique_ptr<char[]> buffer(new char[kReadSize + kLongestLine]);
    std::size_t kept = 0;      // bytes of an unfinished line at the buffer's start
    bool skippingLong = false; // inside a line already refused as too long

    for (;;) {
        output.Flush();
        if (output.Failed()) break;
        const ssize_t got = ::read(inputFd, buffer.get() + kept, kReadSize);
        if (got < 0) {
            if (errno == EINTR) continue;
            outcome.readErrno = errno;
            break;
        }
        if (got == 0) {
            // The last line may lack its newline.
            if (kept > 0 && !skippingLong) converter.Convert({buffer.get(), kept});
            break;
        }

        const char* next = buffer.get();
        const char* const end = buffer.get() + kept + static_cast<std::size_t>(got);
        while (const void* found = std::memchr(next, '\n', static_cast<std::size_t>(end - next))) {
            const char* newline = static_cast<const char*>(found);
            if (skippingLong) {
                skippingLong = false;
            } else {
                converter.Convert({next, static_cast<std::size_t>(newline - next)});
            }
            next = newline + 1;
        }

        kept = static_cast<std::size_t>(end - next);
        if (skippingLong) {
            kept = 0;
        } else if (kept > kLongestLine) {
            converter.RefuseLongLine({next, kept});
            skippingLong = true;
            kept = 0;
        } else {
            std::memmove(buffer.get(), next, kept);
        }
    }
    output.Flush();
    outcome.anyValueInError = converter.AnyValueInError();
    return outcome;
}

} // namespace quillet::cli
