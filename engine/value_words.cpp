// Values in words: formats, fields, problems, a display as a screen reader
// says it, and the quoting of a text in a message.
#include "words.h"

#include <algorithm>
#include <cstring>

namespace quillet {
namespace {

// What comes after "name: " in each listed format's description, in selector order.
constexpr std::array<const char*, kListedFormatCount> kFormatMeanings{{
    "29.97 frames per second, drop-frame time code",
    "29.97 frames per second, non-drop-frame time code",
    "25 frames per second time code",
    "a count of frames at 29.97 frames per second",
    "a count of frames at 25 frames per second",
    "a count of frames at 24 frames per second",
    "a count of frames at 30 frames per second",
    "real time in hours, minutes, seconds and hundredths of a second",
    "16 mm film in feet and frames, 40 frames per foot",
    "35 mm film in feet and frames, 16 frames per foot",
    "16 mm key code, 20 frames per number",
    "23.976 frames per second time code (film shown at NTSC speed; counted in Film frames)",
    "24 frames per second time code (counted in Film frames)",
    "30 frames per second time code",
    "48 frames per second time code",
    "50 frames per second time code",
    "59.94 frames per second, drop-frame time code",
    "59.94 frames per second, non-drop-frame time code",
    "60 frames per second time code",
    "a count of frames at 48 frames per second",
    "a count of frames at 50 frames per second",
    "a count of frames at 59.94 frames per second (59.94 DF counts through it as Drop Frame through NTSC frames)",
    "a count of frames at 60 frames per second",
    "the true running time in seconds and milliseconds (a 29.97 frame lasts 1001/30000 s)",
}};
static_assert([] {
    for (const char* meaning : kFormatMeanings)
        if (meaning == nullptr) return false;
    return true;
}(), "a meaning for every listed format");

constexpr std::size_t kQuotedCharacters = 60;

bool IsFrameCount(const TimecodeFormat& format) { return format.fieldCount == 1; }

bool HasHours(const TimecodeFormat& format)
{
    return format.fieldCount > 0 && FieldName(format, format.fieldCount - 1) == "hours";
}

std::string DroppedLabelText(const TimecodeFormat& format)
{
    return IsNtsc5994(format) ? "drop-frame time code skips this label (frames 00 to 03 of every minute but each tenth)"
                              : "drop-frame time code skips this label (frames 00 and 01 of every minute but each tenth)";
}

// "Drop Frame and 59.94 DF": the formats a ';' belongs to.
std::string DropFrameNames()
{
    std::string names;
    for (int position = 0; position < kListedFormatCount; ++position) {
        if (!IsDropFrame(ListedFormat(position))) continue;
        if (!names.empty()) names += " and ";
        names += NameOf(ListedFormat(position));
    }
    return names;
}

// An overflowed field: "seconds must be below 60".
std::string MustBeBelowText(const TimecodeFormat& format, int field)
{
    return std::string{FieldName(format, field)} + " must be below " + std::to_string(format.fields[field].modulus);
}

// The length of the UTF-8 character at the start of `text`, or 0 when its
// bytes are no character (cut short, overlong, a surrogate).
std::size_t Utf8Length(std::string_view text)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    const std::size_t length = lead >= 0xC2 && lead <= 0xDF ? 2 : lead >= 0xE0 && lead <= 0xEF ? 3
                             : lead >= 0xF0 && lead <= 0xF4 ? 4 : 0;
    if (length == 0 || text.size() < length) return 0;
    for (std::size_t i = 1; i < length; ++i)
        if ((byte(i) & 0xC0) != 0x80) return 0;
    const unsigned char second = byte(1);
    if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second > 0x9F) || (lead == 0xF0 && second < 0x90) ||
        (lead == 0xF4 && second > 0x8F))
        return 0;
    return length;
}

} // namespace

std::string FormatDescription(int position)
{
    if (position < 0 || position >= kListedFormatCount) return {};
    return std::string{NameOf(ListedFormat(position))} + ": " + kFormatMeanings[position];
}

std::string_view FieldName(const TimecodeFormat& format, int field)
{
    if (field < 0 || field >= format.fieldCount) return "value";
    // The labels are the table's shorthand; the frame counts' labels carry
    // their rate after the word ("frames  (25/sec)").
    static constexpr std::pair<const char*, const char*> kWords[] = {
        {"frm", "frames"},  {"frames", "frames"}, {"sec", "seconds"}, {"min", "minutes"},
        {"hour", "hours"},  {"%", "hundredths"},  {"feet", "feet"},   {"keycode", "key-code number"},
        {"oper", "number"},  {"ms", "milliseconds"},
    };
    const char* label = format.fields[field].label;
    for (const auto& [prefix, word] : kWords)
        if (std::strncmp(label, prefix, std::strlen(prefix)) == 0) return word;
    return label;
}

std::string DigitsInWords(const TimecodeFormat& format, const EntryDigits& digits)
{
    const char* next = digits.data() + 8 - format.totalDigits;
    // The plain number of '*' and '/' is said as it is shown.
    if (&format == &ScalarFormat()) return {next, static_cast<std::size_t>(format.totalDigits)};
    const bool realTime = format.rate == 100 || IsSeconds(format);
    std::string words;
    for (int field = format.fieldCount - 1; field >= 0; --field) {
        const std::string_view shown(next, static_cast<std::size_t>(format.fields[field].digits));
        next += shown.size();
        int value = 0;
        for (const char c : shown) value = value * 10 + (c - '0');
        if (!words.empty()) words += ' ';
        // The hundredths of real time (milliseconds of Seconds) are the seconds' decimals.
        if (realTime && field == 1) {
            words += std::to_string(value) + '.';
            words.append(next, static_cast<std::size_t>(format.fields[0].digits));
            words += " seconds";
            break;
        }
        // Leading fields at zero say nothing; the lowest is always said.
        if (value == 0 && words.empty() && field > 0) continue;
        std::string word{FieldName(format, field)};
        if (value == 1 && word.back() == 's') word.pop_back();
        if (value == 1 && word == "feet") word = "foot";
        words += std::to_string(value) + ' ' + word;
    }
    return words;
}

