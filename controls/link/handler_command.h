#pragma once
// Turning the web-page handler's command template and an address into
// something that can be run. Pure functions, no system calls: the Windows
// fallback builds one command line, other systems build an argument vector
// from the desktop entry's Exec line. Either way the address stays a single
// argument, whatever characters it holds.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The handler's command is read into this many bytes, terminator included.
inline constexpr std::size_t HandlerValueBytes = 260;
// The fallback command line is assembled in this many bytes, terminator included.
inline constexpr std::size_t CommandLineBytes = 520;

// The part of a command template in front of its placeholder: the template is
// cut at the first "\"%1\"" or, failing that, at the first "%1"; without either
// it comes back whole. A byte search is enough: in UTF-8 and in the Windows
// double-byte code pages no trail byte can be '"', '%' or '1'.
std::string_view CutAtPlaceholder(std::string_view commandTemplate);

// Quotes one argument so that the usual Windows command-line parsing
// (CommandLineToArgvW, the C runtime) reads it back as exactly that argument.
std::string QuoteWindowsArgument(std::string_view argument);

// Windows fallback: the template cut at its placeholder, a space, then the
// quoted address. Empty (refused, like a failed lookup) when the template does
// not fit in HandlerValueBytes, the result does not fit in CommandLineBytes, or
// the address is empty or starts with '-' (it would read as an option).
std::optional<std::string> HandlerCommandLine(std::string_view commandTemplate, std::string_view target);

// Splits a desktop entry's Exec value into arguments: separated by spaces,
// an argument may be wrapped in double quotes, inside which \" \` \$ \\ stand
// for the escaped character. Empty on an unterminated quote or no program.
std::optional<std::vector<std::string>> SplitExecLine(std::string_view exec);

// The handler's argument vector for an address, program first. The first
// field code %u %U %f or %F marks the cut: the text of its argument in front
// of the code is kept and the address appended to it (so "--url=%u" works);
// everything after it is dropped. Without such a code the address becomes a
// new last argument. Before the cut "%%" reads as '%' and other field codes
// (%i %c %k and the deprecated ones) are removed. Refused like
// HandlerCommandLine for an empty address or one starting with '-'.
std::optional<std::vector<std::string>> HandlerArguments(std::string_view exec, std::string_view target);
