#include "ui/accessibility/widget_accessibility.h"

#include "controls/hyper_link.h"
#include "controls/lcd_display.h"
#include "ui/window/flat_combo_box.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>

namespace quillet {

namespace {

// A widget that shows one line of text nobody edits in place: nothing to
// select, no caret to move.
class ReadOnlyTextAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    using QAccessibleWidget::QAccessibleWidget;

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    using QAccessibleWidget::text;
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

protected:
    virtual QString Shown() const = 0;
};

class DisplayAccessible : public ReadOnlyTextAccessible {
public:
    // A text field: screen readers speak what changes in one that has the
    // focus (a label's changes they pass over). Not read-only, since it takes
    // digits and operators, though never a caret or a selection.
    explicit DisplayAccessible(LcdDisplay* display) : ReadOnlyTextAccessible(display, QAccessible::EditableText) {}

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.editable = true;
        return state;
    }

    using ReadOnlyTextAccessible::text;
    QString text(QAccessible::Text kind) const override
    {
        switch (kind) {
        case QAccessible::Name: return Display()->accessibleName() + QStringLiteral(", ") + Display()->SpokenValue();
        case QAccessible::Value: return Shown();
        default: return QAccessibleWidget::text(kind);
        }
    }

protected:
    QString Shown() const override { return QString::fromStdString(Display()->m_text).trimmed(); }

private:
    const LcdDisplay* Display() const { return static_cast<const LcdDisplay*>(widget()); }
};

// As Qt presents a drop-down list (its open list is its one child; Alt+Down
// opens it), with its accessible name as name and its choice as text and value.
class SelectorAccessible : public ReadOnlyTextAccessible {
public:
    explicit SelectorAccessible(FlatComboBox* selector) : ReadOnlyTextAccessible(selector, QAccessible::ComboBox) {}

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.expandable = true;
        state.expanded = Selector()->view()->isVisible();
        state.collapsed = !state.expanded;
        return state;
    }

    using ReadOnlyTextAccessible::text;
    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Value) return Shown();
        return QAccessibleWidget::text(kind);
    }

    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override
    {
        return index == 0 ? QAccessible::queryAccessibleInterface(Selector()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child != nullptr && child->object() == Selector()->view() ? 0 : -1;
    }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString& action) override
    {
        if (action != showMenuAction() && action != pressAction()) return;
        if (Selector()->view()->isVisible()) Selector()->hidePopup();
        else Selector()->showPopup();
    }

protected:
    QString Shown() const override { return Selector()->currentText(); }

private:
    FlatComboBox* Selector() const { return static_cast<FlatComboBox*>(widget()); }
};

class LinkAccessible : public QAccessibleWidget {
public:
    explicit LinkAccessible(CHyperLink* link) : QAccessibleWidget(link, QAccessible::Link) {}

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name) return Link()->text();
        if (kind == QAccessible::Value) return Link()->m_target;
        return QAccessibleWidget::text(kind);
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.linked = true;
        state.traversed = Link()->m_opened != 0;
        return state;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override
    {
        if (action == pressAction()) Link()->FollowLink();
    }

private:
    CHyperLink* Link() const { return static_cast<CHyperLink*>(widget()); }
};

QAccessibleInterface* CreateWidgetAccessible(const QString& className, QObject* object)
{
    if (object == nullptr || !object->isWidgetType()) return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (className == QLatin1String("LcdDisplay")) return new DisplayAccessible(static_cast<LcdDisplay*>(widget));
    if (className == QLatin1String("CHyperLink")) return new LinkAccessible(static_cast<CHyperLink*>(widget));
    if (className == QLatin1String("quillet::FlatComboBox")) return new SelectorAccessible(static_cast<FlatComboBox*>(widget));
    // The calculator is the application's main window, not a dialog; and
    // screen readers preface every message from inside a dialog with its title.
    if (className == QLatin1String("quillet::CalculatorDialog")) return new QAccessibleWidget(widget, QAccessible::Window);
    return nullptr;
}

} // namespace

void InstallWidgetAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(&CreateWidgetAccessible);
        return true;
    }();
    (void)installed;
}

} // namespace quillet
