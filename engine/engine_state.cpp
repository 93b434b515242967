// Saving and restoring the engine's whole state, for undo and redo.
#include "calculator_engine.h"

namespace quillet {

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
