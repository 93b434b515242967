#include "ui/accessibility/announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QTimer>

namespace quillet {

namespace {

QAccessibleInterface* CreateAnnouncerAccessible(const QString& className, QObject* object)
{
    if (object == nullptr || !object->isWidgetType()) return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (className == QLatin1String("quillet::Announcer")) return new QAccessibleWidget(widget, QAccessible::StatusBar);
    if (className == QLatin1String("quillet::Announcement")) return new QAccessibleWidget(widget, QAccessible::Notification);
    return nullptr;
}

} // namespace

Announcer::Announcer(QWidget* window) : QWidget(window), m_announcement(new Announcement(this))
{
    static const bool installed = [] {
        QAccessible::installFactory(&CreateAnnouncerAccessible);
        return true;
    }();
    (void)installed;
    // Shown, so that its appearing means something, but with no size: nothing
    // on screen, nothing under the mouse, no place in the focus order.
    setGeometry(0, 0, 0, 0);
    m_announcement->setGeometry(0, 0, 0, 0);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Announcer::Say(const QString& words)
{
    if (!QAccessible::isActive() || words.isEmpty()) return;
    if (m_pending.isEmpty()) QTimer::singleShot(0, this, &Announcer::SayNow);
    m_pending = words;
}

void Announcer::SayNow()
{
    m_announcement->setAccessibleName(m_pending);
    m_pending.clear();
    QAccessibleEvent shown(m_announcement, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

} // namespace quillet
