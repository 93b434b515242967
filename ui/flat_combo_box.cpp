#include "flat_combo_box.h"

namespace quillet {

FlatComboBox::FlatComboBox(QWidget* parent) : QComboBox(parent)
{
    setInsertPolicy(QComboBox::NoInsert);
}

void FlatComboBox::AddString(const char* name)
{
    addItem(QString::fromLatin1(name));
}

} // namespace quillet
