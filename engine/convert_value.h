#pragma once
// Conversion of a value between the units of two formats, chosen by their
// rate codes. 24 and 25 are the same film frames; four of them are five
// frames at 29.97 or 30; 29.97 frames meet real time and 30 frames per second
// through their drop-frame label count at 30 labels per second. The formats
// beyond the eleven are a fixed fraction of their rate code's frames (their
// family) and convert through it, apart from the clock: 59.94 meets real time
// and 60 fps through its own label count at 60 a second, and a 23.976 frame
// lasts exactly 1001/24000 s. Seconds hold the true running time of a value
// to the millisecond (a 29.97 frame lasts 1001/30000 s); from them comes the
// nearest frame.

#include "format_table.h"

#include <cstdint>

namespace quillet {

// The value in `from`'s unit expressed in `to`'s unit, truncated toward zero
// (out of Seconds: the nearest unit, halfway away from zero).
// Computed in 64 bits: any |value| up to 10^14 converts without overflow.
std::int64_t ConvertValue(const TimecodeFormat& from, std::int64_t value, const TimecodeFormat& to);

} // namespace quillet
