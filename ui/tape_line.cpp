#include "tape_line.h"

#include "format_words.h"

namespace quillet {
namespace {

constexpr const char* kRegisterNames[3] = {"IN", "OUT", "DURATION"};
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
    if (text.size() > 40) text = text.left(40) + QStringLiteral("...");
    return QLatin1Char('"') + text + QLatin1Char('"');
}

QString LeftOutWhy(const FinishedStep& step)
{
    switch (step.lineProblem) {
    case LineProblem::kNoValue: return QStringLiteral("No time code or number in ") + Quoted(step.line);
    case LineProblem::kTooManyDigits: return QStringLiteral("More than eight digits in ") + Quoted(step.line);
    case LineProblem::kCannotBeRead: return ProblemText(step.problem, *step.format);
    case LineProblem::kNone:
    case LineProblem::kBlank: break;
    }
    return {};
}

QString Note(const FinishedStep& step)
{
    if (step.kind == StepKind::kListTerm) {
        if (step.lineProblem == LineProblem::kNone) return {};
        return QStringLiteral("Line %1 left out. ").arg(step.lineNumber) + LeftOutWhy(step);
    }
    QString note = ProblemText(step.problem, *step.format);
    if (step.kind == StepKind::kListTotal) {
        QString counts = QStringLiteral("%1 %2 added").arg(step.linesAdded).arg(step.linesAdded == 1 ? "line" : "lines");
        if (step.linesLeftOut > 0) counts += QStringLiteral(", %1 left out").arg(step.linesLeftOut);
        note = note.isEmpty() ? counts : counts + QStringLiteral("; ") + note;
    }
    return note;
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
    const QStringList parts = StepWords(line, QString::fromLatin1(kShortNames[line.registerIndex]), line.op,
                                        QStringLiteral("="));
    QString text = parts.join(QLatin1Char(' ')) + QStringLiteral("  ") + line.format;
    if (!line.note.isEmpty()) text += QStringLiteral("  ") + line.note;
    return text;
}

QString SpokenText(const TapeLine& line)
{
    const QStringList words = StepWords(line, QString::fromLatin1(kRegisterNames[line.registerIndex]) + QLatin1Char(':'),
                                        SpokenOperator(line.op), QStringLiteral("equals"));
    QString spoken = words.join(QLatin1Char(' ')) + QStringLiteral(", ") + line.format;
    if (!line.note.isEmpty()) spoken += QStringLiteral(". ") + line.note;
    return spoken;
}

QStringList CsvHeader()
{
    return {QStringLiteral("Register"), QStringLiteral("Format"), QStringLiteral("Left"), QStringLiteral("Operator"),
            QStringLiteral("Right"), QStringLiteral("Result"), QStringLiteral("Note")};
}

QStringList CsvFields(const TapeLine& line)
{
    return {QString::fromLatin1(kRegisterNames[line.registerIndex]), line.format, line.left, line.op, line.right,
            line.result, line.note};
}

} // namespace quillet
