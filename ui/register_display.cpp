#include "register_display.h"

#include "format_words.h"

#include <QAccessible>

namespace quillet {

void RegisterDisplay::Invalidate()
{
    LcdDisplay::Invalidate();
    if (m_text != m_announced) {
        m_announced = m_text;
        // Building the event costs a little on every key; skip it when no
        // assistive technology listens.
        if (QAccessible::isActive()) {
            QAccessibleValueChangeEvent event(this, QString::fromStdString(m_text).trimmed());
            QAccessible::updateAccessibility(&event);
        }
    }
    Explain();
}

void RegisterDisplay::Explain()
{
    if (m_engine == nullptr) return;
    const RegisterProblem& problem = m_engine->Problem(m_index);
    const bool inError = problem.outcome != Outcome::kDone;
    // The usual case, no error shown before or now, costs one comparison.
    if (!inError && toolTip().isEmpty()) return;
    const QString why = inError ? ProblemText(problem, m_engine->Format(m_index)) : QString();
    if (why == toolTip()) return;
    setToolTip(why);
    setAccessibleDescription(why);
}

} // namespace quillet
