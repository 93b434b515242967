#include "cli/diagnostics.h"

#include "engine/words.h"

#include <cstdio>

namespace quillet::cli {
namespace {

std::string Prefix(long long lineNumber, std::string_view input, bool cutShort = false)
{
    std::string text{kProgramName};
    text += ": ";
    if (lineNumber > 0) text += "line " + std::to_string(lineNumber) + ": ";
    return text + QuotedText(input, cutShort) + ": ";
}

} // namespace

std::string ProblemMessage(long long lineNumber, std::string_view input, Outcome outcome,
                           std::string_view formatName, std::string_view why)
{
    if (outcome == Outcome::kDone) return {};
    std::string text = Prefix(lineNumber, input) + OutcomeText(outcome, formatName);
    if (!why.empty() && outcome != Outcome::kDivisionByZero) {
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
    return std::string{kProgramName} + ": the result is negative: " + QuotedText(chain) + " (cannot be shown in " +
           std::string{formatName} + ")\n";
}

std::string NotAValueMessage(long long lineNumber, std::string_view input, std::string_view why, bool cutShort)
{
    return Prefix(lineNumber, input, cutShort) + "not a value: " + std::string{why} + "\n";
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
