#include "cli/engine_session.h"

#include "engine/format_table.h"

namespace quillet::cli {
namespace {

void PrepareEngine(CalculatorEngine& engine, bool strict, bool noBump)
{
    engine.allowOverflow = !strict;
    engine.bumpUpDropped = !noBump;
}

// Zeros typed first into a cleared entry leave it exactly as it was, so
// they need no key press.
void TypeDigits(CalculatorEngine& engine, const TypedDigits& typed, bool entryCleared)
{
    int first = 0;
    if (entryCleared)
        while (first < typed.count && typed.digits[first] == '0') ++first;
    for (int i = first; i < typed.count; ++i) engine.KeyIn(typed.digits[i]);
}

} // namespace

std::string_view CapturedDisplay::Shown() const
{
    std::string_view text = m_text;
    if (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

ConversionSession::ConversionSession(int fromPosition, int toPosition, bool strict, bool noBump)
{
    PrepareEngine(m_engine, strict, noBump);
    // IN's text is needed only when its entry cannot be read; it gets a
    // display just then (see Convert), which keeps every typed digit cheap.
    m_engine.AttachDisplay(kOut, &m_toDisplay);
    m_engine.SetRegisterFormat(kIn, fromPosition);
    m_engine.SetRegisterFormat(kOut, toPosition);
    // Conversion mode also fills DURATION, which nobody reads here; in
    // FROM's own format that costs the least.
    m_engine.SetRegisterFormat(kDuration, fromPosition);
}

ConversionSession::Result ConversionSession::Convert(const TypedDigits& typed)
{
    TimecodeRegister& in = m_engine.registers[kIn];
    // A cleared register, as after "C": nothing of the previous value remains.
    m_engine.ResetRegister(in, true);
    TypeDigits(m_engine, typed, true);
    const Outcome committed = m_engine.CommitEntry(in);

    // An entry that cannot be read leaves OUT as it was.
    if (committed == Outcome::kCannotBeRead) {
        m_engine.AttachDisplay(kIn, &m_fromDisplay);
        m_engine.RefreshRegister(in);
        m_engine.AttachDisplay(kIn, nullptr);
        return {m_fromDisplay.Shown(), Outcome::kCannotBeRead, false};
    }
    return {m_toDisplay.Shown(), m_engine.registers[kOut].problem.outcome, committed == Outcome::kCannotBeShown};
}

std::string_view ConversionSession::FromName() const { return NameOf(*m_engine.registers[kIn].format); }

std::string_view ConversionSession::ToName() const { return NameOf(*m_engine.registers[kOut].format); }

EvalResult Evaluate(int formatPosition, bool strict, bool noBump, const std::vector<EvalStep>& steps)
{
    CalculatorEngine engine;
    CapturedDisplay display;
    PrepareEngine(engine, strict, noBump);
    engine.AttachDisplay(kIn, &display);
    engine.SetRegisterFormat(kIn, formatPosition);
    TimecodeRegister& reg = engine.registers[kIn];
    engine.ResetRegister(reg, true);

    EvalResult result;
    for (std::size_t i = 0; i < steps.size(); ++i) {
        TypeDigits(engine, steps[i].typed, false);
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
            result.problems.push_back({i, outcome});
    }
    result.text = display.Shown();
    return result;
}

} // namespace quillet::cli
