#include "display_accessibility.h"

#include "controls/lcd_display.h"

#include <QAccessibleWidget>

namespace quillet {

namespace {

// Read-only text: the value as shown, which screen readers read on a text
// update of the focused object.
class DisplayAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    // A read-only text field: screen readers speak what changes in one that has
    // the focus (a label's changes they pass over).
    explicit DisplayAccessible(LcdDisplay* display) : QAccessibleWidget(display, QAccessible::EditableText) {}

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        state.editable = false;
        return state;
    }

    QString text(QAccessible::Text kind) const override
    {
        switch (kind) {
        case QAccessible::Name: return Display()->accessibleName() + QStringLiteral(", ") + Display()->SpokenValue();
        case QAccessible::Value: return Shown();
        default: return QAccessibleWidget::text(kind);
        }
    }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    // QAccessibleTextInterface: the shown text, nothing to select or move.
    QString text(int start, int end) const override { return Shown().mid(start, end - start); }
    int characterCount() const override { return static_cast<int>(Shown().size()); }
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* start, int* end) const override
    {
        *start = 0;
        *end = characterCount();
        return {};
    }

private:
    const LcdDisplay* Display() const { return static_cast<const LcdDisplay*>(widget()); }
    QString Shown() const { return QString::fromStdString(Display()->m_text).trimmed(); }
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
