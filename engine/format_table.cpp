#include "format_table.h"

namespace quillet {

namespace {

constexpr FormatField Frames(int modulus, char separator) { return {"frm", 2, modulus, separator}; }
constexpr FormatField kSeconds{"sec", 2, 60, ':'};
constexpr FormatField kMinutes{"min", 2, 60, ':'};
constexpr FormatField kHours{"hour", 2, 24, 0};

constexpr TimecodeFormat Row(const char* name, int rate, int flags, int fieldCount, FormatField f0,
                             FormatField f1 = {}, FormatField f2 = {}, FormatField f3 = {})
{
    TimecodeFormat row{};
    for (int i = 0; i < 19 && name[i] != '\0'; ++i) row.name[i] = name[i];
    row.rate = rate;
    row.flags = flags;
    row.fieldCount = fieldCount;
    row.fields[0] = f0;
    row.fields[1] = f1;
    row.fields[2] = f2;
    row.fields[3] = f3;
    row.familyNumerator = 1;
    row.familyDenominator = 1;
    return row;
}

constexpr TimecodeFormat TimeCode(const char* name, int rate, int flags, FormatField lowest)
{
    return Row(name, rate, flags, 4, lowest, kSeconds, kMinutes, kHours);
}

// A time code at `labelsPerSecond`, each frame numerator/denominator frames of
// the family that `rate` names.
constexpr TimecodeFormat Rate(const char* name, int rate, int flags, int labelsPerSecond, char separator,
                              int numerator, int denominator)
{
    TimecodeFormat row = TimeCode(name, rate, flags, Frames(labelsPerSecond, separator));
    row.familyNumerator = numerator;
    row.familyDenominator = denominator;
    return row;
}

constexpr TimecodeFormat FrameCount(const char* name, int rate, FormatField only)
{
    return Row(name, rate, 0, 1, only);
}

// A count of frames at a rate beyond the eleven, each numerator/denominator
// frames of the family that `rate` names.
constexpr TimecodeFormat CountAt(const char* name, int rate, FormatField only, int numerator, int denominator)
{
    TimecodeFormat row = FrameCount(name, rate, only);
    row.familyNumerator = numerator;
    row.familyDenominator = denominator;
    return row;
}

constexpr TimecodeFormat Footage(const char* name, int framesPerUnit, FormatField high)
{
    return Row(name, 24, 0, 2, Frames(framesPerUnit, ':'), high);
}

// Fills in what follows from the rows' order and fields.
constexpr std::array<TimecodeFormat, kFormatTableSize> Complete(std::array<TimecodeFormat, kFormatTableSize> rows)
{
    for (int i = 0; i < kFormatTableSize; ++i) {
        rows[i].listIndex = i - 1 - kScalarRow;
        rows[i].totalDigits = TotalDigits(rows[i]);
    }
    return rows;
}

} // namespace

constexpr std::array<TimecodeFormat, kFormatTableSize> FormatTable = Complete({{
    Row("Scalar", 100, 0x100, 1, {"oper", 4, 10000, 0}),
    TimeCode("Drop Frame", 29, 1, Frames(30, '.')),
    TimeCode("NTSC-ND", 29, 0, Frames(30, ':')),
    TimeCode("PAL", 25, 0, Frames(25, ':')),
    FrameCount("NTSC frames", 29, {"frames  (29.97/sec)", 8, 100000000, 0}),
    FrameCount("PAL frames", 25, {"frames  (25/sec)", 8, 100000000, 0}),
    FrameCount("Film frames", 24, {"frames  (24/sec)", 8, 100000000, 0}),
    FrameCount("30fps frames", 30, {"frames  (30/sec)", 8, 100000000, 0}),
    TimeCode("Real-time", 100, 0, {"%", 2, 100, '.'}),
    Footage("16mm", 40, {"feet", 6, 1000000, 0}),
    Footage("35mm", 16, {"feet", 6, 1000000, 0}),
    Footage("16mm/20", 20, {"keycode", 6, 1000000, 0}),
    Rate("23.976", 29, 0, 24, ':', 5, 4), // a film frame shown at NTSC speed
    Rate("24 fps", 24, 0, 24, ':', 1, 1),
    Rate("30 fps", 30, 0, 30, ':', 1, 1),
    Rate("48 fps", 24, 0, 48, ':', 1, 2),
    Rate("50 fps", 25, 0, 50, ':', 1, 2),
    Rate("59.94 DF", 29, 1, 60, '.', 1, 2),
    Rate("59.94 NDF", 29, 0, 60, ':', 1, 2),
    Rate("60 fps", 30, 0, 60, ':', 1, 2),
    CountAt("48 frames", 24, {"frames  (48/sec)", 8, 100000000, 0}, 1, 2),
    CountAt("50 frames", 25, {"frames  (50/sec)", 8, 100000000, 0}, 1, 2),
    CountAt("59.94 frames", 29, {"frames  (59.94/sec)", 8, 100000000, 0}, 1, 2),
    CountAt("60 frames", 30, {"frames  (60/sec)", 8, 100000000, 0}, 1, 2),
    Row("Seconds", kMillisecondRate, 0, 2, {"ms", 3, 1000, '.'}, {"sec", 5, 100000, 0}),
}});
static_assert(NameOf(FormatTable[kScalarRow + 1 + kSecondsPosition]) == "Seconds");

// Every listed layout fills the eight entry digits; the Scalar operand takes four.
static_assert([] {
    for (int i = 1; i < kFormatTableSize; ++i)
        if (FormatTable[i].totalDigits != 8 || FormatTable[i].listIndex != i - 1) return false;
    return FormatTable[kScalarRow].totalDigits == 4;
}());
static_assert([] {
    for (const TimecodeFormat& row : FormatTable)
        if (IsDropFrame(row) != (row.fields[0].separator == '.' && row.rate == 29)) return false;
    return true;
}(), "drop frame, and only drop frame, is marked by the point before its frames");

void FillFormatList(FormatSelector& selector, bool moreRates)
{
    const int count = moreRates ? kListedFormatCount : kBaseFormatCount;
    for (int position = 0; position < count; ++position) selector.AddString(ListedFormat(position).name);
}

} // namespace quillet
