#include "controls/link/handler_command.h"

namespace {

bool IsRefusedTarget(std::string_view target)
{
    return target.empty() || target.front() == '-';
}

bool IsFileOrUrlCode(char code)
{
    return code == 'u' || code == 'U' || code == 'f' || code == 'F';
}

} // namespace

std::string_view CutAtPlaceholder(std::string_view commandTemplate)
{
    std::size_t at = commandTemplate.find("\"%1\"");
    if (at == std::string_view::npos) at = commandTemplate.find("%1");
    return at == std::string_view::npos ? commandTemplate : commandTemplate.substr(0, at);
}

std::string QuoteWindowsArgument(std::string_view argument)
{
    std::string quoted = "\"";
    std::size_t backslashes = 0;
    for (char c : argument) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        // Backslashes only escape when a quotation mark follows them.
        quoted.append(c == '"' ? backslashes * 2 + 1 : backslashes, '\\');
        backslashes = 0;
        quoted += c;
    }
    quoted.append(backslashes * 2, '\\');
    quoted += '"';
    return quoted;
}

std::optional<std::string> HandlerCommandLine(std::string_view commandTemplate, std::string_view target)
{
    if (IsRefusedTarget(target) || commandTemplate.size() + 1 > HandlerValueBytes) return std::nullopt;
    std::string command(CutAtPlaceholder(commandTemplate));
    command += ' ';
    command += QuoteWindowsArgument(target);
    if (command.size() + 1 > CommandLineBytes) return std::nullopt;
    return command;
}

std::optional<std::vector<std::string>> SplitExecLine(std::string_view exec)
{
    std::vector<std::string> arguments;
    std::string current;
    bool inArgument = false;
    bool quoted = false;
    for (std::size_t i = 0; i < exec.size(); ++i) {
        const char c = exec[i];
        if (quoted) {
            if (c == '"') {
                quoted = false;
            } else if (c == '\\' && i + 1 < exec.size()
                       && std::string_view("\"`$\\").find(exec[i + 1]) != std::string_view::npos) {
                current += exec[++i];
            } else {
                current += c;
            }
        } else if (c == ' ' || c == '\t') {
            if (inArgument) arguments.push_back(std::move(current));
            current.clear();
            inArgument = false;
        } else if (c == '"') {
            quoted = true;
            inArgument = true;
        } else {
            current += c;
            inArgument = true;
        }
    }
    if (quoted) return std::nullopt;
    if (inArgument) arguments.push_back(std::move(current));
    if (arguments.empty() || arguments.front().empty()) return std::nullopt;
    return arguments;
}

std::optional<std::vector<std::string>> HandlerArguments(std::string_view exec, std::string_view target)
{
    if (IsRefusedTarget(target)) return std::nullopt;
    auto split = SplitExecLine(exec);
    if (!split) return std::nullopt;

    std::vector<std::string> arguments;
    for (const std::string& argument : *split) {
        std::string expanded;
        bool hadCode = false;
        for (std::size_t i = 0; i < argument.size(); ++i) {
            if (argument[i] != '%' || i + 1 == argument.size()) {
                expanded += argument[i];
                continue;
            }
            const char code = argument[++i];
            if (code == '%') {
                expanded += '%';
            } else if (IsFileOrUrlCode(code)) {
                // A code in the program's own place would run the address itself.
                if (arguments.empty()) return std::nullopt;
                expanded += target;
                arguments.push_back(std::move(expanded));
                return arguments;
            } else {
                hadCode = true;
            }
        }
        // An argument that was nothing but a removed field code disappears.
        if (!expanded.empty() || !hadCode) arguments.push_back(std::move(expanded));
    }
    if (arguments.empty() || arguments.front().empty()) return std::nullopt;
    arguments.emplace_back(target);
    return arguments;
}
