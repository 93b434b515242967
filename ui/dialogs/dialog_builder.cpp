#include "ui/dialogs/dialog_builder.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

namespace quillet {

DialogBuilder::DialogBuilder(QDialog& dialog, const DialogTemplate& dialogTemplate)
    : m_dialog(dialog), m_template(dialogTemplate), m_units(DialogUnits::FromFont(dialog.font()))
{
}

void DialogBuilder::Bind(int id, QWidget& widget)
{
    m_bound.emplace_back(id, &widget);
}

void DialogBuilder::Build()
{
    m_dialog.setWindowTitle(QString::fromUtf8(m_template.title));
    m_dialog.setFixedSize(m_units.ToPixelsX(m_template.w), m_units.ToPixelsY(m_template.h));
    for (const DialogItem& item : m_template.items) {
        QWidget* widget = nullptr;
        for (const auto& [id, bound] : m_bound) {
            if (id == item.id && item.id != kNoId) widget = bound;
        }
        if (widget != nullptr) {
            widget->setParent(&m_dialog);
        } else {
            widget = Create(item);
        }
        Apply(item, *widget);
        m_items.emplace_back(&item, widget);
    }
    FitTexts();
}

void DialogBuilder::Relayout()
{
    m_units = DialogUnits::FromFont(m_dialog.font());
    m_dialog.setFixedSize(m_units.ToPixelsX(m_template.w), m_units.ToPixelsY(m_template.h));
    for (const auto& [item, widget] : m_items) Place(*item, *widget);
    FitTexts();
}

void DialogBuilder::FitTexts()
{
    // The template was measured in one particular font; in another a caption may
    // need more room than its box. Right-aligned labels grow to the left. Other
    // captions grow to the right, and whatever stands right of them moves over
    // by the largest growth, so columns stay aligned and the window widens.
    int growth = 0;
    int firstGrownRight = m_dialog.width();
    for (const auto& [item, widget] : m_items) {
        const bool captioned = item->kind == ItemKind::CheckBox || item->kind == ItemKind::RadioButton
                               || item->kind == ItemKind::Label;
        // Bound controls size themselves (a link fits its caption, for one).
        const bool bound = std::any_of(m_bound.begin(), m_bound.end(), [target = widget](const auto& b) { return b.second == target; });
        if (!captioned || bound || item->text[0] == '\0') continue;
        const int needed = widget->sizeHint().width() - widget->width();
        if (needed <= 0) continue;
        QRect geometry = widget->geometry();
        if (item->style & ItemStyle::AlignRight) {
            geometry.setLeft(std::max(0, geometry.left() - needed));
        } else {
            firstGrownRight = std::min(firstGrownRight, geometry.right());
            geometry.setWidth(geometry.width() + needed);
            growth = std::max(growth, needed);
        }
        widget->setGeometry(geometry);
    }
    if (growth == 0) return;
    for (const auto& [item, widget] : m_items) {
        if (widget->x() > firstGrownRight) widget->move(widget->x() + growth, widget->y());
    }
    m_dialog.setFixedSize(m_dialog.width() + growth, m_dialog.height());
}

QWidget* DialogBuilder::Create(const DialogItem& item)
{
    switch (item.kind) {
    case ItemKind::PushButton:
    case ItemKind::DefaultPushButton: return new QPushButton(&m_dialog);
    case ItemKind::RadioButton: return new QRadioButton(&m_dialog);
    case ItemKind::CheckBox: return new QCheckBox(&m_dialog);
    case ItemKind::DropDownList: return new QComboBox(&m_dialog);
    case ItemKind::Label:
    case ItemKind::Display:
    case ItemKind::Icon: return new QLabel(&m_dialog);
    }
    return new QWidget(&m_dialog);
}

void DialogBuilder::Apply(const DialogItem& item, QWidget& widget) const
{
    widget.setObjectName(QString::fromUtf8(item.name));
    const QString text = QString::fromUtf8(item.text);

    if (auto* button = qobject_cast<QAbstractButton*>(&widget)) {
        button->setText(text);
        // Only the template's default button reacts to Enter; no button becomes
        // default by having the focus.
        if (auto* push = qobject_cast<QPushButton*>(button)) {
            push->setAutoDefault(false);
            push->setDefault(item.kind == ItemKind::DefaultPushButton);
        }
    } else if (auto* combo = qobject_cast<QComboBox*>(&widget)) {
        combo->setMaxVisibleItems(12);
    } else if (auto* label = qobject_cast<QLabel*>(&widget)) {
        if (item.kind == ItemKind::Icon) {
            constexpr int side = 32; // the size of a standard icon, whatever the font
            label->setPixmap(m_icon.pixmap(side, side));
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        } else if (item.kind == ItemKind::Label) {
            label->setText(text);
            label->setTextFormat(Qt::PlainText);
            label->setAlignment(((item.style & ItemStyle::AlignRight) ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop);
        }
    }
    Place(item, widget);
    widget.setVisible(!(item.style & ItemStyle::Hidden));
}

void DialogBuilder::Place(const DialogItem& item, QWidget& widget) const
{
    QRect geometry = m_units.ToPixels(item.x, item.y, item.w, item.h);
    // A drop-down list's template height is that of its open list; closed it
    // is one line high.
    if (const auto* combo = qobject_cast<const QComboBox*>(&widget)) geometry.setHeight(combo->sizeHint().height());
    if (item.kind == ItemKind::Icon) geometry.setSize(QSize(32, 32).expandedTo(geometry.size()));
    widget.setGeometry(geometry);
}

QWidget* DialogBuilder::Item(int id) const
{
    if (id == kNoId) return nullptr;
    for (const auto& [item, widget] : m_items) {
        if (item->id == id) return widget;
    }
    return nullptr;
}

} // namespace quillet
