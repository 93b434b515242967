#include "cli/engine_session.h"

#include "engine/format_table.h"

namespace quillet::cli {
namespace {

// FindFormat looks rows up by the indexes FillFormatList writes, so the
// engine needs a selector filled once, even with no one to show it.
class UnseenSelector final : public FormatSelector {
public:
    void AddString(const char*) override {}
};

void PrepareEngine(CalculatorEngine& engine, bool strict, bool noBump)
{
    UnseenSelector selector;
    FillFormatList(selector);
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

bool ShowsError(const CapturedDisplay& display)
{
    return !display.m_text.empty() && display.m_text[0] == 'E';
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
    m_engine.CommitEntry(in);

    // A commit that could not read the entry stops before marking the
    // register fresh, and leaves OUT as it was.
    if (!in.freshEntry) {
        m_engine.AttachDisplay(kIn, &m_fromDisplay);
        m_engine.RefreshRegister(in);
        m_engine.AttachDisplay(kIn, nullptr);
        return {m_fromDisplay.Shown(), Outcome::kCannotBeRead, false};
    }
    const TimecodeRegister& out = m_engine.registers[kOut];
    return {m_toDisplay.Shown(), out.error ? Outcome::kCannotBeShown : Outcome::kFine, in.error};
}

std::string_view ConversionSession::FromName() const { return m_engine.registers[kIn].format->name; }

std::string_view ConversionSession::ToName() const { return m_engine.registers[kOut].format->name; }

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
        engine.ApplyOperator(op, false);
        // An operator that was carried out always ends by clearing the error
        // flag; it is still set only when the entry could not be read.
        if (reg.error) {
            result.problems.push_back({i, Outcome::kCannotBeRead});
            break;
        }
        // Values are exact through the chain, so a step that cannot be shown
        // matters only at the end (5 - 10 + 20 is 15); a division by zero
        // loses the left operand wherever it happens.
        if (ShowsError(display)) {
            const bool divisionByZero = reg.lastOp == '/' && reg.lastOperand == 0;
            if (divisionByZero) result.problems.push_back({i, Outcome::kDivisionByZero});
            else if (i + 1 == steps.size()) result.problems.push_back({i, Outcome::kCannotBeShown});
        }
    }
    result.text = display.Shown();
    return result;
}

} // namespace quillet::cli
