#pragma once
// Text as other programs write it, brought to the few characters the value
// reader knows: every Unicode decimal digit (Arabic-Indic, fullwidth, ...)
// becomes its ASCII digit, every Unicode space separator (no-break space,
// thin space, ideographic space, ...) an ASCII blank, and fullwidth ASCII
// (the colon and point of "０１：００") its ASCII character. Everything else is
// kept byte for byte, so a letter stays a letter and bad UTF-8 stays bad.

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace quillet {

// Whether `text` holds a byte outside ASCII: only then is there anything to do.
inline bool HasNonAscii(std::string_view text)
{
    // Eight bytes at a time: lines of values are read by the million.
    std::uint64_t high = 0;
    std::size_t at = 0;
    for (; at + 8 <= text.size(); at += 8) {
        std::uint64_t word;
        std::memcpy(&word, text.data() + at, 8);
        high |= word;
    }
    for (; at < text.size(); ++at) high |= static_cast<unsigned char>(text[at]);
    return (high & 0x8080808080808080) != 0;
}

// `text` in its ASCII form: `text` itself when it is ASCII, else a view of
// `buffer`, which holds the translation.
std::string_view AsciiForm(std::string_view text, std::string& buffer);

} // namespace quillet
