#include "value_codec.h"

#include "drop_frame.h"

#include <bit>
#include <cstring>
#include <limits>

namespace quillet {
namespace {

std::int64_t ReadNumber(const char* first, int count)
{
    std::int64_t number = 0;
    for (int i = 0; i < count; ++i) number = number * 10 + (first[i] - '0');
    return number;
}

// For each number below 100, what its two digits add to two '0' characters
// (tens in the first byte): one lookup instead of two divisions in a chain.
constexpr std::array<std::uint16_t, 100> kPairOffsets = [] {
    std::array<std::uint16_t, 100> offsets{};
    for (int n = 0; n < 100; ++n) offsets[n] = static_cast<std::uint16_t>(n / 10 | (n % 10) << 8);
    return offsets;
}();

// Division by the product of a format's lowest moduli (frames, frames per
// minute, ...). The table's products are few and known, and a division by a
// constant compiles to a multiplication, several times faster than dividing
// by a value read from the table.
template <typename Unsigned>
Unsigned DivideByFieldProduct(Unsigned value, std::uint64_t divisor)
{
    switch (divisor) {
    case 16: return value / 16;
    case 24: return value / 24;
    case 48: return value / 48;
    case 50: return value / 50;
    case 60: return value / 60;
    case 1440: return value / 1440;
    case 2880: return value / 2880;
    case 3000: return value / 3000;
    case 3600: return value / 3600;
    case 86400: return value / 86400;
    case 172800: return value / 172800;
    case 180000: return value / 180000;
    case 216000: return value / 216000;
    case 2073600: return value / 2073600;
    case 4147200: return value / 4147200;
    case 4320000: return value / 4320000;
    case 5184000: return value / 5184000;
    case 20: return value / 20;
    case 25: return value / 25;
    case 30: return value / 30;
    case 40: return value / 40;
    case 100: return value / 100;
    case 1000: return value / 1000;
    case 1500: return value / 1500;
    case 1800: return value / 1800;
    case 6000: return value / 6000;
    case 10000: return value / 10000;
    case 90000: return value / 90000;
    case 108000: return value / 108000;
    case 360000: return value / 360000;
    case 2160000: return value / 2160000;
    case 2592000: return value / 2592000;
    case 8640000: return value / 8640000;
    case 16000000: return value / 16000000;
    case 20000000: return value / 20000000;
    case 40000000: return value / 40000000;
    case 100000000: return value / 100000000;
    default: return divisor > std::numeric_limits<Unsigned>::max() ? 0 : value / static_cast<Unsigned>(divisor);
    }
}

// Writes the fields lowest first into the end of `digits`; returns whether
// anything was left above the highest field. Each field is taken from the
// value divided by the product of the moduli below and above it, so the
// divisions do not wait for one another. The eight characters are built in
// one register and stored at once.
template <typename Unsigned>
bool WriteFields(const TimecodeFormat& format, Unsigned value, EntryDigits& digits)
{
    std::uint64_t packed = 0x3030303030303030; // "00000000", digit i in byte i
    int end = 8; // one past the lowest field's last digit
    std::uint64_t product = 1; // of the moduli below the field
    Unsigned below = value;    // value / product
    for (int field = 0; field < format.fieldCount; ++field) {
        const FormatField& f = format.fields[field];
        Unsigned above = 0; // what the fields above this one hold, in their units
        Unsigned fieldValue = below;
        if (f.modulus != 0) {
            product *= static_cast<std::uint64_t>(f.modulus);
            above = DivideByFieldProduct(value, product);
            fieldValue = below - above * static_cast<Unsigned>(f.modulus);
        }
        below = above;
        // The field's decimal text, padded with zeros to its digits; a wider
        // number (only possible with modulus 0) keeps its lowest digits.
        int i = 0;
        for (; i + 2 <= f.digits; i += 2) {
            packed += static_cast<std::uint64_t>(kPairOffsets[fieldValue % 100]) << (8 * (end - i - 2));
            fieldValue /= 100;
        }
        if (i < f.digits) packed += static_cast<std::uint64_t>(fieldValue % 10) << (8 * (end - i - 1));
        end -= f.digits;
    }
    static_assert(std::endian::native == std::endian::little, "digit i is byte i of `packed`");
    std::memcpy(digits.data(), &packed, 8);
    return below != 0;
}

} // namespace

namespace {

// The entry's fields carried into one count of the lowest unit (for drop
// frame, the label count); the highest field at or above its modulus, or -1.
struct CarriedEntry {
    std::int64_t count;
    int overflowedField;
};

CarriedEntry CarryFields(const TimecodeFormat& format, const EntryDigits& digits)
{
    CarriedEntry entry{0, -1};
    int position = 8 - format.totalDigits;
    for (int field = format.fieldCount - 1; field >= 0; --field) {
        const FormatField& f = format.fields[field];
        const std::int64_t v = ReadNumber(&digits[position], f.digits);
        position += f.digits;
        entry.count += v;
        if (v >= f.modulus && entry.overflowedField < 0) entry.overflowedField = field;
        if (field > 0) entry.count *= format.fields[field - 1].modulus;
    }
    return entry;
}

// The real frames before a drop-frame label. The dropped-label rule applies
// to the label the fields carry into, so one more frame typed never reads as
// an earlier frame. A dropped label moves up to the first label after the
// dropped ones, or is refused without bump-up.
template <typename Count>
std::optional<std::int64_t> LabelToDropFrames(std::int64_t label, bool bumpUpDropped)
{
    if (Count::IsDroppedLabel(label)) {
        if (!bumpUpDropped) return std::nullopt;
        label += Count::kDroppedPerMinute;
    }
    return Count::LabelToFrames(label);
}

} // namespace

std::optional<std::int32_t> ParseDigits(const TimecodeFormat& format, const EntryDigits& digits,
                                        EntryOptions options)
{
    const CarriedEntry entry = CarryFields(format, digits);
    if (!options.allowOverflow && entry.overflowedField >= 0) return std::nullopt;
    return CountToValue(format, entry.count, options.bumpUpDropped);
}

std::optional<std::int32_t> CountToValue(const TimecodeFormat& format, std::int64_t count, bool bumpUpDropped)
{
    std::int64_t sum = count;
    if (IsDropFrame(format)) {
        const std::optional<std::int64_t> frames = IsNtsc5994(format)
            ? LabelToDropFrames<DropFrame5994>(sum, bumpUpDropped)
            : LabelToDropFrames<DropFrame2997>(sum, bumpUpDropped);
        if (!frames) return std::nullopt;
        sum = *frames;
    }
    // Eight digits in any listed layout stay far below 2^31 (the largest,
    // "Real-time" 99:99:99.99, is 36,243,999 hundredths).
    return static_cast<std::int32_t>(sum);
}

int UnreadableField(const TimecodeFormat& format, const EntryDigits& digits, EntryOptions options)
{
    const CarriedEntry entry = CarryFields(format, digits);
    if (!options.allowOverflow && entry.overflowedField >= 0) return entry.overflowedField;
    return -1;
}

bool FormatValue(const TimecodeFormat& format, std::int64_t value, EntryDigits& digits)
{
    bool cannotBeShown = false;
    if (value < 0) {
        cannotBeShown = true;
        value = -value;
    }
    if (IsDropFrame(format))
        value = IsNtsc5994(format) ? DropFrame5994::FramesToLabel(value) : FramesToLabel(value);
    // Every value a register can hold fits 32 bits, where division is much
    // cheaper; wider values still format exactly.
    const bool leftOver = value <= UINT32_MAX
        ? WriteFields(format, static_cast<std::uint32_t>(value), digits)
        : WriteFields(format, static_cast<std::uint64_t>(value), digits);
    digits[8] = '\0';
    return cannotBeShown || leftOver;
}

FormattedValue FormatValue(const TimecodeFormat& format, std::int64_t value)
{
    FormattedValue out;
    out.cannotBeShown = FormatValue(format, value, out.digits);
    return out;
}

std::string DigitsToText(const TimecodeFormat& format, const EntryDigits& digits)
{
    std::string text;
    AppendDigitsText(format, digits, text);
    return text;
}

int WriteDigitsText(const TimecodeFormat& format, const EntryDigits& digits, char* out)
{
    char* const start = out;
    int position = 8 - format.totalDigits;
    for (int field = format.fieldCount - 1; field >= 0; --field) {
        const FormatField& f = format.fields[field];
        if (f.separator > 0) *out++ = static_cast<char>(f.separator);
        for (int i = 0; i < f.digits; ++i) *out++ = digits[position++];
    }
    return static_cast<int>(out - start);
}

void AppendDigitsText(const TimecodeFormat& format, const EntryDigits& digits, std::string& text)
{
    char buffer[kMaxDigitsTextLength];
    text.append(buffer, static_cast<std::size_t>(WriteDigitsText(format, digits, buffer)));
}

} // namespace quillet
