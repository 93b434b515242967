#pragma once
// SMPTE drop-frame counting at 29.97 frames per second. A label count L counts
// time-code labels at 30 per labelled second; a frame count N counts real
// frames. Labels 00 and 01 at second 00 of every minute not divisible by ten
// are skipped ("dropped"). Both functions work on any |value| below 2^62.

#include <cstdint>

namespace quillet {

constexpr std::int64_t kLabelsPerMinute = 1800;
constexpr std::int64_t kFramesPerTenMinutes = 17982; // 18000 labels less 9 x 2 dropped
constexpr std::int64_t kFramesPerDroppingMinute = 1798;

// Whether label L is dropped: frames 00 or 01 at second 00 of a minute not
// divisible by ten. L counts from 00:00:00.00 with every field carried, so
// 00:00:59.30 and 00:00:60.00 are the label 00:01:00.00.
constexpr bool IsDroppedLabel(std::int64_t labelCount)
{
    return labelCount % kLabelsPerMinute < 2 && (labelCount / kLabelsPerMinute) % 10 != 0;
}

// Frames before label L. A dropped label gives the same count as the label
// two before it, so bump dropped labels up before calling this.
constexpr std::int64_t LabelToFrames(std::int64_t labelCount)
{
    const std::int64_t minutes = labelCount / kLabelsPerMinute;
    return labelCount - 2 * (minutes - minutes / 10);
}

// The exact inverse of LabelToFrames: the one label that is not dropped and
// counts frameCount frames. Negative counts give the negated label.
constexpr std::int64_t FramesToLabel(std::int64_t frameCount)
{
    if (frameCount < 0) return -FramesToLabel(-frameCount);
    const std::int64_t blocks = frameCount / kFramesPerTenMinutes;
    const std::int64_t rest = frameCount % kFramesPerTenMinutes;
    std::int64_t label = frameCount + 18 * blocks;
    if (rest >= 2) label += 2 * ((rest - 2) / kFramesPerDroppingMinute);
    return label;
}

static_assert(IsDroppedLabel(1800) && IsDroppedLabel(1801) && !IsDroppedLabel(1802) && !IsDroppedLabel(18000));
static_assert(FramesToLabel(1799) == 1799);
static_assert(FramesToLabel(1800) == 1802);
static_assert(FramesToLabel(17982) == 18000);
static_assert(FramesToLabel(107892) == 108000);

} // namespace quillet
