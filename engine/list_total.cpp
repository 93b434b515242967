// Adding up a list of values (a pasted column, a file on standard input) as
// if each were typed after '+', and entering an earlier result again.
#include "calculator_engine.h"

#include "convert_value.h"
#include "list_term.h"

#include <algorithm>
#include <cstring>

namespace quillet {

Outcome CalculatorEngine::AddUpLines(std::string_view text)
{
    if (!BeginList()) return Current().problem.outcome;
    AddListLines(text);
    return EndList();
}

bool CalculatorEngine::BeginList()
{
    TimecodeRegister& reg = Current();
    // As for an operator: the entry that cannot be read stays until "C".
    if (reg.error.IsSet()) {
        RefreshRegister(reg);
        return false;
    }
    m_list = {};
    m_list.active = true;
    // The list is the right operand of a pending '+' or '-'. A multiplier or
    // divisor is one plain number, which a list of values is not.
    m_list.continuesChain = reg.pendingOp == '+' || reg.pendingOp == '-';
    if (m_list.continuesChain) {
        m_list.op = reg.pendingOp;
        m_list.left = reg.operand;
    }
    return true;
}

void CalculatorEngine::AddListLines(std::string_view text)
{
    if (!m_list.active) return;
    const TimecodeRegister& reg = Current();
    const EntryOptions options = m_options;
    while (!text.empty()) {
        const void* newline = std::memchr(text.data(), '\n', text.size());
        const std::size_t length =
            newline != nullptr ? static_cast<std::size_t>(static_cast<const char*>(newline) - text.data()) : text.size();
        const std::string_view line = text.substr(0, length);
        text.remove_prefix(newline != nullptr ? length + 1 : length);
        const long long lineNumber = m_list.nextLine++;

        const ListTerm term = ReadListTerm(line, *reg.format, options);
        if (term.problem == LineProblem::kBlank) continue;
        if (term.problem == LineProblem::kNone) {
            ++m_list.added;
            // Past the exact range the total only has to stay beyond it.
            m_list.total = std::min(m_list.total + term.value, kValueLimit + 1);
        } else {
            ++m_list.leftOut;
        }
        if (m_stepListener != nullptr) ReportListTerm(reg, term, line, lineNumber);
    }
}

Outcome CalculatorEngine::EndList()
{
    TimecodeRegister& reg = Current();
    if (!m_list.active) return reg.problem.outcome;
    m_list.active = false;

    const std::int64_t result = m_list.op == '-' ? m_list.left - m_list.total : m_list.left + m_list.total;
    // '=' after the list repeats what a typed right operand would repeat; a
    // list standing alone is a new value, with nothing to repeat.
    reg.lastOp = m_list.continuesChain ? m_list.op : 0;
    reg.lastOperand = m_list.total;
    reg.pendingOp = 0;
    reg.scalarEntry = false;
    reg.freshEntry = true;
    reg.error.Clear();
    if (!m_list.continuesChain) reg.error.beyondRange = false;
    StoreResult(reg, result);
    reg.operand = reg.value;
    RefreshRegister(reg);
    const Outcome outcome = reg.problem.outcome;
    if (m_stepListener != nullptr) ReportListTotal(reg);
    RecomputeAfterStep(reg, true);
    reg.error.Clear();
    return outcome;
}

bool CalculatorEngine::PasteValue(std::int64_t value, const TimecodeFormat& format)
{
    const TimecodeFormat& into = *Current().format;
    const FormattedValue written = FormatValue(into, ConvertValue(format, value, into));
    if (written.cannotBeShown) return false;
    PasteDigits({written.digits.data(), 8});
    return true;
}

} // namespace quillet
