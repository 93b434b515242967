#pragma once
// Undo and redo in the window: before each step a user takes (a key, a
// commit, an operator, C, CA, a paste, a format or mode change) the engine's
// whole state is remembered with the format each selector shows; Ctrl+Z goes
// back one step, Ctrl+Shift+Z or Ctrl+Y forward again, at least 100 steps.

#include "engine/engine_history.h"
#include "ui/window/register_panel.h"

#include <array>
#include <functional>

namespace quillet {

class CalculatorEngine;
class ProfileStore;

class WindowHistory {
public:
    // `showState` shows the engine's state in the window again after a step
    // back or forward; `moreRates` is whether the selectors list today's rates.
    WindowHistory(CalculatorEngine& engine, std::array<RegisterPanel, 3>& panels, ProfileStore& profile,
                  const bool& moreRates, std::function<void()> showState);

    // Before a step: what it starts from. A selector that already shows its
    // new choice (`changedSelector`, 0..2) is remembered with the register's
    // format instead.
    void Remember(int changedSelector = -1);
    // False, changing nothing, when there is nothing to undo or redo.
    bool Undo();
    bool Redo();

private:
    using History = EngineHistory<std::array<int, 3>>;
    History::Entry Now() const;
    void GoTo(const History::Entry& entry);

    CalculatorEngine& m_engine;
    std::array<RegisterPanel, 3>& m_panels;
    ProfileStore& m_profile;
    const bool& m_moreRates;
    std::function<void()> m_showState;
    History m_history;
};

} // namespace quillet
