#pragma once
// The subcommands of quillet-calc. Each returns the process exit status:
// 0 all fine, 1 some value in error, 2 input or output failed.

#include "cli/command_line.h"

namespace quillet::cli {

constexpr int kExitFine = 0;
constexpr int kExitValueError = 1;
constexpr int kExitUsage = 2;

class OutputBuffer;

// Shared endings: a message naming the failed input or output (exit status
// kExitUsage), and the flush that ends every command.
int IoFailure(std::string_view what, int errorNumber);
// Standard input that could not be read: what ReadLines returned.
int InputFailure(int readResult);
int Finish(OutputBuffer& output, bool anyValueInError);

int RunConvert(const Command& command);
int RunEval(const Command& command);
// sum_command.cpp
int RunSum(const Command& command);
int RunFormats();
// Writes `text` to standard output (the help, the version).
int RunPrint(std::string_view text);

} // namespace quillet::cli
