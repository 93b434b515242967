#include "ui/accessibility/format_words.h"

#include <QRegularExpression>
#include <QStringList>

#include <array>
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

QString Name(const TimecodeFormat& format)
{
    const std::string_view name = NameOf(format);
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

bool HasHours(const TimecodeFormat& format)
{
    return format.fieldCount > 0 && FieldWord(format.fields[format.fieldCount - 1]) == QLatin1String("hours");
}

} // namespace

QString FormatDescription(int position)
{
    if (position < 0 || position >= kListedFormatCount) return {};
    return Name(ListedFormat(position)) + QStringLiteral(": ") + QString::fromLatin1(kFormatMeanings[position]);
}

QString FieldWord(const FormatField& field)
{
    // The labels are the table's shorthand; the frame counts' labels carry
    // their rate after the word ("frames  (25/sec)").
    static constexpr std::pair<const char*, const char*> kWords[] = {
        {"frm", "frames"},  {"frames", "frames"}, {"sec", "seconds"}, {"min", "minutes"},
        {"hour", "hours"},  {"%", "hundredths"},  {"feet", "feet"},   {"keycode", "key-code number"},
        {"oper", "number"},
    };
    for (const auto& [label, word] : kWords) {
        if (std::strncmp(field.label, label, std::strlen(label)) == 0) return QString::fromLatin1(word);
    }
    return QString::fromLatin1(field.label);
}

QString ValueInWords(const TimecodeFormat& format, const QString& shown)
{
    static const QRegularExpression separators(QStringLiteral("[:.]"));
    const QStringList fields = shown.split(separators);
    if (fields.size() != format.fieldCount) return shown;
    const bool realTime = format.rate == 100 || IsSeconds(format);
    QStringList words;
    for (int i = 0; i < format.fieldCount; ++i) {
        const int field = format.fieldCount - 1 - i; // highest first
        bool ok = false;
        const int value = fields[i].toInt(&ok);
        if (!ok) return shown;
        // The hundredths of real time (milliseconds of Seconds) are the seconds' decimals.
        if (realTime && field == 1) {
            words << QStringLiteral("%1.%2 seconds").arg(value).arg(fields[i + 1]);
            break;
        }
        // Leading fields at zero say nothing; the lowest is always said.
        if (value == 0 && words.isEmpty() && field > 0) continue;
        QString word = FieldWord(format.fields[field]);
        if (value == 1 && word.endsWith(QLatin1Char('s'))) word.chop(1);
        if (value == 1 && word == QLatin1String("feet")) word = QStringLiteral("foot");
        words << QString::number(value) + QLatin1Char(' ') + word;
    }
    return words.join(QLatin1Char(' '));
}

QString ProblemText(const RegisterProblem& problem, const TimecodeFormat& format)
{
    switch (problem.outcome) {
    case Outcome::kDone: return {};
    case Outcome::kDivisionByZero: return QStringLiteral("Division by zero");
    case Outcome::kCannotBeRead: {
        const QString start = QStringLiteral("Cannot be read in %1: ").arg(Name(format));
        if (!problem.reason.empty()) return start + QString::fromStdString(problem.reason);
        if (problem.field < 0 || problem.field >= format.fieldCount) {
            return start + (IsNtsc5994(format)
                                 ? QStringLiteral("drop-frame time code skips this label "
                                                  "(frames 00 to 03 of every minute but each tenth)")
                                 : QStringLiteral("drop-frame time code skips this label "
                                                  "(frames 00 and 01 of every minute but each tenth)"));
        }
        const FormatField& field = format.fields[problem.field];
        return start + QStringLiteral("%1 must be below %2").arg(FieldWord(field)).arg(field.modulus);
    }
    case Outcome::kCannotBeShown: {
        const QString start = QStringLiteral("Cannot be shown in %1: ").arg(Name(format));
        if (problem.negative) return start + QStringLiteral("the result is negative");
        if (HasHours(format)) return start + QStringLiteral("the result is 24 hours or more");
        return start + QStringLiteral("the result is too large");
    }
    }
    return {};
}

} // namespace quillet
