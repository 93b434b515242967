#pragma once
// SMPTE drop-frame counting, at 29.97 frames per second (30 labels a
// labelled second, 2 dropped a minute) and at 59.94 (60 labels, 4 dropped).
// A label count L counts time-code labels; a frame count N counts real
// frames. The first labels of second 00 of every minute not divisible by ten
// are skipped ("dropped"). All functions work on any |value| below 2^62.

#include <cstdint>

namespace quillet {

template <std::int64_t LabelsPerSecond>
struct DropFrameCount {
    static constexpr std::int64_t kLabelsPerSecond = LabelsPerSecond;
    static constexpr std::int64_t kLabelsPerMinute = 60 * LabelsPerSecond;
    // 2 at 29.97, 4 at 59.94: what keeps the labels within 3.6 frames of the clock over a day.
    static constexpr std::int64_t kDroppedPerMinute = LabelsPerSecond / 15;
    static constexpr std::int64_t kFramesPerDroppingMinute = kLabelsPerMinute - kDroppedPerMinute;
    static constexpr std::int64_t kFramesPerTenMinutes = 10 * kLabelsPerMinute - 9 * kDroppedPerMinute;

    // Whether label L is dropped. L counts from 00:00:00.00 with every field
    // carried, so at 29.97 00:00:59.30 and 00:00:60.00 are the label 00:01:00.00.
    static constexpr bool IsDroppedLabel(std::int64_t labelCount)
    {
        return labelCount % kLabelsPerMinute < kDroppedPerMinute && (labelCount / kLabelsPerMinute) % 10 != 0;
    }

    // Frames before label L. A dropped label gives the same count as the
    // label kDroppedPerMinute before it, so bump dropped labels up first.
    static constexpr std::int64_t LabelToFrames(std::int64_t labelCount)
    {
        const std::int64_t minutes = labelCount / kLabelsPerMinute;
        return labelCount - kDroppedPerMinute * (minutes - minutes / 10);
    }

    // The exact inverse of LabelToFrames: the one label that is not dropped
    // and counts frameCount frames. Negative counts give the negated label.
    static constexpr std::int64_t FramesToLabel(std::int64_t frameCount)
    {
        if (frameCount < 0) return -FramesToLabel(-frameCount);
        const std::int64_t blocks = frameCount / kFramesPerTenMinutes;
        const std::int64_t rest = frameCount % kFramesPerTenMinutes;
        std::int64_t label = frameCount + 9 * kDroppedPerMinute * blocks;
        if (rest >= kDroppedPerMinute)
            label += kDroppedPerMinute * ((rest - kDroppedPerMinute) / kFramesPerDroppingMinute);
        return label;
    }
};

using DropFrame2997 = DropFrameCount<30>;
using DropFrame5994 = DropFrameCount<60>;

// The 29.97 counting, which most of the program means by drop frame.
constexpr bool IsDroppedLabel(std::int64_t labelCount) { return DropFrame2997::IsDroppedLabel(labelCount); }
constexpr std::int64_t LabelToFrames(std::int64_t labelCount) { return DropFrame2997::LabelToFrames(labelCount); }
constexpr std::int64_t FramesToLabel(std::int64_t frameCount) { return DropFrame2997::FramesToLabel(frameCount); }

static_assert(DropFrame2997::kFramesPerTenMinutes == 17982 && DropFrame5994::kFramesPerTenMinutes == 35964);
static_assert(IsDroppedLabel(1800) && IsDroppedLabel(1801) && !IsDroppedLabel(1802) && !IsDroppedLabel(18000));
static_assert(FramesToLabel(1799) == 1799);
static_assert(FramesToLabel(1800) == 1802);
static_assert(FramesToLabel(17982) == 18000);
static_assert(FramesToLabel(107892) == 108000);
static_assert(DropFrame5994::FramesToLabel(3599) == 3599 && DropFrame5994::FramesToLabel(3600) == 3604);
static_assert(DropFrame5994::FramesToLabel(35964) == 36000 && DropFrame5994::FramesToLabel(215784) == 216000);
static_assert(DropFrame5994::IsDroppedLabel(3603) && !DropFrame5994::IsDroppedLabel(3604));

} // namespace quillet
