#include "text_lines.h"

#include <cstdint>
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

namespace {

// How many bytes of `text` are `c`, eight bytes at a time: the batch reader
// numbers its lines by counting them in every block it reads.
long long CountByte(std::string_view text, char c)
{
    constexpr std::uint64_t kOnes = 0x0101010101010101;
    constexpr std::uint64_t kLow7 = 0x7F7F7F7F7F7F7F7F;
    const std::uint64_t pattern = kOnes * static_cast<unsigned char>(c);
    long long count = 0;
    std::size_t at = 0;
    for (; at + 8 <= text.size(); at += 8) {
        std::uint64_t word;
        std::memcpy(&word, text.data() + at, 8);
        word ^= pattern; // a zero byte where `c` was
        // The high bit of each zero byte, exactly (no carry crosses bytes).
        const std::uint64_t zeros = ~(((word & kLow7) + kLow7) | word | kLow7);
        count += static_cast<long long>(((zeros >> 7) * kOnes) >> 56); // their sum lands in the top byte
    }
    for (; at < text.size(); ++at) count += text[at] == c;
    return count;
}

} // namespace

long long CountLineEnds(std::string_view text)
{
    // Without a CR, counting LFs is all there is.
    if (std::memchr(text.data(), '\r', text.size()) == nullptr) return CountByte(text, '\n');
    long long count = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n') ++count;
        else if (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n')) ++count;
    }
    return count;
}

} // namespace quillet
