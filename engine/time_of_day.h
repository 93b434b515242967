#pragma once
// Time codes (and Real-time) as times of day, for durations across midnight:
// an OUT earlier than its IN is on the next day, and a result at or past 24
// hours, or below zero, wraps into the day. Frame counts, feet and Seconds
// are lengths, never times of day.

#include "format_table.h"

#include <cstdint>

namespace quillet {

// The units of one day in `format` when its highest field is the hour of the
// day; 0 for any other format. A drop-frame day counts real frames (2,589,408 at 29.97).
std::int64_t DayLength(const TimecodeFormat& format);

// `value` wrapped into 0 .. DayLength - 1 for a time of day; any other format's value unchanged.
std::int64_t IntoDay(const TimecodeFormat& format, std::int64_t value);

} // namespace quillet
