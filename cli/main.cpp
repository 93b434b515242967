// quillet-calc: the calculator's engine on the command line.
#include "cli/command_line.h"
#include "cli/commands.h"
#include "cli/diagnostics.h"
#include "cli/help_text.h"
#include "cli/standard_streams.h"

#include <string>
#include <string_view>
#include <vector>

#ifndef QUILLET_VERSION
#define QUILLET_VERSION "unknown"
#endif

int main(int argc, char** argv)
{
    using namespace quillet::cli;
    UseBinaryStandardStreams();
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    const ParsedCommandLine parsed = ParseCommandLine(args);
    if (!parsed.ok) {
        WriteError(UsageMessage(parsed.usageError));
        return kExitUsage;
    }
    const Command& command = parsed.command;
    switch (command.kind) {
    case CommandKind::kHelp: return RunPrint(HelpText());
    case CommandKind::kVersion: return RunPrint(std::string{kProgramName} + " " + QUILLET_VERSION + "\n");
    case CommandKind::kFormats: return RunFormats();
    case CommandKind::kConvert: return RunConvert(command);
    case CommandKind::kEval: return RunEval(command);
    case CommandKind::kSum: return RunSum(command);
    }
    return kExitUsage;
}
