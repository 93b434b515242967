// Adding up a list of values (a pasted column, a file on standard input) as
// if each were typed after '+', and entering an earlier result again.
#include "calculator_engine.h"

#include "ascii_form.h"
#include "convert_value.h"
#include "list_line.h"
#include "text_lines.h"
#include "words.h"

#include <algorithm>

namespace quillet {

Outcome CalculatorEngine::AddUpLines(std::string_view text)
{
    if (!BeginList(false)) return Current().problem.outcome;
    AddListLines(text);
    return EndList();
}

bool CalculatorEngine::BeginList(bool skipBadLines)
{
    TimecodeRegister& reg = Current();
    // As for an operator: the entry that cannot be read stays until "C".
    if (reg.error.IsSet()) {
        RefreshRegister(reg);
        return false;
    }
    m_list = {};
    m_list.active = true;
    m_list.skipBadLines = skipBadLines;
    m_list.reader.emplace(*reg.format, m_options);
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
    while (!text.empty()) {
        const std::string_view line = TakeLine(text);
        const long long lineNumber = m_list.nextLine++;
        ListTerm term = m_list.reader->Read(line);
        if (term.header) SettleHeldLines(true);
        if (m_list.reader->MayBePreamble()) {
            // Blank lines say nothing and need no place in the order.
            if (term.problem != LineProblem::kBlank) m_list.held.push_back({std::move(term), std::string{line}, lineNumber});
            continue;
        }
        if (!m_list.held.empty()) SettleHeldLines(false);
        TakeListTerm(term, line, lineNumber);
    }
}

void CalculatorEngine::SettleHeldLines(bool preamble)
{
    for (ListInProgress::HeldLine& held : m_list.held) {
        if (preamble) held.term = {LineProblem::kNoValue, 0, kZeroDigits, {}};
        TakeListTerm(held.term, held.line, held.number);
    }
    m_list.held.clear();
}

void CalculatorEngine::TakeListTerm(const ListTerm& term, std::string_view line, long long lineNumber)
{
    switch (term.problem) {
    case LineProblem::kBlank: return;
    case LineProblem::kNoValue:
        ++m_list.skipped;
        if (term.statesTotal) NoteStatedTotal(term, lineNumber);
        break;
    case LineProblem::kNone:
        ++m_list.added;
        // Past the exact range the total only has to stay beyond it.
        m_list.total = std::min(m_list.total + term.value, kValueLimit + 1);
        m_list.sinceSubtotal = std::min(m_list.sinceSubtotal + term.value, kValueLimit + 1);
        break;
    case LineProblem::kNotAValue:
    case LineProblem::kCannotBeRead:
        if (m_list.leftOut++ == 0)
            m_list.firstError = "line " + std::to_string(lineNumber) + " " + QuotedText(line) + ": " + term.reason;
        break;
    }
    if (m_stepListener != nullptr) ReportListTerm(Current(), term, line, lineNumber);
}

void CalculatorEngine::NoteStatedTotal(const ListTerm& term, long long lineNumber)
{
    const std::int64_t computed = term.subtotal ? m_list.sinceSubtotal : m_list.total;
    if (term.subtotal) m_list.sinceSubtotal = 0;
    constexpr std::size_t kLongestNotes = 400; // a list of many subtotals is not retold
    if (!term.totalReadable || m_list.totalNotes.size() > kLongestNotes) return;
    const TimecodeFormat& format = *Current().format;
    auto shown = [&](std::int64_t value) {
        const FormattedValue written = FormatValue(format, value);
        return written.cannotBeShown ? std::string{"more than can be shown"} : DigitsToText(format, written.digits);
    };
    if (!m_list.totalNotes.empty()) m_list.totalNotes += "; ";
    const char* what = term.subtotal ? "subtotal" : "total";
    m_list.totalNotes += "line " + std::to_string(lineNumber) + " states a " + what + " of " + shown(term.value);
    const std::string lines = term.subtotal ? "the lines since the last subtotal" : "the lines above";
    m_list.totalNotes += term.value == computed ? ", which agrees with " + lines : ", but " + lines + " add up to " + shown(computed);
}

Outcome CalculatorEngine::EndList()
{
    TimecodeRegister& reg = Current();
    if (!m_list.active) return reg.problem.outcome;
    SettleHeldLines(false);
    m_list.active = false;
    m_list.reader.reset();

    if (m_list.leftOut > 0 && !m_list.skipBadLines) {
        // No total that omits a line: the register shows why, until "C".
        reg.error.cause = {Outcome::kCannotBeRead, -1, false, m_list.firstError};
        RefreshRegister(reg);
        if (m_stepListener != nullptr) ReportListTotal(reg);
        Recompute(); // the registers derived from it show its "E" too
        return Outcome::kCannotBeRead;
    }
    const std::int64_t result =
        WithinDay(*reg.format, m_list.op == '-' ? m_list.left - m_list.total : m_list.left + m_list.total);
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
    TimecodeRegister& reg = Current();
    const TimecodeFormat& into = *reg.format;
    const FormattedValue written = FormatValue(into, ConvertValue(format, value, into));
    if (written.cannotBeShown) return false;
    EnterTyped(reg, written.digits);
    return true;
}

Outcome CalculatorEngine::PasteWrittenValue(std::string_view text)
{
    TimecodeRegister& reg = Current();
    // The first line that is not blank.
    std::string_view line;
    while (!text.empty() && line.find_first_not_of(" \t") == std::string_view::npos) line = TakeLine(text);
    // Text without a digit (a word, a header) is nothing to paste.
    std::string ascii;
    if (AsciiForm(line, ascii).find_first_of("0123456789") == std::string_view::npos) return Outcome::kDone;
    const WrittenValue written = ReadWrittenValue(line, *reg.format, m_options);
    if (RefusedWritten(reg, line, written)) return Outcome::kCannotBeRead;
    EnterTyped(reg, written.digits);
    return Outcome::kDone;
}

Outcome CalculatorEngine::EnterWrittenValue(std::string_view text)
{
    TimecodeRegister& reg = Current();
    ResetRegister(reg);
    const WrittenValue written = ReadWrittenValue(text, *reg.format, m_options);
    if (RefusedWritten(reg, text, written)) return Outcome::kCannotBeRead;
    reg.entryDigits = written.digits;
    return CommitRegister(reg);
}

void CalculatorEngine::EnterTyped(TimecodeRegister& reg, const EntryDigits& digits)
{
    // As if typed right after a commit: a new entry, a pending operator kept.
    if (reg.freshEntry) {
        reg.lastOp = 0;
        if (reg.pendingOp == 0) reg.error.beyondRange = false;
    }
    reg.freshEntry = false;
    reg.entryDigits = digits;
    RefreshRegister(reg);
}

bool CalculatorEngine::RefusedWritten(TimecodeRegister& reg, std::string_view text, const WrittenValue& written)
{
    if (written.fault == WrittenFault::kNone) return false;
    // The digits as the keypad would have taken them, shown with "E".
    std::string ascii;
    text = AsciiForm(text, ascii);
    EntryDigits digits = kZeroDigits;
    int free = 8;
    for (auto c = text.rbegin(); c != text.rend() && free > 0; ++c)
        if (*c >= '0' && *c <= '9') digits[--free] = *c;
    reg.freshEntry = false;
    reg.entryDigits = digits;
    reg.error.cause = {Outcome::kCannotBeRead, -1, false, WrittenFaultText(written, *reg.format)};
    RefreshRegister(reg);
    Recompute(); // the registers derived from it show its "E" too
    return true;
}

} // namespace quillet
