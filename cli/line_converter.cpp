#include "cli/line_converter.h"

#include "cli/diagnostics.h"
#include "engine/text_lines.h"


namespace quillet::cli {
void LineConverter::ConvertBlock(std::string_view block, long long firstLineNumber)
{
    long long lineNumber = firstLineNumber;
    while (!block.empty()) ConvertLine(TakeLine(block), lineNumber++);
}

void LineConverter::RefuseLongLine(std::string_view start, long long lineNumber)
{
    Refuse(start, "line too long", lineNumber, true);
}

void LineConverter::ConvertLine(std::string_view rawLine, long long lineNumber)
{
    const std::string_view line = TrimmedLine(rawLine);
    if (line.empty()) {
        output += '\n';
        return;
    }
    if (line.size() > kLongestLine) {
        RefuseLongLine(line, lineNumber);
        return;
    }
    const ConversionSession::Result result = m_session.Convert(line);
    if (result.noValue) {
        Refuse(line, result.reason, lineNumber);
        return;
    }
    output += result.text;
    output += '\n';
    const std::string message = ConversionMessage(lineNumber, line, result, m_session);
    if (!message.empty()) {
        messages += message;
        anyValueInError = true;
    }
}

void LineConverter::Refuse(std::string_view line, std::string_view why, long long lineNumber, bool cutShort)
{
    output += '\n';
    messages += NotAValueMessage(lineNumber, line, why, cutShort);
    anyValueInError = true;
}

} // namespace quillet::cli
