#include "ui/window/register_display.h"

#include "ui/accessibility/announcer.h"
#include "controls/flat_button.h"
#include "engine/words.h"
#include "ui/accessibility/spoken_words.h"

#include <QAccessible>
#include <QApplication>
#include <QFocusEvent>

namespace quillet {

void RegisterDisplay::Invalidate()
{
    LcdDisplay::Invalidate();
    if (m_text != m_announced) {
        const QString before = QString::fromStdString(m_announced).trimmed();
        m_announced = m_text;
        // Building the events costs a little on every key; skip it when no
        // assistive technology listens.
        if (QAccessible::isActive()) Announce(before);
    }
    Explain();
}

void RegisterDisplay::Announce(const QString& before)
{
    const QString shown = QString::fromStdString(m_text).trimmed();
    QAccessibleValueChangeEvent value(this, shown);
    QAccessible::updateAccessibility(&value);
    // A screen reader speaks name and text changes of the object that has the focus.
    QAccessibleEvent name(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&name);
    QAccessibleTextUpdateEvent text(this, 0, before, shown);
    QAccessible::updateAccessibility(&text);
    // Screen readers take text that changes right after a key for the user's
    // own typing and keep quiet, so results go through the announcer; typed
    // digits and operators they have echoed already.
    const bool echoed = m_engine != nullptr && m_engine->Problem(m_index).outcome == Outcome::kDone &&
                        (m_engine->IsTyping(m_index) || m_engine->PendingOperator(m_index) != 0);
    if (!echoed) SayValue();
}

void RegisterDisplay::SayValue()
{
    if (m_announcer != nullptr && IsWorkedOn()) m_announcer->Say(ValueReadOut());
}

bool RegisterDisplay::IsWorkedOn() const
{
    if (m_engine == nullptr || m_engine->CurrentRegister() != m_index) return false;
    // The focus on a display or a keypad key. On another control (a format
    // list, the Mode button) the screen reader is saying what that control
    // did, and a result would cut it short.
    const QWidget* focus = QApplication::focusWidget();
    if (focus == nullptr || focus->window() != window()) return false;
    if (qobject_cast<const LcdDisplay*>(focus) != nullptr) return true;
    const auto* key = qobject_cast<const FlatButton*>(focus);
    return key != nullptr && key->XButtonStyle() == FlatButton::KeypadStyle;
}

QString RegisterDisplay::ValueReadOut() const
{
    if (m_engine == nullptr) return LcdDisplay::SpokenValue();
    return QString::fromStdString(ShownInWords(m_engine->ShownValue(m_index), m_engine->Format(m_index),
                                               m_engine->Problem(m_index), m_engine->PendingOperator(m_index)));
}

void RegisterDisplay::focusInEvent(QFocusEvent* event)
{
    LcdDisplay::focusInEvent(event);
    // A click says so itself (LcdDisplay::clicked), once released.
    if (event->reason() != Qt::MouseFocusReason) emit focusTaken();
}

void RegisterDisplay::Explain()
{
    if (m_engine == nullptr) return;
    const RegisterProblem& problem = m_engine->Problem(m_index);
    const bool inError = problem.outcome != Outcome::kDone;
    // The usual case, no error shown before or now, costs a few comparisons.
    if (!inError && m_explained.isEmpty() && !accessibleDescription().isEmpty()) return;
    const QString why = inError ? QString::fromStdString(ProblemText(problem, m_engine->Format(m_index))) : QString();
    if (why == m_explained && !accessibleDescription().isEmpty()) return;
    m_explained = why;
    setToolTip(why);
    setAccessibleDescription(why.isEmpty() ? DisplayUseWords() : why + QStringLiteral("; ") + DisplayUseWords());
}

} // namespace quillet
