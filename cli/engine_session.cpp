#include "cli/engine_session.h"

#include "engine/format_table.h"
#include "engine/written_conversion.h"
#include "engine/words.h"
#include "engine/written_value.h"

namespace quillet::cli {
namespace {

void PrepareEngine(CalculatorEngine& engine, bool strict, bool noBump)
{
    engine.SetOptions({!strict, !noBump});
}

std::string_view Digits(const TypedDigits& typed) { return {typed.digits, static_cast<std::size_t>(typed.count)}; }

// Text that is no value in any format; the rest may be one, in another format.
bool IsNoValue(WrittenFault fault)
{
    return fault == WrittenFault::kNoDigits || fault == WrittenFault::kBadCharacter || fault == WrittenFault::kTooManyDigits;
}

// The shown text without the blank that ends it when no operator is pending.
std::string_view WithoutBlank(std::string_view text)
{
    if (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

} // namespace

ConversionSession::ConversionSession(int fromPosition, int toPosition, bool strict, bool noBump)
{
    PrepareEngine(m_engine, strict, noBump);
    m_engine.SetRegisterFormat(kIn, fromPosition);
    m_engine.SetRegisterFormat(kOut, toPosition);
    // Conversion mode also fills DURATION, which nobody reads here; in
    // FROM's own format that costs the least.
    m_engine.SetRegisterFormat(kDuration, fromPosition);
}

std::string ConversionSession::NotAValue(std::string_view text) const
{
    const WrittenValue written = ReadWrittenValue(text, m_engine.Format(kIn), m_engine.Options());
    return IsNoValue(written.fault) ? WrittenFaultText(written, m_engine.Format(kIn)) : std::string{};
}

ConversionSession::Result ConversionSession::Convert(std::string_view text)
{
    const TimecodeFormat& to = m_engine.Format(kOut);
    const WrittenConversion converted = ConvertWritten(text, m_engine.Format(kIn), to, m_engine.Options());
    if (converted.written.fault != WrittenFault::kNone) {
        // The engine refuses it as the window does: IN shows its "E" and says why.
        m_engine.EnterWrittenValue(text);
        return {WithoutBlank(m_engine.ShownText(kIn)), Outcome::kCannotBeRead, false, m_engine.Problem(kIn).reason,
                IsNoValue(converted.written.fault)};
    }
    m_text.clear();
    if (editingForms && !converted.cannotBeShown) {
        m_text = EditingText(to, converted.value);
    } else {
        AppendDigitsText(to, converted.digits, m_text);
        if (converted.cannotBeShown) m_text[0] = 'E';
    }
    return {m_text, converted.cannotBeShown ? Outcome::kCannotBeShown : Outcome::kDone, converted.notShownInFrom, {}};
}

std::string_view ConversionSession::FromName() const { return NameOf(m_engine.Format(kIn)); }

std::string_view ConversionSession::ToName() const { return NameOf(m_engine.Format(kOut)); }

EvalResult Evaluate(int formatPosition, bool strict, bool noBump, const std::vector<EvalStep>& steps, bool editingForms,
                    bool wrapAtMidnight)
{
    CalculatorEngine engine;
    PrepareEngine(engine, strict, noBump);
    engine.SetWrapAtMidnight(wrapAtMidnight);
    engine.SetRegisterFormat(kIn, formatPosition);
    engine.ClearEntry();

    EvalResult result;
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const bool multiplier = steps[i].op == '*' || steps[i].op == '/';
        if (multiplier) {
            for (char digit : Digits(steps[i].typed)) engine.KeyIn(digit);
        } else if (engine.PasteWrittenValue(steps[i].text) == Outcome::kCannotBeRead) {
            result.problems.push_back({i, Outcome::kCannotBeRead});
            result.reason = engine.Problem(kIn).reason;
            break;
        }
        const char op = i + 1 < steps.size() ? steps[i + 1].op : '=';
        const Outcome outcome = engine.ApplyOperator(op, false);
        // An entry that cannot be read blocks the register, so the chain ends
        // there. Values are exact through the chain, so a step that cannot be
        // shown matters only at the end (5 - 10 + 20 is 15); a division by
        // zero loses the left operand wherever it happens.
        if (outcome == Outcome::kCannotBeRead) {
            result.problems.push_back({i, outcome});
            break;
        }
        if (outcome == Outcome::kDivisionByZero || (outcome == Outcome::kCannotBeShown && i + 1 == steps.size()))
            result.problems.push_back({i, outcome, engine.Problem(kIn).negative});
    }
    result.text = WithoutBlank(engine.ShownText(kIn));
    if (editingForms && engine.Problem(kIn).outcome == Outcome::kDone)
        result.text = EditingText(engine.Format(kIn), engine.Value(kIn));
    return result;
}

} // namespace quillet::cli
