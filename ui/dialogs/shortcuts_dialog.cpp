#include "ui/dialogs/shortcuts_dialog.h"

#include "ui/accessibility/current_item_reader.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace quillet {

ShortcutsDialog::ShortcutsDialog(const std::vector<Row>& rows, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setWindowTitle(QStringLiteral("Keyboard shortcuts"));
    // A list of rows rather than labels: it takes the focus, the arrow keys
    // walk it and a screen reader reads each row as it becomes current.
    auto* list = new QTreeWidget(this);
    m_list = list;
    list->setObjectName(QStringLiteral("ShortcutList"));
    list->setAccessibleName(QStringLiteral("Keyboard shortcuts"));
    list->setColumnCount(2);
    list->setHeaderLabels({QStringLiteral("Keys"), QStringLiteral("Action")});
    list->setRootIsDecorated(false);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setAllColumnsShowFocus(true);
    QFont bold = list->font();
    bold.setBold(true);
    for (const Row& row : rows) {
        auto* item = new QTreeWidgetItem(list, {row.keys, row.meaning});
        item->setFont(0, bold);
    }
    list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    list->header()->setStretchLastSection(false);
    list->setCurrentItem(list->topLevelItem(0));
    new CurrentItemReader(*list);
    // Every row in view at once when the screen has room for it.
    const int rowHeight = rows.empty() ? 0 : list->sizeHintForRow(0);
    const int width = list->header()->length() + list->frameWidth() * 2 + list->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    list->setMinimumSize(width, std::min(rowHeight * static_cast<int>(rows.size() + 1), rowHeight * 30) + list->frameWidth() * 2);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list);
    layout->addWidget(buttons);
}

void ShortcutsDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    m_list->setFocus(Qt::OtherFocusReason);
}

} // namespace quillet
