#pragma once
// Finding the value a person wrote inside free text, such as a line copied
// from a shot list, an edit list or a message:
// "Shot 12 TC 10:00:00:00 to 10:00:05:00" holds the timecode 10:00:00:00.

#include <string_view>

namespace quillet {

enum class ValueKind {
    kNone,     // the text holds no digit
    kTimecode, // two or more groups of digits, each joined to the next by one ':', ';', '.' or ','
    kNumber,   // a run of digits standing alone
};

struct ValueInText {
    ValueKind kind = ValueKind::kNone;
    // The value as written, digits and joiners only: a view into the searched
    // text (so it lives as long as that text); empty for kNone.
    std::string_view text;
};

// The first timecode in `text`; when it holds none, its first number; kNone
// when it holds no digit. Nothing around the value belongs to it: not a sign
// ("-01:00" gives "01:00"), not letters ("Shot12" gives "12"), not a joiner
// without a digit after it ("10:00." gives "10:00"). Any group length counts,
// so "1,000" and "2.5" are timecodes too. Only the ASCII digits 0-9 are
// digits; other bytes, including those of UTF-8 characters, are text.
ValueInText FindValueInText(std::string_view text);

} // namespace quillet
