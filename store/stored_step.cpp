#include "store/stored_step.h"

#include <algorithm>

namespace quillet {
namespace {

// A pasted list line may hold tabs; nothing else below a blank.
bool IsSafeText(const QString& text)
{
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if ((u < 0x20 && u != u'\t') || (u >= 0x7F && u <= 0x9F)) return false;
        if (u == 0x061C || u == 0x200E || u == 0x200F || (u >= 0x202A && u <= 0x202E) || (u >= 0x2066 && u <= 0x2069))
            return false;
    }
    return true;
}

bool Within(std::int64_t value, std::int64_t lowest, std::int64_t highest) { return value >= lowest && value <= highest; }

bool IsSound(const StoredOperand& operand, const StepLimits& limits)
{
    if (!operand.present) return true;
    const bool digits = operand.digits.size() == 8
                        && std::all_of(operand.digits.begin(), operand.digits.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    return digits && Within(operand.format, StoredOperand::kNoFormat, limits.formatCount - 1)
           && Within(operand.count, -limits.valueLimit, limits.valueLimit);
}

} // namespace

bool IsSound(const StoredStep& step, const StepLimits& limits)
{
    return Within(step.kind, 0, limits.lastKind) && Within(step.registerIndex, 0, 2)
           && Within(step.format, 0, limits.formatCount - 1) && Within(step.op, 0, limits.lastOperator) && IsSound(step.left, limits)
           && IsSound(step.right, limits) && IsSound(step.result, limits) && Within(step.outcome, 0, limits.lastOutcome)
           && Within(step.exactFormat, 0, limits.formatCount - 1)
           && Within(step.exactCount, -limits.valueLimit, limits.valueLimit) && step.lineNumber >= 0
           && Within(step.lineProblem, 0, limits.lastLineProblem) && step.linesAdded >= 0 && step.linesSkipped >= 0
           && step.linesLeftOut >= 0 && step.termsNotKept >= 0 && step.timeMs >= 0 && IsSafeText(step.outcomeReason)
           && IsSafeText(step.line) && IsSafeText(step.keptNote);
}

} // namespace quillet
