#include "controls/link/desktop_entry.h"

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

} // namespace

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
