#include "ui/accessibility/spoken_words.h"

#include "engine/calculator_engine.h"

namespace quillet {

namespace {

QString NameOf(int index) { return QString::fromLatin1(kRegisterNames[index]); }

} // namespace

QString ModeWords(bool editing) { return editing ? QStringLiteral("Mode: Editing") : QStringLiteral("Mode: Conversion"); }

QString TapeWords(bool shown) { return shown ? QStringLiteral("tape shown") : QStringLiteral("tape hidden"); }

QString CopiedWords(const QString& copied) { return QStringLiteral("copied ") + copied; }

QString ComputedRegisterRefusedWords(int index)
{
    // The other two registers are its sources, in the order IN, OUT, DURATION.
    const int first = index == kIn ? kOut : kIn;
    const int second = index == kDuration ? kOut : kDuration;
    return QStringLiteral("%1 cannot be selected: in Editing mode it is computed from %2 and %3")
        .arg(NameOf(index), NameOf(first), NameOf(second));
}

QString RegisterWords(int index, const QString& valueWords) { return NameOf(index) + QStringLiteral(", ") + valueWords; }

QString AllRegistersWords(const QString& in, const QString& out, const QString& duration)
{
    return QStringLiteral("all registers: %1; %2; %3").arg(in, out, duration);
}

QString DisplayUseWords() { return QStringLiteral("takes digits and + - * / =, Enter for the result"); }

} // namespace quillet
