#pragma once
// Undo and redo over the engine's whole state: the caller remembers the state
// before each step a user takes; Undo goes back one step, Redo forward again.

#include "calculator_engine.h"

#include <cstddef>
#include <deque>
#include <vector>

namespace quillet {

template <typename Extra = int>
class EngineHistory {
public:
    // What a step changes: the engine's state and whatever the caller keeps beside it.
    struct Entry {
        CalculatorEngine::State engine;
        Extra extra{};
    };

    explicit EngineHistory(std::size_t depth = 200) : m_depth(depth) {}

    // `before` is the state the step about to be taken starts from. A new step
    // forgets what was undone.
    void Remember(Entry before)
    {
        m_redo.clear();
        // A step that changed nothing leaves nothing to undo.
        if (!m_undo.empty() && m_undo.back().engine == before.engine && m_undo.back().extra == before.extra) return;
        m_undo.push_back(std::move(before));
        if (m_undo.size() > m_depth) m_undo.pop_front();
    }
    bool CanUndo() const { return !m_undo.empty(); }
    bool CanRedo() const { return !m_redo.empty(); }
    // The state to go back to from `now`, which Redo gives back; call only when CanUndo.
    Entry Undo(Entry now)
    {
        m_redo.push_back(std::move(now));
        Entry back = std::move(m_undo.back());
        m_undo.pop_back();
        return back;
    }
    // The state to go forward to from `now`; call only when CanRedo.
    Entry Redo(Entry now)
    {
        m_undo.push_back(std::move(now));
        Entry forward = std::move(m_redo.back());
        m_redo.pop_back();
        return forward;
    }

private:
    std::size_t m_depth;
    std::deque<Entry> m_undo;
    std::vector<Entry> m_redo;
};

} // namespace quillet
