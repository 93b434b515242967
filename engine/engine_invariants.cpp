// The rules the engine's state keeps after every operation, checked on
// request by the fuzzer and the window's soak test.
#include "calculator_engine.h"

#include "format_table.h"

namespace quillet {
namespace {

bool IsListedFormat(const TimecodeFormat* format)
{
    for (int position = 0; position < kListedFormatCount; ++position)
        if (format == &ListedFormat(position)) return true;
    return false;
}

// Whether `text` has the layout of `format`: its digits with each field's
// separator, "E" allowed over the first digit, then one more character.
bool HasLayout(const TimecodeFormat& format, std::string_view text, bool inError)
{
    std::size_t at = 0;
    for (int field = format.fieldCount - 1; field >= 0; --field) {
        const int separator = format.fields[field].separator;
        if (separator > 0 && (at >= text.size() || text[at++] != separator)) return false;
        for (int d = 0; d < format.fields[field].digits; ++d, ++at) {
            if (at >= text.size()) return false;
            const char c = text[at];
            const bool digit = c >= '0' && c <= '9';
            if (!digit && !(at == 0 && c == 'E' && inError)) return false;
        }
    }
    return at + 1 == text.size();
}

} // namespace

const char* CalculatorEngine::BrokenRule() const
{
    if (m_current < 0 || m_current > 2) return "no current register";
    for (const TimecodeRegister& reg : m_registers) {
        if (!IsListedFormat(reg.format)) return "format is not a listed row";
        for (int i = 0; i < 8; ++i)
            if (reg.entryDigits[i] < '0' || reg.entryDigits[i] > '9') return "a digit is not 0-9";
        if (reg.entryDigits[8] != '\0') return "the digits are not terminated";
        if (reg.freshEntry && !reg.error.IsSet()) {
            const std::optional<std::int32_t> read = ParseDigits(*reg.format, reg.entryDigits, m_options);
            if (!read || FormatValue(*reg.format, *read).digits != reg.entryDigits)
                return "a shown result does not read back";
        }
        const bool typingScalar = reg.scalarEntry && !reg.freshEntry;
        const bool inError = reg.problem.outcome != Outcome::kDone;
        if (!HasLayout(typingScalar ? ScalarFormat() : *reg.format, reg.text, inError))
            return "the shown text is not in its format's layout";
        if ((reg.text[0] == 'E') != inError) return "the shown E and the problem disagree";
        if (reg.text.back() != (reg.pendingOp != 0 ? reg.pendingOp : ' ')) return "the last character is not the pending operator";
        if (reg.display != nullptr && reg.display->m_text != reg.text) return "the display shows another text";
    }
    return nullptr;
}

} // namespace quillet
