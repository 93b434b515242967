#include "controls/link/desktop_entry.h"

#include "controls/link/handler_command.h"

#include <array>

namespace {

std::string_view Trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

std::string Unescaped(std::string_view value)
{
    std::string result;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\' || i + 1 == value.size()) {
            result += value[i];
            continue;
        }
        switch (const char next = value[++i]) {
        case 's': result += ' '; break;
        case 'n': result += '\n'; break;
        case 't': result += '\t'; break;
        case 'r': result += '\r'; break;
        case '\\': result += '\\'; break;
        // Other escapes belong to the Exec quoting and are kept for it.
        default: result += '\\'; result += next; break;
        }
    }
    return result;
}

bool IsAddressCode(char code)
{
    return code == 'u' || code == 'U' || code == 'f' || code == 'F';
}

// A field code for the address between double quotes, read with the quoting
// rules of SplitExecLine.
bool HasQuotedAddressCode(std::string_view exec)
{
    bool quoted = false;
    for (std::size_t i = 0; i < exec.size(); ++i) {
        const char c = exec[i];
        if (c == '"') {
            quoted = !quoted;
        } else if (quoted && c == '\\' && i + 1 < exec.size()) {
            ++i;
        } else if (c == '%' && i + 1 < exec.size()) {
            if (quoted && IsAddressCode(exec[i + 1])) return true;
            ++i;
        }
    }
    return false;
}

// Whether an unquoted argument holds the address's field code ("%%" is a percent sign).
bool HasAddressCode(std::string_view argument)
{
    for (std::size_t i = 0; i + 1 < argument.size(); ++i) {
        if (argument[i] != '%') continue;
        if (IsAddressCode(argument[i + 1])) return true;
        ++i;
    }
    return false;
}

bool IsShell(std::string_view program)
{
    const auto slash = program.rfind('/');
    if (slash != std::string_view::npos) program.remove_prefix(slash + 1);
    constexpr std::array<std::string_view, 14> shells{"sh",  "bash", "dash", "zsh",  "ksh",  "mksh",    "pdksh",
                                                      "ash", "yash", "fish", "csh",  "tcsh", "busybox", "rc"};
    for (std::string_view shell : shells) {
        if (program == shell) return true;
    }
    return false;
}

} // namespace

bool ExecHandsAddressToShell(std::string_view exec)
{
    if (HasQuotedAddressCode(exec)) return true;
    const std::optional<std::vector<std::string>> arguments = SplitExecLine(exec);
    if (!arguments) return false;  // refused later anyway
    // A shell anywhere in front of the address, so also behind env, nice,
    // flatpak-spawn and the like.
    for (const std::string& argument : *arguments) {
        if (IsShell(argument)) return true;
        if (HasAddressCode(argument)) return false;
    }
    return false;
}

std::optional<std::string> DesktopEntryExec(std::string_view fileText)
{
    bool inEntryGroup = false;
    while (!fileText.empty()) {
        const auto end = fileText.find('\n');
        const std::string_view line = Trimmed(fileText.substr(0, end));
        fileText = end == std::string_view::npos ? std::string_view() : fileText.substr(end + 1);

        if (line.empty() || line.front() == '#') continue;
        if (line.front() == '[') {
            inEntryGroup = line == "[Desktop Entry]";
            continue;
        }
        if (!inEntryGroup) continue;
        const auto equals = line.find('=');
        if (equals == std::string_view::npos || Trimmed(line.substr(0, equals)) != "Exec") continue;
        return Unescaped(Trimmed(line.substr(equals + 1)));
    }
    return std::nullopt;
}

bool IsDesktopFileId(std::string_view id)
{
    constexpr std::string_view suffix = ".desktop";
    return id.size() > suffix.size() && id.ends_with(suffix) && id.front() != '.'
        && id.find('/') == std::string_view::npos && id.find('\\') == std::string_view::npos
        && id.find('\0') == std::string_view::npos;
}
