#include "store/tape_text_record.h"

#include "engine/format_table.h"
#include "engine/timecode_register.h"
#include "engine/value_codec.h"
#include "engine/words.h"

#include <QByteArrayList>
#include <QString>

namespace quillet {
namespace {

constexpr QByteArrayView kTag = "T1"; // the record's layout; another is skipped as damaged
constexpr int kFieldCount = 17;

std::optional<QString> Unescaped(QByteArrayView field)
{
    QByteArray out;
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field[i] != '\\') {
            out += field[i];
            continue;
        }
        if (++i == field.size()) return std::nullopt;
        switch (field[i]) {
        case '\\': out += '\\'; break;
        case 't': out += '\t'; break;
        case 'n': out += '\n'; break;
        case 'r': out += '\r'; break;
        default: return std::nullopt;
        }
    }
    return QString::fromUtf8(out);
}

std::optional<long long> Number(QByteArrayView field, long long lowest, long long highest)
{
    bool ok = false;
    const long long number = field.toLongLong(&ok);
    if (!ok || number < lowest || number > highest) return std::nullopt;
    return number;
}

// An operand or result as the file wrote it: its text as shown, and its count
// (empty when it showed "E"), or `value` for the result.
std::optional<StepValue> PartFrom(const QString& text, const QString& count, std::int64_t value,
                                  const TimecodeFormat& format)
{
    StepValue part = StepValueOfText(text.toStdString(), format);
    part.value = value;
    if (!count.isEmpty()) {
        const std::optional<long long> counted = Number(count.toLatin1(), -kValueLimit, kValueLimit);
        if (!counted) return std::nullopt;
        part.value = *counted;
    }
    return part;
}

} // namespace

std::optional<StepRecord> StepRecordFromRecord(QByteArrayView line)
{
    const QByteArrayList parts = line.toByteArray().split('\t');
    if (parts.size() != kFieldCount || parts[0] != kTag) return std::nullopt;
    const auto kind = Number(parts[1], 0, static_cast<int>(StepKind::kListTotal));
    const auto reg = Number(parts[2], 0, 2);
    const auto format = Number(parts[3], 0, kListedFormatCount - 1);
    const auto inError = Number(parts[4], 0, 1);
    const auto hasValue = Number(parts[5], 0, 1);
    const auto value = Number(parts[6], -kValueLimit, kValueLimit);
    const auto exactFormat = Number(parts[15], 0, kListedFormatCount - 1);
    const auto exactValue = Number(parts[16], -kValueLimit, kValueLimit);
    if (!kind || !reg || !format || !inError || !hasValue || !value || !exactFormat || !exactValue) return std::nullopt;
    std::optional<QString> texts[8];
    for (int i = 0; i < 8; ++i) {
        texts[i] = Unescaped(parts[7 + i]);
        if (!texts[i]) return std::nullopt;
    }
    const auto& [left, op, right, result, note, leftCount, rightCount, resultCount] = texts;
    StepRecord record;
    FinishedStep& step = record.step;
    step.kind = static_cast<StepKind>(*kind);
    step.registerIndex = static_cast<int>(*reg);
    step.format = &ListedFormat(static_cast<int>(*format));
    const std::optional<StepOperator> stepOp = StepOperatorOfText(op->toStdString());
    const bool scalar = stepOp == StepOperator::kMultiply || stepOp == StepOperator::kDivide;
    const std::optional<StepValue> leftPart = PartFrom(*left, *leftCount, 0, *step.format);
    const std::optional<StepValue> rightPart = PartFrom(*right, *rightCount, *value, scalar ? ScalarFormat() : *step.format);
    const std::optional<StepValue> resultPart = PartFrom(*result, *resultCount, *value, *step.format);
    if (!stepOp || !leftPart || !rightPart || !resultPart) return std::nullopt;
    step.op = *stepOp;
    step.left = *leftPart;
    step.right = *rightPart;
    step.result = *resultPart;
    // The file kept the words of the problem, not the problem: the note says
    // it as it was, and the line stays one in error.
    if (*inError == 1 || *hasValue == 0) {
        if (step.kind == StepKind::kListTerm) step.lineProblem = LineProblem::kCannotBeRead;
        step.problem.outcome = Outcome::kCannotBeRead;
    }
    record.keptNote = note->toStdString();
    step.exactFormat = &ListedFormat(static_cast<int>(*exactFormat));
    step.exactValue = *exactValue;
    return record;
}

} // namespace quillet
