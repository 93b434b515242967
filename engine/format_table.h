#pragma once
// The table of timecode formats, fixed at compile time. Every register reads
// and shows its value through one of these rows; nothing else in the program
// knows what a format looks like, apart from the drop-frame flag and the rate
// codes that conversion tests.

#include <array>
#include <cstdint>
#include <string_view>

namespace quillet {

struct FormatField {
    char label[20];        // the field's shorthand ("sec", "feet"); words.h makes a word of it
    std::int32_t digits;    // digit characters the field takes in the entry and on the display
    std::int32_t modulus;   // a field value is below this; the next field up is worth this many units
    std::int32_t separator; // character printed before the field's digits, 0 for none
};

struct TimecodeFormat {
    char name[20];            // the text the format selectors show
    std::int32_t rate;        // 29 (NTSC, 29.97/s), 30, 25, 24, 100 (hundredths of a second) or 1000 (milliseconds)
    std::int32_t flags;       // low byte non-zero: drop-frame counting
    std::int32_t fieldCount;  // fields in use, 1 to 4
    FormatField fields[4];    // lowest-order field first
    std::int32_t listIndex;   // position in the selectors (-1 for the Scalar row)
    std::int32_t totalDigits; // sum of the used fields' digits
    // How many frames of the rate code's own unit (its family: 29.97, 30, 25 or
    // 24 frames) one frame of this format is: 5/4 for 23.976, 1/2 for 59.94 or
    // 50 fps, 1/1 for the eleven formats every selector offers.
    std::int32_t familyNumerator;
    std::int32_t familyDenominator;
};

constexpr bool IsDropFrame(const TimecodeFormat& format) { return (format.flags & 0xFF) != 0; }

// Rate code of "Seconds": milliseconds of true running time, SSSSS.mmm.
constexpr std::int32_t kMillisecondRate = 1000;
constexpr bool IsSeconds(const TimecodeFormat& format) { return format.rate == kMillisecondRate; }

// A 59.94 format, drop-frame or non-drop time code or frame count: half NTSC
// frames, counted against the clock through the 59.94 drop-frame labels as
// NTSC frames are through Drop Frame's.
constexpr bool IsNtsc5994(const TimecodeFormat& format)
{
    return format.rate == 29 && format.familyDenominator == 2 * format.familyNumerator;
}

// The format's name as the selectors show it.
constexpr std::string_view NameOf(const TimecodeFormat& format)
{
    std::size_t length = 0;
    while (length < sizeof format.name && format.name[length] != '\0') ++length;
    return {format.name, length};
}

constexpr int kScalarRow = 0;
// The eleven formats every selector offers, at list positions 0..10.
constexpr int kBaseFormatCount = 11;
// Today's frame rates, offered after them on request: eight time codes
// (positions 11..18), then the frame counts of the rates the eleven have no
// count for (19..22: 48, 50, 59.94 and 60 frames), then the true running
// time in seconds (23). New formats go at the end: stored choices are positions.
constexpr int kMoreRateCount = 13;
constexpr int kSecondsPosition = 23;
constexpr int kListedFormatCount = kBaseFormatCount + kMoreRateCount;
constexpr int kFormatTableSize = kListedFormatCount + 1;

// The sum of digits over the first fieldCount fields (0 when there are none).
constexpr std::int32_t TotalDigits(const TimecodeFormat& format)
{
    std::int32_t total = 0;
    for (int i = 0; i < format.fieldCount && i < 4; ++i) total += format.fields[i].digits;
    return total;
}

// Row 0 is the plain-number operand of '*' and '/'; the other rows are the
// listed formats in selector order. Built at compile time (format_table.cpp),
// never written.
extern const std::array<TimecodeFormat, kFormatTableSize> FormatTable;

inline const TimecodeFormat& ScalarFormat() { return FormatTable[kScalarRow]; }

// The listed row at table position `position` (0 "Drop Frame" .. 10 "16mm/20",
// 11 "23.976" .. 22 "60 frames", 23 "Seconds"). Callers must pass 0..kListedFormatCount-1.
inline const TimecodeFormat& ListedFormat(int position) { return FormatTable[kScalarRow + 1 + position]; }

// The listed row at selector position `listIndex`; "Drop Frame" for any other
// index (also for -1, a selector's no-selection value). Never the Scalar row.
inline const TimecodeFormat& FindFormat(int listIndex)
{
    return listIndex >= 0 && listIndex < kListedFormatCount ? ListedFormat(listIndex) : ListedFormat(0);
}

// Where FillFormatList puts the format names: a drop-down list that keeps
// insertion order.
class FormatSelector {
public:
    virtual void AddString(const char* name) = 0;

protected:
    ~FormatSelector() = default;
};

// Appends the eleven base names in table order, and with moreRates the rows
// after them, so that a name's position in the list is its row's listIndex.
void FillFormatList(FormatSelector& selector, bool moreRates = false);

} // namespace quillet
