#include "ui/tape/tape_line.h"

#include "ui/accessibility/format_words.h"

#include "engine/calculator_engine.h"
#include "engine/written_value.h"

namespace quillet {
namespace {

// The tape is read in columns: every name takes the width of "OUT".
constexpr const char* kShortNames[3] = {"IN ", "OUT", "DUR"};

QString FromView(std::string_view text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QString OperatorText(char op)
{
    // As the keypad labels it.
    return op == '*' ? QStringLiteral("x") : op == 0 ? QString() : QString(QLatin1Char(op));
}

QString SpokenOperator(const QString& op)
{
    if (op == QLatin1String("+")) return QStringLiteral("plus");
    if (op == QLatin1String("-")) return QStringLiteral("minus");
    if (op == QLatin1String("x")) return QStringLiteral("times");
    return QStringLiteral("divided by");
}

// The start of a pasted line, enough to find it again in the list.
QString Quoted(std::string_view line)
{
    QString text = QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size())).trimmed();
    if (text.size() > 40) {
        // Never half of a character that takes two UTF-16 units.
        const qsizetype cut = text[39].isHighSurrogate() ? 39 : 40;
        text = text.left(cut) + QStringLiteral("...");
    }
    return QLatin1Char('"') + text + QLatin1Char('"');
}

QString Lines(long long count) { return QStringLiteral("%1 %2").arg(count).arg(count == 1 ? "line" : "lines"); }

QString Note(const FinishedStep& step)
{
    if (step.kind == StepKind::kListTerm) {
        const QString where = QStringLiteral("Line %1 ").arg(step.lineNumber) + Quoted(step.line);
        if (step.lineProblem == LineProblem::kNone) return where;
        const QString why = QString::fromStdString(step.problem.reason);
        return where + (step.lineProblem == LineProblem::kNotAValue ? QStringLiteral(" is not a value: ")
                                                                    : QStringLiteral(" cannot be read: ")) + why;
    }
    if (step.kind == StepKind::kListTotal) {
        QString counts = Lines(step.linesAdded) + QStringLiteral(" added");
        if (step.linesSkipped > 0) counts += QStringLiteral(", ") + Lines(step.linesSkipped) + QStringLiteral(" without a value skipped");
        if (step.linesLeftOut > 0) counts += QStringLiteral(", ") + Lines(step.linesLeftOut) + QStringLiteral(" in error");
        // Whether the totals the list states agree with what its lines add up to.
        if (!step.listNote.empty()) counts += QStringLiteral("; ") + QString::fromUtf8(step.listNote.data(), static_cast<qsizetype>(step.listNote.size()));
        if (step.problem.outcome != Outcome::kDone) counts += QStringLiteral("; ") + ProblemText(step.problem, *step.format);
        return counts;
    }
    return ProblemText(step.problem, *step.format);
}

// The exact count `text` (as shown in `format`) stands for, in the format's
// unit; empty when it shows "E" or nothing.
QString CountOf(const QString& text, const TimecodeFormat& format)
{
    if (text.isEmpty() || text.startsWith(QLatin1Char('E'))) return {};
    EntryDigits digits = kZeroDigits;
    int free = 8;
    for (qsizetype i = text.size(); i-- > 0 && free > 0;)
        if (text[i].isDigit()) digits[--free] = static_cast<char>(text[i].unicode());
    const std::optional<std::int32_t> count = ParseDigits(format, digits, {true, true});
    return count ? QString::number(*count) : QString();
}

} // namespace

TapeLine TapeLineFrom(const FinishedStep& step)
{
    TapeLine line;
    line.kind = step.kind;
    line.registerIndex = step.registerIndex;
    line.format = FromView(NameOf(*step.format));
    line.left = FromView(step.left);
    line.op = OperatorText(step.op);
    line.right = FromView(step.right);
    line.result = FromView(step.result);
    line.note = Note(step);
    const bool term = step.kind == StepKind::kListTerm;
    line.inError = term ? step.lineProblem != LineProblem::kNone : step.problem.outcome != Outcome::kDone;
    line.hasValue = !line.inError;
    line.value = step.value;
    line.valueFormat = step.format;
    line.exactValue = step.exactFormat != nullptr ? step.exactValue : step.value;
    line.exactFormat = step.exactFormat != nullptr ? step.exactFormat : step.format;
    // The plain number after '*' and '/' is its own count.
    line.leftCount = CountOf(line.left, *step.format);
    line.rightCount = step.op == '*' || step.op == '/' ? CountOf(line.right, ScalarFormat()) : CountOf(line.right, *step.format);
    if (term && line.hasValue) line.rightCount = QString::number(step.value);
    if (!term && line.hasValue && !line.result.isEmpty()) line.resultCount = QString::number(step.value);
    return line;
}

namespace {

// The step in words: who, left, operator, right, the equals word and the
// result; how each part is written is the caller's.
QStringList StepWords(const TapeLine& line, QString who, const QString& op, const QString& equals)
{
    QStringList words{std::move(who)};
    if (!line.left.isEmpty()) words << line.left;
    if (!line.op.isEmpty()) words << op;
    if (!line.right.isEmpty()) words << line.right;
    if (!line.result.isEmpty()) {
        if (!line.op.isEmpty() || line.kind == StepKind::kListTotal) words << equals;
        words << line.result;
    }
    return words;
}

} // namespace

QString LineText(const TapeLine& line)
{
    if (line.marker) return line.note;
    const QStringList parts = StepWords(line, QString::fromLatin1(kShortNames[line.registerIndex]), line.op,
                                        QStringLiteral("="));
    QString text = parts.join(QLatin1Char(' ')) + QStringLiteral("  ") + line.format;
    if (!line.note.isEmpty()) text += QStringLiteral("  ") + line.note;
    return text;
}

QString SpokenText(const TapeLine& line)
{
    if (line.marker) return line.note;
    const QStringList words = StepWords(line, QString::fromLatin1(kRegisterNames[line.registerIndex]) + QLatin1Char(':'),
                                        SpokenOperator(line.op), QStringLiteral("equals"));
    QString spoken = words.join(QLatin1Char(' ')) + QStringLiteral(", ") + line.format;
    if (!line.note.isEmpty()) spoken += QStringLiteral(". ") + line.note;
    return spoken;
}

QStringList CsvHeader()
{
    return {QStringLiteral("Register"),    QStringLiteral("Format"),   QStringLiteral("Left"),
            QStringLiteral("Left count"),  QStringLiteral("Operator"), QStringLiteral("Right"),
            QStringLiteral("Right count"), QStringLiteral("Result"),   QStringLiteral("Result count"),
            QStringLiteral("Note")};
}

QStringList CsvFields(const TapeLine& line)
{
    if (line.marker) return {{}, {}, {}, {}, {}, {}, {}, {}, {}, line.note};
    // Values in the forms editing applications and spreadsheets read as
    // text ("01:00:10;12", "135+00"), each beside its exact count.
    const auto editing = [&](const QString& text, const TimecodeFormat& format) {
        if (text.isEmpty() || text.startsWith(QLatin1Char('E'))) return text;
        return QString::fromStdString(EditingForm(format, text.toStdString()));
    };
    const TimecodeFormat& format = *line.valueFormat;
    const bool scalarRight = line.op == QLatin1String("x") || line.op == QLatin1String("/");
    return {QString::fromLatin1(kRegisterNames[line.registerIndex]),
            line.format,
            editing(line.left, format),
            line.leftCount,
            line.op,
            scalarRight ? line.right : editing(line.right, format),
            line.rightCount,
            editing(line.result, format),
            line.resultCount,
            line.note};
}

} // namespace quillet
