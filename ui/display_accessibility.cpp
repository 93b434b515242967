#include "display_accessibility.h"

#include "controls/lcd_display.h"

#include <QAccessibleWidget>

namespace quillet {

namespace {

class DisplayAccessible : public QAccessibleWidget {
public:
    explicit DisplayAccessible(LcdDisplay* display) : QAccessibleWidget(display, QAccessible::StaticText) {}

    QString text(QAccessible::Text kind) const override
    {
        const auto* display = static_cast<const LcdDisplay*>(widget());
        const QString shown = QString::fromStdString(display->m_text).trimmed();
        switch (kind) {
        case QAccessible::Name: return (display->accessibleName() + QLatin1Char(' ') + shown).trimmed();
        case QAccessible::Value: return shown;
        default: return QAccessibleWidget::text(kind);
        }
    }
};

QAccessibleInterface* CreateDisplayAccessible(const QString& className, QObject* object)
{
    if (className == QLatin1String("LcdDisplay") && object != nullptr && object->isWidgetType()) {
        return new DisplayAccessible(static_cast<LcdDisplay*>(object));
    }
    return nullptr;
}

} // namespace

void InstallDisplayAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(&CreateDisplayAccessible);
        return true;
    }();
    (void)installed;
}

} // namespace quillet
