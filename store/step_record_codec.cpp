#include "store/step_record_codec.h"

#include "engine/value_codec.h"

#include <QString>

#include <algorithm>

namespace quillet {
namespace {

int FormatNumber(const TimecodeFormat* format)
{
    if (format == nullptr) return StoredOperand::kNoFormat;
    return format == &ScalarFormat() ? StoredOperand::kScalar : format->listIndex;
}

const TimecodeFormat* FormatOf(int number)
{
    if (number == StoredOperand::kNoFormat) return nullptr;
    return number == StoredOperand::kScalar ? &ScalarFormat() : &ListedFormat(number);
}

StoredOperand StoredOperandOf(const StepValue& value)
{
    if (!value.present) return {};
    return {true, value.inError, FormatNumber(value.format), value.value,
            QString::fromLatin1(value.digits.data(), static_cast<qsizetype>(value.digits.size() - 1))};
}

// `shown`: a result, which shown without "E" is a value its format shows
// (an operand may be digits as typed, which can carry past the format's top).
std::optional<StepValue> StepValueOf(const StoredOperand& stored, bool shown)
{
    StepValue value;
    if (!stored.present) return value;
    value.present = true;
    value.inError = stored.inError;
    value.format = FormatOf(stored.format);
    value.value = stored.count;
    std::copy_n(stored.digits.toLatin1().constData(), 8, value.digits.begin());
    if (shown && !value.inError && value.format != nullptr && FormatValue(*value.format, value.value).cannotBeShown)
        return std::nullopt;
    return value;
}

} // namespace

StoredStep StoredStepOf(const StepRecord& record, std::int64_t timeMs)
{
    const FinishedStep& step = record.step;
    StoredStep stored;
    stored.timeMs = timeMs;
    stored.kind = static_cast<int>(step.kind);
    stored.registerIndex = step.registerIndex;
    stored.format = step.format->listIndex;
    stored.op = static_cast<int>(step.op);
    stored.left = StoredOperandOf(step.left);
    stored.right = StoredOperandOf(step.right);
    stored.result = StoredOperandOf(step.result);
    stored.outcome = static_cast<int>(step.problem.outcome);
    stored.outcomeField = step.problem.field;
    stored.outcomeNegative = step.problem.negative;
    stored.outcomeReason = QString::fromStdString(step.problem.reason);
    stored.exactFormat = step.exactFormat->listIndex;
    stored.exactCount = step.exactValue;
    stored.lineNumber = step.lineNumber;
    stored.line = QString::fromStdString(record.line);
    stored.lineProblem = static_cast<int>(step.lineProblem);
    stored.linesAdded = step.linesAdded;
    stored.linesSkipped = step.linesSkipped;
    stored.linesLeftOut = step.linesLeftOut;
    stored.termsNotKept = record.termsNotKept;
    stored.keptNote = QString::fromStdString(record.keptNote);
    return stored;
}

StepLimits EngineStepLimits()
{
    return {static_cast<int>(StepKind::kListTotal), static_cast<int>(StepOperator::kDivide), kListedFormatCount,
            kValueLimit, static_cast<int>(Outcome::kDivisionByZero), static_cast<int>(LineProblem::kCannotBeRead)};
}

std::optional<StepRecord> StepRecordOf(const StoredStep& stored)
{
    if (!IsSound(stored, EngineStepLimits())) return std::nullopt;
    const std::optional<StepValue> left = StepValueOf(stored.left, false);
    const std::optional<StepValue> right = StepValueOf(stored.right, false);
    const std::optional<StepValue> result = StepValueOf(stored.result, true);
    if (!left || !right || !result) return std::nullopt;
    StepRecord record;
    FinishedStep& step = record.step;
    step.kind = static_cast<StepKind>(stored.kind);
    step.registerIndex = stored.registerIndex;
    step.format = &ListedFormat(stored.format);
    step.op = static_cast<StepOperator>(stored.op);
    step.left = *left;
    step.right = *right;
    step.result = *result;
    step.problem.outcome = static_cast<Outcome>(stored.outcome);
    step.problem.field = stored.outcomeField;
    step.problem.negative = stored.outcomeNegative;
    step.problem.reason = stored.outcomeReason.toStdString();
    step.exactFormat = &ListedFormat(stored.exactFormat);
    step.exactValue = stored.exactCount;
    step.lineNumber = stored.lineNumber;
    record.line = stored.line.toStdString();
    step.lineProblem = static_cast<LineProblem>(stored.lineProblem);
    step.linesAdded = stored.linesAdded;
    step.linesSkipped = stored.linesSkipped;
    step.linesLeftOut = stored.linesLeftOut;
    record.termsNotKept = stored.termsNotKept;
    record.keptNote = stored.keptNote.toStdString();
    return record;
}

} // namespace quillet
