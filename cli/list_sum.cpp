#include "cli/list_sum.h"

#include "cli/diagnostics.h"
#include "cli/format_names.h"
#include "cli/line_converter.h"
#include "cli/standard_streams.h"

#include <cerrno>
#include <cstring>
#include <memory>

namespace quillet::cli {
namespace {

constexpr std::size_t kReadSize = std::size_t{1} << 20;

std::string_view Trimmed(std::string_view line) { return WithoutTrailingBlanks(WithoutLeadingBlanks(line)); }

// A line too long to hold is named by its start.
std::string Start(std::string_view line) { return std::string{Trimmed(line.substr(0, 40))} + "..."; }

// Waits for input as long as it takes: the total comes only at the end.
long long ReadBlock(int fd, char* into, std::size_t room)
{
    for (;;) {
        const long long got = ReadSome(fd, into, room);
        if (got >= 0) return got;
        if (errno == EINTR) continue;
        // Input left in non-blocking mode by whoever handed it over.
        if (errno != EAGAIN && errno != EWOULDBLOCK) return got;
        WaitForInput(fd);
    }
}

} // namespace

SumSession::SumSession(int fromPosition, int toPosition, bool strict, bool noBump)
{
    m_engine.SetOptions({!strict, !noBump});
    m_engine.SetRegisterFormat(kIn, fromPosition);
    m_engine.SetRegisterFormat(kOut, toPosition);
    m_engine.SetRegisterFormat(kDuration, fromPosition);
    m_engine.AttachStepListener(this);
    m_engine.BeginList();
}

void SumSession::AddArgument(std::string_view value)
{
    m_arguments = true;
    // One argument is one line, whatever it holds.
    std::string line{value};
    for (char& c : line)
        if (c == '\n') c = ' ';
    m_engine.AddListLines(line);
}

void SumSession::LeaveOutLongLine(std::string_view start)
{
    // A blank line keeps the engine's line numbers in step and adds nothing.
    m_engine.AddListLines("\n");
    anyLeftOut = true;
    messages += NotAValueMessage(m_engine.NextListLine() - 1, Start(start), "line too long");
}

void SumSession::StepFinished(const FinishedStep& step)
{
    if (step.kind != StepKind::kListTerm || step.lineProblem == LineProblem::kNone) return;
    anyLeftOut = true;
    const long long lineNumber = m_arguments ? 0 : step.lineNumber;
    const std::string_view line = Trimmed(step.line);
    switch (step.lineProblem) {
    case LineProblem::kNoValue: messages += NotAValueMessage(lineNumber, line, "no time code or number"); break;
    case LineProblem::kTooManyDigits: messages += NotAValueMessage(lineNumber, line, "more than eight digits"); break;
    default: messages += ProblemMessage(lineNumber, line, Outcome::kCannotBeRead, NameOf(*step.format)); break;
    }
}

SumSession::Total SumSession::Finish()
{
    m_engine.EndList();
    const Outcome outcome = m_engine.Problem(kOut).outcome;
    if (outcome != Outcome::kDone) messages += ProblemMessage(0, "total", outcome, NameOf(m_engine.Format(kOut)));
    std::string_view text = m_engine.ShownText(kOut);
    if (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return {text, outcome};
}

SumInputOutcome SumLines(SumSession& session, int inputFd)
{
    SumInputOutcome outcome;
    const std::unique_ptr<char[]> buffer(new char[kReadSize]);
    std::size_t kept = 0;      // bytes of an unfinished line at the buffer's start
    bool skippingLong = false; // inside a line already left out as too long
    for (;;) {
        const long long got = ReadBlock(inputFd, buffer.get() + kept, kReadSize - kept);
        if (got < 0) {
            outcome.readErrno = errno;
            return outcome;
        }
        const char* next = buffer.get();
        const char* const end = buffer.get() + kept + got;
        if (got == 0) {
            // The last line may lack its newline.
            if (kept > 0 && !skippingLong) session.AddLines({next, kept});
            break;
        }
        if (skippingLong) {
            const void* found = std::memchr(next, '\n', static_cast<std::size_t>(end - next));
            skippingLong = found == nullptr;
            next = skippingLong ? end : static_cast<const char*>(found) + 1;
        }
        const char* wholeEnd = next;
        for (const char* p = end; p > next; --p) {
            if (p[-1] == '\n') {
                wholeEnd = p;
                break;
            }
        }
        session.AddLines({next, static_cast<std::size_t>(wholeEnd - next)});
        kept = static_cast<std::size_t>(end - wholeEnd);
        if (kept == kReadSize) {
            session.LeaveOutLongLine({wholeEnd, kept});
            skippingLong = true;
            kept = 0;
        } else {
            std::memmove(buffer.get(), wholeEnd, kept);
        }
        if (!session.messages.empty()) {
            WriteError(session.messages);
            session.messages.clear();
        }
    }
    return outcome;
}

} // namespace quillet::cli
