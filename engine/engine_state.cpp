// Saving and restoring the engine's whole state, for undo and redo.
#include "calculator_engine.h"

namespace quillet {

namespace {

template <typename Register>
bool SameRegister(const Register& a, const Register& b)
{
    return a.index == b.index && a.value == b.value && a.operand == b.operand && a.lastOperand == b.lastOperand &&
           a.entryDigits == b.entryDigits && a.text == b.text && a.pendingOp == b.pendingOp && a.lastOp == b.lastOp &&
           a.freshEntry == b.freshEntry && a.scalarEntry == b.scalarEntry && a.isCalcTarget == b.isCalcTarget &&
           a.error.cause == b.error.cause && a.error.beyondRange == b.error.beyondRange &&
           a.error.derived == b.error.derived && a.problem == b.problem && a.format == b.format;
}

} // namespace

bool CalculatorEngine::State::operator==(const State& other) const
{
    for (int i = 0; i < 3; ++i)
        if (!SameRegister(m_registers[i], other.m_registers[i])) return false;
    return m_current == other.m_current && m_mode == other.m_mode;
}

CalculatorEngine::State CalculatorEngine::SaveState() const
{
    State state;
    for (int i = 0; i < 3; ++i) {
        state.m_registers[i] = m_registers[i];
        state.m_registers[i].display = nullptr;
    }
    state.m_current = m_current;
    state.m_mode = m_mode;
    return state;
}

void CalculatorEngine::RestoreState(const State& state)
{
    for (int i = 0; i < 3; ++i) {
        DisplaySink* const display = m_registers[i].display;
        m_registers[i] = state.m_registers[i];
        m_registers[i].display = display;
        // Shown exactly as it was: its text may carry an "E" its fields no
        // longer hold (a result shown in error does not block the register).
        if (display != nullptr) {
            display->m_text = m_registers[i].text;
            display->Invalidate();
        }
    }
    m_current = state.m_current;
    m_mode = state.m_mode;
}

} // namespace quillet
