#pragma once
// The passage between a register's eight entry digits and its value: reading
// typed digits (with the two entry options), writing a value back as digits,
// and building the display text from digits. Values are counts in the unit of
// the format's lowest field (frames, hundredths, feet frames, plain number).

#include "format_table.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace quillet {

using EntryDigits = std::array<char, 9>; // eight '0'..'9' and a terminating zero

struct EntryOptions {
    bool allowOverflow = true; // a field may reach or pass its modulus and carry upwards
    bool bumpUpDropped = true; // a dropped drop-frame label moves up two frames instead of failing
};

// Reads the last totalDigits digits in `format`. Empty when a field is at or
// above its modulus while overflow is off, or the label is dropped while
// bump-up is off. Drop-frame entries give real frames, not labels.
std::optional<std::int32_t> ParseDigits(const TimecodeFormat& format, const EntryDigits& digits,
                                        EntryOptions options);

// The value of an entry whose fields carry into `count` units of the lowest
// field (for drop frame, labels): ParseDigits after the fields are read.
// Empty for a dropped drop-frame label without bump-up.
std::optional<std::int32_t> CountToValue(const TimecodeFormat& format, std::int64_t count, bool bumpUpDropped);

// Why ParseDigits refused `digits` with the same arguments: the highest field
// at or above its modulus (0 is the lowest field), or -1 when the label is a
// dropped drop-frame label.
int UnreadableField(const TimecodeFormat& format, const EntryDigits& digits, EntryOptions options);

struct FormattedValue {
    EntryDigits digits;
    bool cannotBeShown; // negative (digits hold the magnitude) or too large (the part above the highest field is lost)
};

// Writes a value as eight digits in `format`; drop-frame values are frame
// counts and are written as their label. Any int64 whose magnitude is below
// 2^62 is accepted.
FormattedValue FormatValue(const TimecodeFormat& format, std::int64_t value);
// The same, writing straight into `digits`; returns whether the value cannot be shown.
bool FormatValue(const TimecodeFormat& format, std::int64_t value, EntryDigits& digits);

// The display text of the digits in `format`: the last totalDigits digits,
// each field preceded by its separator. "Drop Frame" 01020304 -> 01:02:03.04.
std::string DigitsToText(const TimecodeFormat& format, const EntryDigits& digits);
// The same text appended to `text`, without allocating for short strings.
void AppendDigitsText(const TimecodeFormat& format, const EntryDigits& digits, std::string& text);
// The same text written to `out`, which holds kMaxDigitsTextLength characters
// (no terminator is written); returns its length.
constexpr int kMaxDigitsTextLength = 12; // eight digits and a separator before each of four fields
int WriteDigitsText(const TimecodeFormat& format, const EntryDigits& digits, char* out);

constexpr EntryDigits kZeroDigits{'0', '0', '0', '0', '0', '0', '0', '0', '\0'};

} // namespace quillet
