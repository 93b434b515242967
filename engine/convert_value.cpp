#include "convert_value.h"

#include "drop_frame.h"

namespace quillet {
namespace {

bool IsVideoRate(int rate) { return rate == 29 || rate == 30; }
bool IsFilmRate(int rate) { return rate == 24 || rate == 25; }

} // namespace

std::int64_t ConvertValue(const TimecodeFormat& from, std::int64_t value, const TimecodeFormat& to)
{
    const std::int64_t b = from.rate;
    const std::int64_t c = to.rate;
    if (b == c) return value;
    // Four film (or PAL) frames are five video frames: 3:2 pulldown.
    if (IsVideoRate(b) && IsFilmRate(c)) return value * 4 / 5;
    if (IsFilmRate(b) && IsVideoRate(c)) return value * 5 / 4;
    // 29.97 frames meet the clock through their label count at 30 labels a second.
    if (c == 100) return b == 29 ? FramesToLabel(value) * 100 / 30 : value * 100 / b;
    if (b == 100) return c == 29 ? LabelToFrames(value * 30 / 100) : value * c / 100;
    if (IsFilmRate(b) && IsFilmRate(c)) return value; // a film frame is a PAL frame
    // A 30 fps frame count is a clock time at 30 frames a second, exactly like
    // a drop-frame label count, so 29.97 -> 30 gives the label and 30 -> 29.97
    // the real frames. This keeps 29.97 -> 30 -> real time equal to 29.97 ->
    // real time, and makes the round trip exact.
    if (b == 30 && c == 29) return LabelToFrames(value);
    if (b == 29 && c == 30) return FramesToLabel(value);
    return value;
}

} // namespace quillet
