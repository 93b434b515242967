#pragma once
// The static table of timecode formats. Every register reads and shows its
// value through one of these rows; nothing else in the program knows what a
// format looks like, apart from the drop-frame flag and the rate codes that
// conversion tests.

#include <array>
#include <cstdint>

namespace quillet {

struct FormatField {
    char label[20];        // descriptive only, never read by an operation
    std::int32_t digits;    // digit characters the field takes in the entry and on the display
    std::int32_t modulus;   // a field value is below this; the next field up is worth this many units
    std::int32_t separator; // character printed before the field's digits, 0 for none
};

struct TimecodeFormat {
    char name[20];            // the text the format selectors show
    std::int32_t rate;        // 29 (NTSC, 29.97/s), 30, 25, 24 or 100 (hundredths of a second)
    std::int32_t flags;       // low byte non-zero: drop-frame counting
    std::int32_t fieldCount;  // fields in use, 1 to 4
    FormatField fields[4];    // lowest-order field first
    std::int32_t listIndex;   // position in the selectors, written by FillFormatList
    std::int32_t totalDigits; // sum of the used fields' digits, written by ComputeTotalDigits
};

inline bool IsDropFrame(const TimecodeFormat& format) { return (format.flags & 0xFF) != 0; }

constexpr int kScalarRow = 0;
constexpr int kListedFormatCount = 11;
constexpr int kFormatTableSize = kListedFormatCount + 1;

// Row 0 is the plain-number operand of '*' and '/'; rows 1 to 11 are the
// listed formats in selector order. listIndex and totalDigits are the only
// members that change, and the whole program shares them.
extern std::array<TimecodeFormat, kFormatTableSize> FormatTable;

inline TimecodeFormat& ScalarFormat() { return FormatTable[kScalarRow]; }

// The listed row at table position `position` (0 "Drop Frame" .. 10 "16mm/20"),
// independent of the selectors. Callers must pass 0..10.
inline TimecodeFormat& ListedFormat(int position) { return FormatTable[kScalarRow + 1 + position]; }

// Sets totalDigits to the sum of digits over the first fieldCount fields
// (0 when fieldCount is 0 or less).
void ComputeTotalDigits(TimecodeFormat& format);

// The first listed row whose listIndex equals `listIndex`; "Drop Frame" when
// none does (also for -1, a selector's no-selection value). Never the Scalar row.
TimecodeFormat& FindFormat(int listIndex);

// Where FillFormatList puts the format names: a drop-down list that keeps
// insertion order.
class FormatSelector {
public:
    virtual void AddString(const char* name) = 0;

protected:
    ~FormatSelector() = default;
};

// Appends the eleven listed names in table order and sets each row's
// listIndex to the number of names added before it (0..10).
void FillFormatList(FormatSelector& selector);

} // namespace quillet
