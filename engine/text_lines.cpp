#include "text_lines.h"

#include <algorithm>
#include <cstring>

namespace quillet {

std::string_view TakeLine(std::string_view& text)
{
    // Lines of values are short: a plain scan finds their end sooner than a
    // library search set up twice, once for each line end.
    std::size_t end = 0;
    while (end < text.size() && text[end] != '\n' && text[end] != '\r') ++end;
    const std::string_view line = text.substr(0, end);
    std::size_t next = end;
    if (next < text.size()) {
        ++next;
        if (text[end] == '\r' && next < text.size() && text[next] == '\n') ++next;
    }
    text.remove_prefix(next);
    return line;
}

long long CountLineEnds(std::string_view text)
{
    // Without a CR, counting LFs is all there is.
    if (std::memchr(text.data(), '\r', text.size()) == nullptr) return std::count(text.begin(), text.end(), '\n');
    long long count = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n') ++count;
        else if (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n')) ++count;
    }
    return count;
}

} // namespace quillet
