#pragma once
// The one-line messages quillet-calc writes on standard error.

#include "cli/engine_session.h"

#include <string>
#include <string_view>

namespace quillet::cli {

inline constexpr std::string_view kProgramName = "quillet-calc";

// "quillet-calc: [line N: ]'INPUT': REASON". lineNumber 0 means the value
// came from the command line. formatName is the format the reason refers to;
// `why` says more of a value that cannot be read. At most the first 60 or
// so characters of INPUT are quoted.
std::string ProblemMessage(long long lineNumber, std::string_view input, Outcome outcome,
                           std::string_view formatName, std::string_view why = {});

// The message for a converted value, or an empty text when it is fine.
// A value that cannot be read is named with FROM, one that cannot be shown with
// TO, and a value whose TO text is fine but that overflowed FROM with FROM.
std::string ConversionMessage(long long lineNumber, std::string_view input,
                              const ConversionSession::Result& result, const ConversionSession& session);

// An eval chain whose result is below zero: "the result is negative: '5 - 10'
// (cannot be shown in NTSC frames)".
std::string NegativeResultMessage(std::string_view chain, std::string_view formatName);

// A line of standard input that is not a value at all; with cutShort,
// `input` is only the start of the line.
std::string NotAValueMessage(long long lineNumber, std::string_view input, std::string_view why,
                             bool cutShort = false);

// The usage error and the hint to --help, two lines.
std::string UsageMessage(std::string_view what);

// Writes a message to standard error in one piece.
void WriteError(std::string_view message);

} // namespace quillet::cli