std::string ShownInWords(const StepValue& shown, const TimecodeFormat& format, const RegisterProblem& problem,
                         char pendingOp)
{
    if (problem.outcome != Outcome::kDone) return "error, " + ProblemText(problem, format);
    std::string words = DigitsInWords(*shown.format, shown.digits) + ", " + std::string{NameOf(format)};
    if (pendingOp != 0) words += std::string{", "} + (pendingOp == '*' ? 'x' : pendingOp);
    return words;
}

std::string OutcomeText(Outcome outcome, std::string_view formatName)
{
    switch (outcome) {
    case Outcome::kDone: return {};
    case Outcome::kCannotBeRead: return "cannot be read in " + std::string{formatName};
    case Outcome::kCannotBeShown: return "cannot be shown in " + std::string{formatName};
    case Outcome::kDivisionByZero: return "division by zero";
    }
    return {};
}

std::string ProblemText(const RegisterProblem& problem, const TimecodeFormat& format)
{
    std::string start = OutcomeText(problem.outcome, NameOf(format));
    if (start.empty()) return start;
    start[0] = static_cast<char>(start[0] - 'a' + 'A');
    switch (problem.outcome) {
    case Outcome::kDone: return {};
    case Outcome::kDivisionByZero: return start;
    case Outcome::kCannotBeRead: {
        start += ": ";
        if (!problem.reason.empty()) return start + problem.reason;
        if (problem.field < 0 || problem.field >= format.fieldCount) return start + DroppedLabelText(format);
        return start + MustBeBelowText(format, problem.field);
    }
    case Outcome::kCannotBeShown: {
        start += ": ";
        if (problem.negative) return start + "the result is negative";
        if (HasHours(format)) return start + "the result is 24 hours or more";
        return start + "the result is too large";
    }
    }
    return {};
}

std::string WrittenFaultText(const WrittenValue& written, const TimecodeFormat& format)
{
    const std::string name{NameOf(format)};
    const std::string fieldName{FieldName(format, written.field)};
    const std::string mark = QuotedText({&written.mark, 1});
    switch (written.fault) {
    case WrittenFault::kNone: return {};
    case WrittenFault::kNoDigits: return "no digits";
    case WrittenFault::kBadCharacter:
        return "unexpected character " + mark + " (only digits and the separators : ; . + , are allowed)";
    case WrittenFault::kWrongMark:
        if (written.mark == ';') return "';' marks drop-frame time code, which " + name + " is not (" + DropFrameNames() + " read it)";
        if (IsFrameCount(format)) return name + " is a plain number (commas only between groups of three digits)";
        return mark + " is not a separator of " + name;
    case WrittenFault::kTooManyDigits:
        return format.totalDigits == 8 ? "more than eight digits" : "more than " + std::to_string(format.totalDigits) + " digits";
    case WrittenFault::kTooManyFields:
        return "more fields than " + name + " has (" + std::to_string(format.fieldCount) + ")";
    case WrittenFault::kEmptyField: return fieldName + " is empty";
    case WrittenFault::kFinerThanHundredths:
        return IsSeconds(format) ? "a fraction of a second finer than milliseconds" : "a fraction of a second finer than hundredths";
    case WrittenFault::kFieldTooLong:
        return fieldName + " has " + std::to_string(written.fieldValue) + " digits, more than " +
               std::to_string(format.fields[written.field].digits);
    case WrittenFault::kFieldOutOfRange:
        return fieldName + " " + std::to_string(written.fieldValue) + " is more than " + name + "'s " +
               std::to_string(format.fields[written.field].modulus - 1);
    case WrittenFault::kDroppedLabel: return DroppedLabelText(format);
    case WrittenFault::kOverflow:
        return MustBeBelowText(format, written.field);
    }
    return {};
}

std::string QuotedText(std::string_view text, bool moreFollows)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    // Cut after kQuotedCharacters characters; a byte that is no character counts as one.
    std::size_t cut = 0;
    for (std::size_t characters = 0; cut < text.size() && characters < kQuotedCharacters; ++characters)
        cut += std::max<std::size_t>(Utf8Length(text.substr(cut)), 1);
    const bool shortened = moreFollows || cut < text.size();
    text = text.substr(0, cut);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);

    static constexpr char kHex[] = "0123456789abcdef";
    std::string quoted{'\''};
    for (std::size_t at = 0; at < text.size();) {
        const auto byte = static_cast<unsigned char>(text[at]);
        const std::size_t length = Utf8Length(text.substr(at));
        // U+0080..U+009F are controls too.
        const bool control = byte == 0xC2 && length == 2 && static_cast<unsigned char>(text[at + 1]) < 0xA0;
        if (byte >= 0x20 && byte < 0x7F) {
            if (byte == '\\') quoted += '\\';
            quoted += text[at++];
        } else if (length > 0 && !control) {
            quoted += text.substr(at, length);
            at += length;
        } else {
            for (const std::size_t end = at + (control ? 2 : 1); at < end; ++at) {
                const auto escaped = static_cast<unsigned char>(text[at]);
                quoted += "\\x";
                quoted += kHex[escaped >> 4];
                quoted += kHex[escaped & 0xF];
            }
        }
    }
    if (shortened) quoted += "...";
    return quoted + '\'';
}

} // namespace quillet
