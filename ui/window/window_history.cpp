#include "ui/window/window_history.h"

#include "engine/calculator_engine.h"
#include "store/profile_store.h"

namespace quillet {

namespace {

constexpr Preference kStoredFormats[3] = {Preference::kInFormat, Preference::kOutFormat, Preference::kDurationFormat};

} // namespace

WindowHistory::WindowHistory(CalculatorEngine& engine, std::array<RegisterPanel, 3>& panels, ProfileStore& profile,
                             const bool& moreRates, std::function<void()> showState)
    : m_engine(engine), m_panels(panels), m_profile(profile), m_moreRates(moreRates), m_showState(std::move(showState))
{
}

WindowHistory::History::Entry WindowHistory::Now() const
{
    History::Entry entry{m_engine.SaveState(), {}};
    for (const RegisterPanel& panel : m_panels) entry.extra[panel.Index()] = panel.selector.CurrentFormat();
    return entry;
}

void WindowHistory::Remember(int changedSelector)
{
    History::Entry before = Now();
    if (changedSelector >= 0 && changedSelector < 3) before.extra[changedSelector] = m_engine.Format(changedSelector).listIndex;
    m_history.Remember(std::move(before));
}

bool WindowHistory::Undo()
{
    if (!m_history.CanUndo()) return false;
    GoTo(m_history.Undo(Now()));
    return true;
}

bool WindowHistory::Redo()
{
    if (!m_history.CanRedo()) return false;
    GoTo(m_history.Redo(Now()));
    return true;
}

void WindowHistory::GoTo(const History::Entry& entry)
{
    m_engine.RestoreState(entry.engine);
    for (RegisterPanel& panel : m_panels) {
        const int format = entry.extra[panel.Index()];
        if (panel.selector.CurrentFormat() == format) continue;
        // A choice changed back is stored again, as the user's own would be.
        panel.selector.ShowFormats(m_moreRates, format);
        m_profile.Set(kStoredFormats[panel.Index()], format);
    }
    m_showState();
}

} // namespace quillet
