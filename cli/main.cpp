// quillet-calc: the calculator's engine on the command line.
#include "cli/command_line.h"
#include "cli/commands.h"
#include "cli/diagnostics.h"
#include "cli/help_text.h"

#include <cstdio>
#include <string_view>
#include <vector>

#ifndef QUILLET_VERSION
#define QUILLET_VERSION "unknown"
#endif

int main(int argc, char** argv)
{
    using namespace quillet::cli;
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    const ParsedCommandLine parsed = ParseCommandLine(args);
    if (!parsed.ok) {
        WriteError(UsageMessage(parsed.usageError));
        return kExitUsage;
    }
    const Command& command = parsed.command;
    switch (command.kind) {
    case CommandKind::kHelp:
        std::fwrite(kHelpText.data(), 1, kHelpText.size(), stdout);
        return std::fflush(stdout) == 0 ? kExitFine : kExitUsage;
    case CommandKind::kVersion:
        std::printf("%s %s\n", kProgramName.data(), QUILLET_VERSION);
        return std::fflush(stdout) == 0 ? kExitFine : kExitUsage;
    case CommandKind::kFormats: return RunFormats();
    case CommandKind::kConvert: return RunConvert(command);
    case CommandKind::kEval: return RunEval(command);
    case CommandKind::kSum: return RunSum(command);
    }
    return kExitUsage;
}
