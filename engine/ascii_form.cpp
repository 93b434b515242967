#include "ascii_form.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace quillet {
namespace {

// The digit zero of each run of ten decimal digits in Unicode 15 (every
// character of category Nd belongs to one such run, zero to nine in order).
constexpr std::array<char32_t, 68> kDigitZeros = {
    0x0030,  0x0660,  0x06F0,  0x07C0,  0x0966,  0x09E6,  0x0A66,  0x0AE6,  0x0B66,  0x0BE6,  0x0C66,  0x0CE6,
    0x0D66,  0x0DE6,  0x0E50,  0x0ED0,  0x0F20,  0x1040,  0x1090,  0x17E0,  0x1810,  0x1946,  0x19D0,  0x1A80,
    0x1A90,  0x1B50,  0x1BB0,  0x1C40,  0x1C50,  0xA620,  0xA8D0,  0xA900,  0xA9D0,  0xA9F0,  0xAA50,  0xABF0,
    0xFF10,  0x104A0, 0x10D30, 0x11066, 0x110F0, 0x11136, 0x111D0, 0x112F0, 0x11450, 0x114D0, 0x11650, 0x116C0,
    0x11730, 0x118E0, 0x11950, 0x11C50, 0x11D50, 0x11DA0, 0x11F50, 0x16A60, 0x16AC0, 0x16B50, 0x1D7CE, 0x1D7D8,
    0x1D7E2, 0x1D7EC, 0x1D7F6, 0x1E140, 0x1E2F0, 0x1E4F0, 0x1E950, 0x1FBF0,
};
static_assert(std::is_sorted(kDigitZeros.begin(), kDigitZeros.end()));

bool IsSpaceSeparator(char32_t c)
{
    return c == 0x00A0 || c == 0x1680 || (c >= 0x2000 && c <= 0x200A) || c == 0x202F || c == 0x205F || c == 0x3000;
}

// The ASCII character `c` stands for, or 0 for none.
char AsciiOf(char32_t c)
{
    if (IsSpaceSeparator(c)) return ' ';
    if (c >= 0xFF01 && c <= 0xFF5E) return static_cast<char>(c - 0xFF01 + 0x21); // fullwidth ASCII
    const auto run = std::upper_bound(kDigitZeros.begin(), kDigitZeros.end(), c);
    if (run != kDigitZeros.begin() && c - run[-1] < 10) return static_cast<char>('0' + (c - run[-1]));
    return 0;
}

// The code point of the UTF-8 sequence at `text[at]` and its length; length 0
// when it is no well-formed sequence.
std::pair<char32_t, std::size_t> Decode(std::string_view text, std::size_t at)
{
    const auto lead = static_cast<unsigned char>(text[at]);
    const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
    if (length == 0 || lead > 0xF4 || at + length > text.size()) return {0, 0};
    char32_t c = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[at + i]);
        if ((next & 0xC0) != 0x80) return {0, 0};
        c = c << 6 | (next & 0x3F);
    }
    // Overlong forms and surrogates are no characters.
    if ((length == 3 && c < 0x800) || (length == 4 && (c < 0x10000 || c > 0x10FFFF)) || (c >= 0xD800 && c <= 0xDFFF))
        return {0, 0};
    return {c, length};
}

} // namespace

std::string_view AsciiForm(std::string_view text, std::string& buffer)
{
    if (!HasNonAscii(text)) return text;
    buffer.clear();
    for (std::size_t at = 0; at < text.size();) {
        if (static_cast<unsigned char>(text[at]) < 0x80) {
            buffer += text[at++];
            continue;
        }
        const auto [c, length] = Decode(text, at);
        const char ascii = length > 0 ? AsciiOf(c) : 0;
        const std::size_t keep = length > 0 ? length : 1;
        if (ascii != 0) buffer += ascii;
        else buffer.append(text.substr(at, keep));
        at += keep;
    }
    return buffer;
}

} // namespace quillet
