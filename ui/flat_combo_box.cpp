#include "flat_combo_box.h"

#include "format_words.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QWheelEvent>
#include <algorithm>
#include <iterator>

namespace quillet {

FlatComboBox::FlatComboBox(QWidget* parent) : QComboBox(parent)
{
    setInsertPolicy(QComboBox::NoInsert);
    connect(this, &QComboBox::currentIndexChanged, this, [this](int row) { setToolTip(itemData(row, Qt::ToolTipRole).toString()); });
}

void FlatComboBox::AddString(const char* name)
{
    addItem(QString::fromLatin1(name));
    const int row = count() - 1;
    setItemData(row, FormatDescription(row), Qt::ToolTipRole);
}

void FlatComboBox::keyPressEvent(QKeyEvent* event)
{
    static constexpr int kChoosingKeys[] = {Qt::Key_Up,     Qt::Key_Down,     Qt::Key_Left, Qt::Key_Right,
                                            Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Home, Qt::Key_End};
    const bool opensList = event->key() == Qt::Key_Down && (event->modifiers() & Qt::AltModifier);
    if (!opensList && std::find(std::begin(kChoosingKeys), std::end(kChoosingKeys), event->key()) != std::end(kChoosingKeys)) {
        event->ignore();
        return;
    }
    QComboBox::keyPressEvent(event);
}

void FlatComboBox::wheelEvent(QWheelEvent* event)
{
    event->ignore();
}

void FlatComboBox::contextMenuEvent(QContextMenuEvent* event)
{
    event->ignore();
}

} // namespace quillet
