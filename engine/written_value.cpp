#include "written_value.h"

#include "ascii_form.h"

#include <algorithm>
#include <cstring>

namespace quillet {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsSeparator(char c) { return c == ':' || c == ';' || c == '.' || c == '+' || c == ','; }
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

bool IsFrameCount(const TimecodeFormat& format) { return format.fieldCount == 1; }
bool IsFootage(const TimecodeFormat& format)
{
    return format.fieldCount == 2 && format.rate == 24 && format.fields[1].digits == 6;
}
// Real time's and Seconds' lowest field is a decimal fraction of a second:
// "1.5" is 1.50 s in one, 1.500 s in the other.
bool HasDecimalFraction(const TimecodeFormat& format)
{
    return (format.rate == 100 && format.fieldCount == 4) || IsSeconds(format);
}

// Whether `mark`, written before the digits of field `field`, is one this
// format writes there: its own separator, ';' or ':' before drop-frame
// frames as editing applications write them (some write ';' between every
// field), '+' before footage frames.
bool WritesMark(const TimecodeFormat& format, int field, char mark, bool semicolonsOnly)
{
    if (format.fields[field].separator == mark) return true;
    if (IsDropFrame(format) && mark == ';' && semicolonsOnly) return true;
    if (field != 0) return false;
    if (IsDropFrame(format)) return mark == ';' || mark == ':';
    return IsFootage(format) && mark == '+';
}

// The `places` digits a decimal fraction stands for (in hundredths "5" is
// 50), or nothing when it is finer than that ("505").
std::optional<std::string> FractionDigits(std::string_view fraction, std::size_t places)
{
    std::string digits{fraction.substr(0, places)};
    digits.append(places - digits.size(), '0');
    if (fraction.find_first_not_of('0', places) != std::string_view::npos) return std::nullopt;
    return digits;
}

// Digits alone, as the keypad takes them.
WrittenValue ReadTyped(std::string_view text, const TimecodeFormat& format, EntryOptions options)
{
    WrittenValue written;
    EntryDigits digits = kZeroDigits;
    int free = 8;
    for (auto c = text.rbegin(); c != text.rend(); ++c) {
        if (!IsDigit(*c)) continue;
        if (free > 8 - format.totalDigits) {
            digits[--free] = *c;
        } else if (*c != '0') {
            written.fault = WrittenFault::kTooManyDigits;
            return written;
        }
    }
    const std::optional<std::int32_t> read = ParseDigits(format, digits, options);
    if (!read) {
        written.field = UnreadableField(format, digits, options);
        written.fault = written.field < 0 ? WrittenFault::kDroppedLabel : WrittenFault::kOverflow;
        return written;
    }
    written.value = *read;
    written.digits = digits;
    written.asTyped = true;
    return written;
}

// "12,345": commas only, between groups of three digits.
bool IsGroupedNumber(std::string_view text)
{
    const std::size_t firstComma = text.find(',');
    if (firstComma == 0 || firstComma > 3) return false;
    for (std::size_t at = firstComma; at < text.size(); at += 4) {
        if (text[at] != ',' || at + 4 > text.size()) return false;
        for (std::size_t i = at + 1; i < at + 4; ++i)
            if (!IsDigit(text[i])) return false;
    }
    return true;
}

// Text in the format's own full layout, every field with all its digits and
// a separator the format writes between each two ("01:00:00;00"), read
// without searching it: how machines write values, millions at a time.
// Anything else, or a field out of range, is left to the general reading.
bool ReadFullLayout(std::string_view text, const TimecodeFormat& format, EntryOptions options, WrittenValue& written)
{
    if (format.fieldCount < 2 || text.size() != static_cast<std::size_t>(format.totalDigits + format.fieldCount - 1))
        return false;
    // Straight into the caller's digits, which a failure leaves to be written again.
    EntryDigits& digits = written.digits;
    digits = kZeroDigits;
    int position = 8 - format.totalDigits;
    std::size_t at = 0;
    std::int64_t count = 0; // in units of the lowest field
    for (int field = format.fieldCount - 1; field >= 0; --field) {
        const FormatField& slot = format.fields[field];
        count *= slot.modulus;
        std::int32_t fieldValue = 0;
        for (int i = 0; i < slot.digits; ++i, ++at) {
            if (!IsDigit(text[at])) return false;
            fieldValue = fieldValue * 10 + (text[at] - '0');
            digits[position++] = text[at];
        }
        if (fieldValue >= slot.modulus) return false;
        count += fieldValue;
        if (field > 0) {
            const char mark = text[at++];
            if (!WritesMark(format, field - 1, mark, mark == ';' && text.find(':') == std::string_view::npos))
                return false;
        }
    }
    const std::optional<std::int32_t> read = CountToValue(format, count, options.bumpUpDropped);
    if (!read) return false;
    written.value = *read;
    return true;
}

} // namespace

