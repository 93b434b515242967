#pragma once
// Turns a dialog template (resources/dialog_template.h) into widgets on a
// dialog. Controls the dialog keeps as members are bound first, the way a
// control object is attached to its template item; every other item gets a
// plain widget of its kind. Each widget is named after its id and placed at
// the template's position converted through the dialog font.

#include "ui/dialogs/dialog_units.h"
#include "resources/dialog_template.h"

#include <QIcon>
#include <QWidget>
#include <vector>

class QDialog;

namespace quillet {

class DialogBuilder {
public:
    DialogBuilder(QDialog& dialog, const DialogTemplate& dialogTemplate);

    // Uses `widget` for item `id` instead of creating one. Call before Build.
    void Bind(int id, QWidget& widget);
    // The icon that Icon items show.
    void SetIcon(const QIcon& icon) { m_icon = icon; }
    // Sets the title and the fixed client size, then creates, names, captions and
    // places every item in template order (which is also the focus order).
    // Captions too long for their box in this font get the room they need.
    void Build();

    // Places every item again in the dialog's present font (after a zoom), as Build did.
    void Relayout();

    // The widget of item `id`, or nullptr for an unknown id.
    QWidget* Item(int id) const;
    const DialogUnits& Units() const { return m_units; }

private:
    QWidget* Create(const DialogItem& item);
    void Apply(const DialogItem& item, QWidget& widget) const;
    // The item's geometry in the present dialog units.
    void Place(const DialogItem& item, QWidget& widget) const;
    void FitTexts();

    QDialog& m_dialog;
    const DialogTemplate& m_template;
    DialogUnits m_units;
    QIcon m_icon;
    std::vector<std::pair<int, QWidget*>> m_bound;
    std::vector<std::pair<const DialogItem*, QWidget*>> m_items;
};

} // namespace quillet
