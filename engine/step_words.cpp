// Steps in words: the tape's lines as text, as a screen reader says them and
// as CSV columns.
#include "words.h"

#include "calculator_engine.h"

namespace quillet {
namespace {

// The tape is read in columns: every name takes the width of "OUT".
constexpr const char* kShortNames[3] = {"IN ", "OUT", "DUR"};

// Each operator as the keypad labels it and as a screen reader says it, in
// StepOperator's order.
constexpr std::pair<std::string_view, std::string_view> kOperatorWords[] = {
    {"", ""}, {"+", "plus"}, {"-", "minus"}, {"x", "times"}, {"/", "divided by"},
};
std::string_view OperatorText(StepOperator op) { return kOperatorWords[static_cast<int>(op)].first; }
std::string_view SpokenOperator(StepOperator op) { return kOperatorWords[static_cast<int>(op)].second; }

std::string Lines(long long count) { return std::to_string(count) + (count == 1 ? " line" : " lines"); }

// The step in words: who, left, operator, right, the equals word and the
// result, each written as the caller says.
std::string StepWords(const StepRecord& record, std::string_view who, std::string_view op, std::string_view equals)
{
    const FinishedStep& step = record.step;
    std::string words{who};
    const auto add = [&](std::string_view word) {
        if (word.empty()) return;
        words += ' ';
        words += word;
    };
    add(StepValueText(step.left));
    add(op);
    add(StepValueText(step.right));
    if (step.result.present) {
        if (step.op != StepOperator::kNone || step.kind == StepKind::kListTotal) add(equals);
        add(StepValueText(step.result));
    }
    return words;
}

} // namespace

std::string EditingText(const StepValue& part)
{
    if (!part.present || part.inError || part.format == &ScalarFormat()) return StepValueText(part);
    std::string text;
    AppendDigitsText(*part.format, part.digits, text);
    return EditingForm(*part.format, std::move(text));
}

namespace {

std::string Count(const StepValue& part)
{
    return part.present && !part.inError ? std::to_string(part.value) : std::string{};
}

} // namespace

std::string StepValueText(const StepValue& value)
{
    if (!value.present) return {};
    if (value.format == nullptr) return "E";
    std::string text;
    AppendDigitsText(*value.format, value.digits, text);
    if (value.inError && !text.empty()) text[0] = 'E';
    return text;
}

std::optional<StepOperator> StepOperatorOfText(std::string_view text)
{
    for (std::size_t op = 0; op < std::size(kOperatorWords); ++op)
        if (kOperatorWords[op].first == text) return static_cast<StepOperator>(op);
    return std::nullopt;
}

StepValue StepValueOfText(std::string_view text, const TimecodeFormat& format)
{
    StepValue part;
    if (text.empty()) return part;
    part.present = true;
    part.inError = text.front() == 'E';
    part.format = text == "E" ? nullptr : &format;
    int free = 8;
    for (auto c = text.rbegin(); c != text.rend() && free > 0; ++c)
        if ((*c >= '0' && *c <= '9') || *c == 'E') part.digits[--free] = *c == 'E' ? '0' : *c;
    return part;
}

std::string StepNote(const StepRecord& record)
{
    if (record.earlierStepsRemoved) return "Earlier steps removed";
    if (!record.keptNote.empty()) return record.keptNote;
    const FinishedStep& step = record.step;
    if (step.kind == StepKind::kListTerm) {
        const std::string where = "Line " + std::to_string(step.lineNumber) + " " + QuotedText(record.line);
        if (step.lineProblem == LineProblem::kNone) return where;
        return where + (step.lineProblem == LineProblem::kNotAValue ? " is not a value: " : " cannot be read: ") +
               step.problem.reason;
    }
    if (step.kind == StepKind::kListTotal) {
        std::string counts = Lines(step.linesAdded) + " added";
        if (step.linesSkipped > 0) counts += ", " + Lines(step.linesSkipped) + " without a value skipped";
        if (step.linesLeftOut > 0) counts += ", " + Lines(step.linesLeftOut) + " in error";
        // Whether the totals the list states agree with what its lines add up to.
        if (!record.listNote.empty()) counts += "; " + record.listNote;
        if (step.problem.outcome != Outcome::kDone) counts += "; " + ProblemText(step.problem, *step.format);
        // The total counts lines the tape no longer holds.
        if (record.termsNotKept > 0)
            counts += "; the first " + std::to_string(record.termsNotKept) + " of them are not on the tape";
        return counts;
    }
    return ProblemText(step.problem, *step.format);
}

std::string TapeLineText(const StepRecord& record)
{
    if (record.earlierStepsRemoved) return StepNote(record);
    const FinishedStep& step = record.step;
    std::string text = StepWords(record, kShortNames[step.registerIndex], OperatorText(step.op), "=") + "  " +
                       std::string{NameOf(*step.format)};
    const std::string note = StepNote(record);
    if (!note.empty()) text += "  " + note;
    return text;
}

std::string SpokenTapeLine(const StepRecord& record)
{
    if (record.earlierStepsRemoved) return StepNote(record);
    const FinishedStep& step = record.step;
    std::string spoken = StepWords(record, std::string{kRegisterNames[step.registerIndex]} + ':',
                                   SpokenOperator(step.op), "equals") +
                         ", " + std::string{NameOf(*step.format)};
    const std::string note = StepNote(record);
    if (!note.empty()) spoken += ". " + note;
    return spoken;
}

const std::array<std::string_view, kCsvColumnCount>& CsvColumns()
{
    static constexpr std::array<std::string_view, kCsvColumnCount> kColumns{
        "Register", "Format", "Left", "Left count", "Operator", "Right", "Right count", "Result", "Result count", "Note"};
    return kColumns;
}

std::array<std::string, kCsvColumnCount> CsvFields(const StepRecord& record)
{
    if (record.earlierStepsRemoved) return {{{}, {}, {}, {}, {}, {}, {}, {}, {}, StepNote(record)}};
    const FinishedStep& step = record.step;
    // Each value beside its exact count; the plain number after '*' and '/'
    // is its own count.
    return {{std::string{kRegisterNames[step.registerIndex]}, std::string{NameOf(*step.format)},
             EditingText(step.left), Count(step.left), std::string{OperatorText(step.op)},
             EditingText(step.right), Count(step.right), EditingText(step.result),
             step.kind == StepKind::kListTerm ? std::string{} : Count(step.result), StepNote(record)}};
}

} // namespace quillet
