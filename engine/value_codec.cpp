#include "value_codec.h"

#include "drop_frame.h"

namespace quillet {
namespace {

std::int64_t ReadNumber(const char* first, int count)
{
    std::int64_t number = 0;
    for (int i = 0; i < count; ++i) number = number * 10 + (first[i] - '0');
    return number;
}

// A label whose frames 00 or 01 fall on second 00 of a minute not divisible
// by ten does not exist in drop-frame counting. The test looks at the fields
// as typed, so an overflowed minute such as 70 counts as divisible by ten.
bool IsDroppedLabel(std::int64_t frames, std::int64_t seconds, std::int64_t minutes)
{
    return frames <= 1 && seconds == 0 && minutes % 10 != 0;
}

} // namespace

std::optional<std::int32_t> ParseDigits(const TimecodeFormat& format, const EntryDigits& digits,
                                        EntryOptions options)
{
    std::int64_t sum = 0;
    int position = 8 - format.totalDigits;
    std::int64_t typed[4] = {0, 0, 0, 0};
    for (int field = format.fieldCount - 1; field >= 0; --field) {
        const FormatField& f = format.fields[field];
        const std::int64_t v = ReadNumber(&digits[position], f.digits);
        position += f.digits;
        sum += v;
        typed[field] = v;
        if (!options.allowOverflow && v >= f.modulus) return std::nullopt;
        if (field > 0) sum *= format.fields[field - 1].modulus;
    }
    if (IsDropFrame(format)) {
        if (IsDroppedLabel(typed[0], typed[1], typed[2])) {
            if (!options.bumpUpDropped) return std::nullopt;
            sum += 2;
        }
        sum = LabelToFrames(sum);
    }
    // Eight digits in any listed layout stay far below 2^31 (the largest,
    // "Real-time" 99:99:99.99, is 36,243,999 hundredths).
    return static_cast<std::int32_t>(sum);
}

FormattedValue FormatValue(const TimecodeFormat& format, std::int64_t value)
{
    FormattedValue out{kZeroDigits, false};
    if (value < 0) {
        out.cannotBeShown = true;
        value = -value;
    }
    if (IsDropFrame(format)) value = FramesToLabel(value);

    int end = 8; // one past the lowest field's last digit
    for (int field = 0; field < format.fieldCount; ++field) {
        const FormatField& f = format.fields[field];
        std::int64_t fieldValue = value;
        if (f.modulus != 0) {
            fieldValue = value % f.modulus;
            value /= f.modulus;
        } else {
            value = 0;
        }
        // The field's decimal text, padded with zeros to its digits; a wider
        // number (only possible with modulus 0) keeps its lowest digits.
        for (int i = 0; i < f.digits; ++i) {
            out.digits[end - 1 - i] = static_cast<char>('0' + fieldValue % 10);
            fieldValue /= 10;
        }
        end -= f.digits;
    }
    if (value != 0) out.cannotBeShown = true;
    return out;
}

std::string DigitsToText(const TimecodeFormat& format, const EntryDigits& digits)
{
    std::string text;
    int position = 8 - format.totalDigits;
    for (int field = format.fieldCount - 1; field >= 0; --field) {
        const FormatField& f = format.fields[field];
        if (f.separator > 0) text.push_back(static_cast<char>(f.separator));
        text.append(&digits[position], f.digits);
        position += f.digits;
    }
    return text;
}

} // namespace quillet
