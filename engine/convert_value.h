#pragma once
// Conversion of a value between the units of two formats, chosen by their
// rate codes. 24 and 25 are the same film frames; four of them are five
// frames at 29.97 or 30; 29.97 frames meet real time and 30 frames per second
// through their drop-frame label count at 30 labels per second.

#include "format_table.h"

#include <cstdint>

namespace quillet {

// The value in `from`'s unit expressed in `to`'s unit, truncated toward zero.
// Computed in 64 bits: any |value| up to 2^40 converts without overflow.
std::int64_t ConvertValue(const TimecodeFormat& from, std::int64_t value, const TimecodeFormat& to);

} // namespace quillet
