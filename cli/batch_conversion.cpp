#include "cli/batch_conversion.h"

#include "cli/diagnostics.h"
#include "cli/line_converter.h"

#include "cli/line_source.h"
#include "engine/text_lines.h"

#include <system_error>
#include <thread>

namespace quillet::cli {
namespace {

// Below this a block is converted on one thread; starting a second would
// cost more than it saves, and interactive input arrives a line at a time.
constexpr std::size_t kSmallestSplitBlock = std::size_t{64} << 10;

// Converts each block of lines, the large ones in two halves on two threads,
// and hands the results to the outputs in input order.
class BlockConverter final : public LineSink {
public:
    BlockConverter(ConversionSession& first, ConversionSession& second, OutputBuffer& output)
        : m_front(first), m_back(second), m_output(output)
    {
    }

    void TakeLines(std::string_view lines, long long firstLineNumber) override
    {
        if (lines.size() < kSmallestSplitBlock) {
            m_front.ConvertBlock(lines, firstLineNumber);
            Drain(m_front);
            return;
        }
        // Halves of whole lines: split after a line end (after both halves of a CR LF).
        std::size_t split = lines.find_first_of("\r\n", lines.size() / 2) + 1;
        if (split < lines.size() && lines[split - 1] == '\r' && lines[split] == '\n') ++split;
        const std::string_view firstHalf = lines.substr(0, split);
        const std::string_view secondHalf = lines.substr(split);
        const long long secondLineNumber = firstLineNumber + CountLineEnds(firstHalf);
        std::thread helper;
        try {
            helper = std::thread([&] { m_back.ConvertBlock(secondHalf, secondLineNumber); });
        } catch (const std::system_error&) {
            // No second thread to be had: the same work, one half after the other.
            m_back.ConvertBlock(secondHalf, secondLineNumber);
        }
        m_front.ConvertBlock(firstHalf, firstLineNumber);
        if (helper.joinable()) helper.join();
        Drain(m_front);
        Drain(m_back);
    }

    void TakeLongLine(std::string_view start, long long lineNumber) override
    {
        m_front.RefuseLongLine(start, lineNumber);
        Drain(m_front);
    }

    bool BeforeWait() override
    {
        m_output.Flush();
        return !m_output.Failed();
    }

    bool anyValueInError = false;

private:
    // Hands what a converter produced to the outputs.
    void Drain(LineConverter& converter)
    {
        m_output.Append(converter.output);
        if (!converter.messages.empty()) WriteError(converter.messages);
        anyValueInError = anyValueInError || converter.anyValueInError;
        converter.output.clear();
        converter.messages.clear();
    }

    LineConverter m_front;
    LineConverter m_back;
    OutputBuffer& m_output;
};

} // namespace

BatchOutcome ConvertLines(ConversionSession& first, ConversionSession& second, int inputFd, OutputBuffer& output)
{
    BlockConverter converter(first, second, output);
    BatchOutcome outcome;
    outcome.readErrno = ReadLines(inputFd, kLongestLine, converter);
    output.Flush();
    outcome.anyValueInError = converter.anyValueInError;
    return outcome;
}

} // namespace quillet::cli
