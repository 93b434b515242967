#include "time_of_day.h"

#include "drop_frame.h"

namespace quillet {

std::int64_t DayLength(const TimecodeFormat& format)
{
    if (format.fieldCount != 4 || format.fields[3].modulus != 24) return 0;
    std::int64_t labels = 1;
    for (const FormatField& field : format.fields) labels *= field.modulus;
    if (!IsDropFrame(format)) return labels;
    return IsNtsc5994(format) ? DropFrame5994::LabelToFrames(labels) : LabelToFrames(labels);
}

std::int64_t IntoDay(const TimecodeFormat& format, std::int64_t value)
{
    const std::int64_t day = DayLength(format);
    if (day == 0) return value;
    const std::int64_t within = value % day;
    return within < 0 ? within + day : within;
}

} // namespace quillet
