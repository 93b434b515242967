#pragma once
// Reading a value written as text in a given format: pasted, in a list, on
// quillet-calc's command line or standard input. One rule for all of them:
// - digits alone ("01000000", "1800") are read as typed on the keypad, filled
//   from the right; leading zeros are free, more significant digits than the
//   format holds are an error;
// - digits with separators are read field by field from the right, as
//   written: "1:2:3:4" is 01:02:03:04, "366+12" is 366 feet 12 frames. Each
//   field must fit its digits and stay below its range, whatever the overflow
//   option says (it is for the keypad); a dropped drop-frame label follows the
//   bump-up option; in Seconds the digits after the point are decimals
//   ("100.6" is 100.600 s), and real time's last field is a decimal fraction
//   too ("1.5" is 1.50 s, "1.500" too, "1.505" an error); drop frame may be
//   written with ';' between every field ("00;00;05;00");
// - a separator the format does not write is an error, never reinterpreted:
//   ';' in a non-drop time code, '+' in a time code; in a frame count only
//   commas between groups of three digits ("12,345").
// Unicode digits and blanks are read as their ASCII forms (ascii_form.h).
// Typing on the keypad does not go through here.

#include "format_table.h"
#include "value_codec.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace quillet {

enum class WrittenFault : std::uint8_t {
    kNone,
    kNoDigits,        // nothing to read
    kBadCharacter,    // a character that is neither a digit nor a separator
    kWrongMark,       // a separator this format does not write
    kTooManyDigits,   // more significant digits than the format holds
    kTooManyFields,   // more fields than the format has
    kEmptyField,      // two separators in a row, or one at either end
    kFinerThanHundredths, // a decimal fraction finer than the format's unit (hundredths, milliseconds)
    kFieldTooLong,    // a field with more digits than it holds
    kFieldOutOfRange, // a field at or beyond its range
    kDroppedLabel,    // a drop-frame label that does not exist, with bump-up off
    kOverflow,        // digits alone that overflow a field, with overflow off
};

struct WrittenValue {
    WrittenFault fault = WrittenFault::kNone;
    std::int32_t value = 0; // kNone: in the format's unit
    // kNone: the entry digits that read as the value, as the keypad would have
    // them (digits alone keep any overflow they were written with).
    EntryDigits digits = kZeroDigits;
    int field = -1;         // the field at fault (0 the lowest), or -1
    std::int64_t fieldValue = 0;
    char mark = 0;          // kBadCharacter, kWrongMark: the character
    bool asTyped = false;   // digits alone, read as the keypad reads them (they may overflow a field)
};

// Reads `text` (blanks around it allowed) in `format`.
WrittenValue ReadWrittenValue(std::string_view text, const TimecodeFormat& format, EntryOptions options);

// `value` written as editing applications and spreadsheets write it, so that
// ReadWrittenValue reads it back: ';' before drop-frame frames, ':' in other
// time codes, '.' before hundredths, "366+12" for feet and frames, the plain
// number for a frame count. Empty for a value the format cannot show.
std::string EditingText(const TimecodeFormat& format, std::int64_t value);
// The same for a text as the display shows it (without "E" and the trailing
// blank or operator): its separators and leading zeros as editing
// applications write them.
std::string EditingForm(const TimecodeFormat& format, std::string text);

} // namespace quillet
