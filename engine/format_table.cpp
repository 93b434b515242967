#include "format_table.h"

namespace quillet {
namespace {

constexpr FormatField Frames(int modulus, char separator) { return {"frm", 2, modulus, separator}; }
constexpr FormatField Seconds{"sec", 2, 60, ':'};
constexpr FormatField Minutes{"min", 2, 60, ':'};
constexpr FormatField Hours{"hour", 2, 24, 0};

constexpr void CopyName(char (&to)[20], const char* from)
{
    for (int i = 0; i < 19 && from[i] != '\0'; ++i) to[i] = from[i];
}

constexpr TimecodeFormat TimeCode(const char* name, int rate, int flags, FormatField lowest)
{
    TimecodeFormat row{};
    CopyName(row.name, name);
    row.rate = rate;
    row.flags = flags;
    row.fieldCount = 4;
    row.fields[0] = lowest;
    row.fields[1] = Seconds;
    row.fields[2] = Minutes;
    row.fields[3] = Hours;
    return row;
}

constexpr TimecodeFormat OneField(const char* name, int rate, int flags, FormatField only)
{
    TimecodeFormat row{};
    CopyName(row.name, name);
    row.rate = rate;
    row.flags = flags;
    row.fieldCount = 1;
    row.fields[0] = only;
    return row;
}

constexpr TimecodeFormat Footage(const char* name, int framesPerUnit, FormatField high)
{
    TimecodeFormat row{};
    CopyName(row.name, name);
    row.rate = 24;
    row.fieldCount = 2;
    row.fields[0] = Frames(framesPerUnit, ':');
    row.fields[1] = high;
    return row;
}

constexpr std::array<TimecodeFormat, kFormatTableSize> kRows{{
    OneField("Scalar", 100, 0x100, {"oper", 4, 10000, 0}),
    TimeCode("Drop Frame", 29, 1, Frames(30, '.')),
    TimeCode("NTSC-ND", 29, 0, Frames(30, ':')),
    TimeCode("PAL", 25, 0, Frames(25, ':')),
    OneField("NTSC frames", 29, 0, {"frames  (29.97/sec)", 8, 100000000, 0}),
    OneField("PAL frames", 25, 0, {"frames  (25/sec)", 8, 100000000, 0}),
    OneField("Film frames", 24, 0, {"frames  (24/sec)", 8, 100000000, 0}),
    OneField("30fps frames", 30, 0, {"frames  (30/sec)", 8, 100000000, 0}),
    TimeCode("Real-time", 100, 0, {"%", 2, 100, '.'}),
    Footage("16mm", 40, {"feet", 6, 1000000, 0}),
    Footage("35mm", 16, {"feet", 6, 1000000, 0}),
    Footage("16mm/20", 20, {"keycode", 6, 1000000, 0}),
}};

static_assert(kRows.size() == kFormatTableSize);
static_assert(kRows[1].fields[0].separator == '.' && kRows[2].fields[0].separator == ':',
              "drop-frame is marked by the point before its frames");

} // namespace

std::array<TimecodeFormat, kFormatTableSize> FormatTable = kRows;

void ComputeTotalDigits(TimecodeFormat& format)
{
    std::int32_t total = 0;
    for (int i = 0; i < format.fieldCount && i < 4; ++i) total += format.fields[i].digits;
    format.totalDigits = total;
}

TimecodeFormat& FindFormat(int listIndex)
{
    for (int position = 0; position < kListedFormatCount; ++position) {
        TimecodeFormat& row = ListedFormat(position);
        if (row.listIndex == listIndex) return row;
    }
    return ListedFormat(0);
}

void FillFormatList(FormatSelector& selector)
{
    for (int position = 0; position < kListedFormatCount; ++position) {
        TimecodeFormat& row = ListedFormat(position);
        selector.AddString(row.name);
        row.listIndex = position;
    }
}

} // namespace quillet
