#include "cli/diagnostics.h"

#include "cli/escaped_text.h"

#include <cstdio>

namespace quillet::cli {
namespace {

constexpr std::size_t kQuotedLength = 60;

// The input in single quotes, escaped, and cut after 60 or so characters.
std::string QuotedInput(std::string_view input)
{
    std::string text = "'";
    if (input.size() <= kQuotedLength) {
        text += Escaped(input);
    } else {
        // Cut before a UTF-8 continuation byte, never through a character.
        std::size_t cut = kQuotedLength;
        while (cut > 0 && (static_cast<unsigned char>(input[cut]) & 0xC0) == 0x80) --cut;
        text += Escaped(input.substr(0, cut));
        text += "...";
    }
    return text + "'";
}

std::string Prefix(long long lineNumber, std::string_view input)
{
    std::string text{kProgramName};
    text += ": ";
    if (lineNumber > 0) text += "line " + std::to_string(lineNumber) + ": ";
    return text + QuotedInput(input) + ": ";
}

} // namespace

std::string ProblemMessage(long long lineNumber, std::string_view input, Outcome outcome,
                           std::string_view formatName, std::string_view why)
{
    std::string text = Prefix(lineNumber, input);
    switch (outcome) {
    case Outcome::kDone: return {};
    case Outcome::kCannotBeRead: text += "cannot be read in "; break;
    case Outcome::kCannotBeShown: text += "cannot be shown in "; break;
    case Outcome::kDivisionByZero: return text + "division by zero\n";
    }
    text += formatName;
    if (!why.empty()) {
        text += ": ";
        text += why;
    }
    text += "\n";
    return text;
}

std::string ConversionMessage(long long lineNumber, std::string_view input,
                              const ConversionSession::Result& result, const ConversionSession& session)
{
    switch (result.outcome) {
    case Outcome::kDone:
        if (!result.notShownInFrom) return {};
        return ProblemMessage(lineNumber, input, Outcome::kCannotBeShown, session.FromName());
    case Outcome::kCannotBeRead:
        return ProblemMessage(lineNumber, input, result.outcome, session.FromName(), result.reason);
    default: return ProblemMessage(lineNumber, input, result.outcome, session.ToName());
    }
}

std::string NegativeResultMessage(std::string_view chain, std::string_view formatName)
{
    return std::string{kProgramName} + ": the result is negative: " + QuotedInput(chain) + " (cannot be shown in " +
           std::string{formatName} + ")\n";
}

std::string NotAValueMessage(long long lineNumber, std::string_view input, std::string_view why)
{
    return Prefix(lineNumber, input) + "not a value: " + std::string{why} + "\n";
}

std::string UsageMessage(std::string_view what)
{
    std::string text{kProgramName};
    text += ": ";
    text += what;
    text += "\nTry '";
    text += kProgramName;
    text += " --help' for more information.\n";
    return text;
}

void WriteError(std::string_view message)
{
    std::fwrite(message.data(), 1, message.size(), stderr);
}

} // namespace quillet::cli