namespace {

// Any text: its characters brought to ASCII, then read field by field from the right.
WrittenValue ReadAnyLayout(std::string_view text, const TimecodeFormat& format, EntryOptions options)
{
    if (HasNonAscii(text)) {
        std::string ascii;
        AsciiForm(text, ascii);
        if (!HasNonAscii(ascii)) return ReadAnyLayout(ascii, format, options);
        text = ascii; // the first character left outside ASCII is named below
        WrittenValue written;
        for (const char c : text) {
            if (static_cast<unsigned char>(c) < 0x80) continue;
            written.fault = WrittenFault::kBadCharacter;
            written.mark = c;
            return written;
        }
    }
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    WrittenValue written;
    if (ReadFullLayout(text, format, options, written)) return written;
    written = {};
    bool anyDigit = false;
    char firstMark = 0;
    for (const char c : text) {
        if (IsDigit(c)) {
            anyDigit = true;
        } else if (!IsSeparator(c)) {
            written.fault = WrittenFault::kBadCharacter;
            written.mark = c;
            return written;
        } else if (firstMark == 0) {
            firstMark = c;
        }
    }
    if (!anyDigit) {
        written.fault = WrittenFault::kNoDigits;
        return written;
    }
    if (firstMark == 0) return ReadTyped(text, format, options);
    if (IsFrameCount(format)) {
        if (IsGroupedNumber(text)) return ReadTyped(text, format, options);
        written.fault = WrittenFault::kWrongMark;
        written.mark = firstMark;
        return written;
    }

    // More digits than any entry holds is no value, whatever the fields.
    int significant = 0;
    for (const char c : text)
        if (IsDigit(c) && (significant > 0 || c != '0')) ++significant;
    if (significant > 8) {
        written.fault = WrittenFault::kTooManyDigits;
        return written;
    }

    // Fields from the right: field 0 is the lowest.
    const bool semicolonsOnly = text.find(':') == std::string_view::npos;
    EntryDigits digits = kZeroDigits;
    int end = 8; // digits[end - 1] is the last digit of the field being placed
    int field = 0;
    std::size_t stop = text.size();
    while (true) {
        std::size_t start = stop;
        while (start > 0 && IsDigit(text[start - 1])) --start;
        std::string_view group = text.substr(start, stop - start);
        std::string fraction;
        if (field == 0 && HasDecimalFraction(format) && start > 0 && text[start - 1] == '.' && !group.empty()) {
            const std::optional<std::string> decimals = FractionDigits(group, static_cast<std::size_t>(format.fields[0].digits));
            if (!decimals) {
                written.fault = WrittenFault::kFinerThanHundredths;
                return written;
            }
            fraction = *decimals;
            group = fraction;
        }
        if (field >= format.fieldCount) {
            written.fault = WrittenFault::kTooManyFields;
            return written;
        }
        if (group.empty()) {
            written.fault = WrittenFault::kEmptyField;
            written.field = field;
            return written;
        }
        const FormatField& slot = format.fields[field];
        written.field = field;
        if (group.size() > static_cast<std::size_t>(slot.digits)) {
            written.fault = WrittenFault::kFieldTooLong;
            written.fieldValue = group.size();
            return written;
        }
        std::int64_t fieldValue = 0;
        for (const char c : group) fieldValue = fieldValue * 10 + (c - '0');
        if (fieldValue >= slot.modulus) {
            written.fault = WrittenFault::kFieldOutOfRange;
            written.fieldValue = fieldValue;
            return written;
        }
        std::memcpy(&digits[end - group.size()], group.data(), group.size());
        end -= slot.digits;
        if (start == 0) break;
        if (field + 1 == format.fieldCount) {
            written.fault = WrittenFault::kTooManyFields;
            return written;
        }
        const char mark = text[start - 1];
        if (!WritesMark(format, field, mark, semicolonsOnly)) {
            written.fault = WrittenFault::kWrongMark;
            written.mark = mark;
            return written;
        }
        stop = start - 1;
        ++field;
    }
    written.field = -1;
    // Every field is within its range, so only a dropped label can fail here.
    const std::optional<std::int32_t> read = ParseDigits(format, digits, {false, options.bumpUpDropped});
    if (!read) {
        written.fault = WrittenFault::kDroppedLabel;
        return written;
    }
    written.value = *read;
    written.digits = digits;
    return written;
}

} // namespace

WrittenValue ReadWrittenValue(std::string_view text, const TimecodeFormat& format, EntryOptions options)
{
    // One object returned from one place, built where the caller wants it.
    WrittenValue written;
    if (!ReadFullLayout(text, format, options, written)) written = ReadAnyLayout(text, format, options);
    return written;
}

std::string EditingText(const TimecodeFormat& format, std::int64_t value)
{
    const FormattedValue formatted = FormatValue(format, value);
    if (formatted.cannotBeShown) return {};
    std::string text;
    AppendDigitsText(format, formatted.digits, text);
    return EditingForm(format, std::move(text));
}

std::string EditingForm(const TimecodeFormat& format, std::string text)
{
    if (IsFrameCount(format)) {
        const std::size_t first = text.find_first_not_of('0');
        return first == std::string::npos ? "0" : text.substr(first);
    }
    if (IsSeconds(format)) {
        // As subtitle files and command-line video tools write seconds: 100.600.
        const std::size_t point = text.find('.');
        text.erase(0, std::min(text.find_first_not_of('0'), point - 1));
        return text;
    }
    // The display marks drop frame with a point before the frames.
    const std::size_t point = text.rfind('.');
    if (IsDropFrame(format) && point != std::string::npos) text[point] = ';';
    const std::size_t colon = text.rfind(':');
    if (IsFootage(format) && colon != std::string::npos) {
        text[colon] = '+';
        const std::size_t first = text.find_first_not_of('0');
        text.erase(0, std::min(first, colon - 1));
    }
    return text;
}

} // namespace quillet
