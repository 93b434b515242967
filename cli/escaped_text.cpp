#include "cli/escaped_text.h"

namespace quillet::cli {

std::string Escaped(std::string_view text)
{
    static constexpr char kHex[] = "0123456789abcdef";
    std::string escaped;
    escaped.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\\') {
            escaped += "\\\\";
        } else if (byte >= 0x20 && byte < 0x7F) {
            escaped += c;
        } else {
            escaped += "\\x";
            escaped += kHex[byte >> 4];
            escaped += kHex[byte & 0xF];
        }
    }
    return escaped;
}

} // namespace quillet::cli
