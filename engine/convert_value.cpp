#include "convert_value.h"

#include "drop_frame.h"

namespace quillet {
namespace {

bool IsVideoRate(int rate) { return rate == 29 || rate == 30; }
bool IsFilmRate(int rate) { return rate == 24 || rate == 25; }
bool IsBase(const TimecodeFormat& format) { return format.familyNumerator == format.familyDenominator; }

// A fraction to multiply by; the product is truncated toward zero only at
// the end of a conversion.
struct Ratio {
    std::int64_t numerator = 1;
    std::int64_t denominator = 1;
};

Ratio operator*(Ratio a, Ratio b) { return {a.numerator * b.numerator, a.denominator * b.denominator}; }
std::int64_t Apply(std::int64_t value, Ratio ratio) { return value * ratio.numerator / ratio.denominator; }

Ratio ToFamily(const TimecodeFormat& format) { return {format.familyNumerator, format.familyDenominator}; }
Ratio FromFamily(const TimecodeFormat& format) { return {format.familyDenominator, format.familyNumerator}; }

// The value in hundredths of a second. 29.97 frames (and 59.94) meet the
// clock through their drop-frame label count; a 23.976 frame lasts exactly
// 1001/24000 s; every other rate scales exactly.
std::int64_t ToHundredths(const TimecodeFormat& from, std::int64_t value)
{
    if (IsNtsc5994(from)) return DropFrame5994::FramesToLabel(value) * 100 / 60;
    if (from.rate == 29 && IsBase(from)) return FramesToLabel(value) * 100 / 30;
    if (from.rate == 29) return Apply(value, ToFamily(from) * Ratio{1001, 300});
    return Apply(value, ToFamily(from) * Ratio{100, from.rate});
}

std::int64_t FromHundredths(const TimecodeFormat& to, std::int64_t hundredths)
{
    if (IsNtsc5994(to)) return DropFrame5994::LabelToFrames(hundredths * 60 / 100);
    if (to.rate == 29 && IsBase(to)) return LabelToFrames(hundredths * 30 / 100);
    if (to.rate == 29) return Apply(hundredths, Ratio{300, 1001} * FromFamily(to));
    return Apply(hundredths, Ratio{to.rate, 100} * FromFamily(to));
}

// The eleven's rules between two families of frames (rate codes 29, 30, 25,
// 24): four film (or PAL) frames are five video frames (3:2 pulldown), a film
// frame is a PAL frame, and 29.97 frames meet 30 fps through their label
// count. A 30 fps frame count is a clock time at 30 frames a second, exactly
// like a drop-frame label count, so 29.97 -> 30 gives the label and 30 ->
// 29.97 the real frames. This keeps 29.97 -> 30 -> real time equal to 29.97
// -> real time, and makes the round trip exact.
std::int64_t BetweenFamilies(int from, std::int64_t count, int to)
{
    if (from == 30 && to == 29) return LabelToFrames(count);
    return FramesToLabel(count); // 29 -> 30
}

Ratio FamilyRatio(int from, int to)
{
    if (IsVideoRate(from) && IsFilmRate(to)) return {4, 5};
    if (IsFilmRate(from) && IsVideoRate(to)) return {5, 4};
    return {};
}

bool MeetsLabelCount(int from, int to) { return (from == 29 && to == 30) || (from == 30 && to == 29); }

// How many milliseconds one unit of `format` truly lasts: a 29.97 frame (of
// any format counted in NTSC frames, drop frame included) 1001/30 ms, a frame
// at an integer rate 1000/rate ms, a hundredth of Real-time 10 ms. Real-time
// itself keeps its meaning: NTSC values meet it through their labels.
Ratio MillisecondsPerUnit(const TimecodeFormat& format)
{
    if (format.rate == 100) return {10, 1};
    const Ratio family = format.rate == 29 ? Ratio{1001, 30} : Ratio{1000, format.rate};
    return ToFamily(format) * family;
}

// The nearest whole count to value * ratio; exactly halfway goes away from
// zero (to the later frame).
std::int64_t ApplyRounded(std::int64_t value, Ratio ratio)
{
    const std::int64_t halfway = value < 0 ? -ratio.denominator : ratio.denominator;
    return (2 * value * ratio.numerator + halfway) / (2 * ratio.denominator);
}

// Seconds: milliseconds of true running time. Into them a value is truncated
// to the millisecond it falls in; out of them comes the nearest unit.
std::int64_t ToMilliseconds(const TimecodeFormat& from, std::int64_t value)
{
    return Apply(value, MillisecondsPerUnit(from));
}

std::int64_t FromMilliseconds(const TimecodeFormat& to, std::int64_t milliseconds)
{
    const Ratio perUnit = MillisecondsPerUnit(to);
    return ApplyRounded(milliseconds, {perUnit.denominator, perUnit.numerator});
}

} // namespace

std::int64_t ConvertValue(const TimecodeFormat& from, std::int64_t value, const TimecodeFormat& to)
{
    if (IsSeconds(from) && IsSeconds(to)) return value;
    if (IsSeconds(to)) return ToMilliseconds(from, value);
    if (IsSeconds(from)) return FromMilliseconds(to, value);
    if (from.rate == 100 && to.rate == 100) return value;
    if (to.rate == 100) return ToHundredths(from, value);
    if (from.rate == 100) return FromHundredths(to, value);

    // 59.94 frames meet 60 fps through their 60-a-second label count, as
    // 29.97 frames meet 30 fps; 30 fps counts are half a 60 fps count.
    if (IsNtsc5994(from) && to.rate == 30)
        return Apply(DropFrame5994::FramesToLabel(value), Ratio{1, 2} * FromFamily(to));
    if (from.rate == 30 && IsNtsc5994(to))
        return DropFrame5994::LabelToFrames(Apply(value, ToFamily(from) * Ratio{2, 1}));

    // Anything else goes through the families by the eleven's rules. A label
    // count needs whole frames, so the family count is truncated first;
    // ratios alone are multiplied together and truncated once.
    if (MeetsLabelCount(from.rate, to.rate))
        return Apply(BetweenFamilies(from.rate, Apply(value, ToFamily(from)), to.rate), FromFamily(to));
    return Apply(value, ToFamily(from) * FamilyRatio(from.rate, to.rate) * FromFamily(to));
}

} // namespace quillet
