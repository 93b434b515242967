#include "ui/accessibility/current_item_reader.h"

#include <QAbstractItemView>
#include <QFocusEvent>
#include <QItemSelectionModel>
#include <QTimer>

namespace quillet {

CurrentItemReader::CurrentItemReader(QAbstractItemView& view) : QObject(&view), m_view(view)
{
    view.installEventFilter(this);
}

bool CurrentItemReader::eventFilter(QObject* watched, QEvent* event)
{
    // A click makes its own row current; only keyboard arrivals need it read.
    if (watched == &m_view && event->type() == QEvent::FocusIn &&
        static_cast<QFocusEvent*>(event)->reason() != Qt::MouseFocusReason)
        QTimer::singleShot(0, this, &CurrentItemReader::ReadCurrentItem);
    return false;
}

void CurrentItemReader::ReadCurrentItem()
{
    QItemSelectionModel* selection = m_view.selectionModel();
    const QModelIndex current = m_view.currentIndex();
    if (selection == nullptr || !current.isValid() || !m_view.hasFocus()) return;
    selection->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    selection->setCurrentIndex(current, QItemSelectionModel::NoUpdate);
}

} // namespace quillet
