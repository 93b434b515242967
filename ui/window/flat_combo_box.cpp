#include "ui/window/flat_combo_box.h"

#include "engine/words.h"

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
    // FillFormatList adds the names in list order, from the first.
    const int position = count();
    addItem(QString::fromLatin1(name), position);
    setItemData(position, QString::fromStdString(FormatDescription(position)), Qt::ToolTipRole);
}

void FlatComboBox::ShowFormats(bool moreRates, int keep)
{
    const bool known = keep >= 0 && keep < kListedFormatCount;
    clear();
    FillFormatList(*this, moreRates);
    if (known && findData(keep) < 0) {
        addItem(QString::fromLatin1(ListedFormat(keep).name), keep);
        setItemData(count() - 1, QString::fromStdString(FormatDescription(keep)), Qt::ToolTipRole);
    }
    setCurrentIndex(known ? findData(keep) : -1);
}

int FlatComboBox::CurrentFormat() const
{
    return currentIndex() < 0 ? -1 : currentData().toInt();
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
