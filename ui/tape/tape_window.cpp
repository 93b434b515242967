#include "ui/tape/tape_window.h"

#include "ui/tape/tape_file.h"

#include "ui/accessibility/current_item_reader.h"
#include "engine/words.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileInfo>
#include <QFileDialog>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QListView>
#include <QMenu>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QVBoxLayout>
#include <algorithm>

namespace quillet {

TapeWindow::TapeWindow(TapeModel& model, QWidget* calculator)
    : QWidget(calculator, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_model(model), m_list(new QListView(this))
{
    setWindowTitle(QStringLiteral("Tape"));
    // Keys stay with the calculator when the tape appears.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setObjectName(QStringLiteral("Tape"));
    m_list->setModel(&model);
    m_list->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    // Long lines (a note on why a line shows "E") scroll rather than lose their end.
    m_list->setTextElideMode(Qt::ElideNone);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setAccessibleName(QStringLiteral("Tape"));
    m_list->setAccessibleDescription(QStringLiteral("Every finished step; Enter puts a line's result into the current register"));
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    m_list->installEventFilter(this);
    // Entered from the keyboard (F6), the tape reads its current line.
    new CurrentItemReader(*m_list);
    connect(m_list, &QListView::doubleClicked, this, [this](const QModelIndex& index) { emit lineChosen(index.row()); });
    connect(m_list, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        QMenu menu(this);
        FillContextMenu(menu);
        menu.exec(m_list->viewport()->mapToGlobal(pos));
    });
    // The newest step is the one to see.
    connect(&model, &QAbstractItemModel::rowsInserted, m_list, &QListView::scrollToBottom);
    // With the tape in the keyboard's hands, the newest line becomes the
    // current one, which a screen reader announces as it does a focus move.
    connect(&model, &QAbstractItemModel::rowsInserted, this, [this](const QModelIndex&, int, int last) {
        if (m_list->hasFocus()) m_list->setCurrentIndex(m_model.index(last));
    });

    auto* save = new QPushButton(QStringLiteral("&Save tape..."), this);
    auto* clear = new QPushButton(QStringLiteral("C&lear tape"), this);
    connect(save, &QPushButton::clicked, this, &TapeWindow::SaveTape);
    connect(clear, &QPushButton::clicked, &model, &TapeModel::Clear);
    save->installEventFilter(this);
    clear->installEventFilter(this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(save);
    buttons->addWidget(clear);
    // Why the tape's own file could not be written, when it could not.
    m_status = new QLabel(this);
    m_status->setWordWrap(true);
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_status->hide();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_list);
    layout->addWidget(m_status);
    layout->addLayout(buttons);
    setFocusProxy(m_list);
    m_baseFont = font();
    m_baseListFont = m_list->font();
}

void TapeWindow::SetZoom(double factor)
{
    const auto scaled = [factor](QFont font) {
        if (font.pixelSize() > 0) font.setPixelSize(qRound(font.pixelSize() * factor));
        else font.setPointSizeF(font.pointSizeF() * factor);
        return font;
    };
    setFont(scaled(m_baseFont));
    m_list->setFont(scaled(m_baseListFont));
    // The buttons' new sizes count at once, for PlaceBy.
    layout()->invalidate();
    layout()->activate();
}

void TapeWindow::PlaceBy(const QRect& calculatorFrame)
{
    const QFontMetrics metrics(m_list->font());
    // Room for a step with a note, and for ten lines.
    QSize size(std::max(calculatorFrame.width(), metrics.horizontalAdvance(QLatin1Char('0')) * 64),
               metrics.lineSpacing() * 10 + sizeHint().height() - m_list->sizeHint().height());
    const QScreen* screen = QGuiApplication::screenAt(calculatorFrame.center());
    if (screen == nullptr) {
        resize(size);
        move(calculatorFrame.bottomLeft() + QPoint(0, 1));
        return;
    }
    const QSize border = frameGeometry().size() - geometry().size(); // the window manager's frame
    const QRect room = screen->availableGeometry();
    const QRect& c = calculatorFrame;
    // The screen's room on each side of the calculator, in order of preference.
    const QRect sides[] = {
        QRect(QPoint(room.left(), c.bottom() + 1), room.bottomRight()),
        QRect(QPoint(c.right() + 1, room.top()), room.bottomRight()),
        QRect(room.topLeft(), QPoint(c.left() - 1, room.bottom())),
        QRect(room.topLeft(), QPoint(room.right(), c.top() - 1)),
    };
    const auto fits = [&](const QRect& side) {
        return side.width() >= size.width() + border.width() && side.height() >= size.height() + border.height();
    };
    int chosen = 0;
    while (chosen < 4 && !fits(sides[chosen])) ++chosen;
    if (chosen == 4) {
        const auto area = [](const QRect& r) { return std::max(r.width(), 0) * std::max(r.height(), 0); };
        chosen = static_cast<int>(std::max_element(std::begin(sides), std::end(sides),
                                                   [&](const QRect& a, const QRect& b) { return area(a) < area(b); }) -
                                  std::begin(sides));
        size = size.boundedTo(sides[chosen].size() - border).expandedTo(QSize(1, 1));
    }
    const QRect& side = sides[chosen];
    const QSize outer = size + border;
    // Next to the calculator: under or above its left edge, beside its top.
    const QPoint next[] = {{c.left(), c.bottom() + 1}, {c.right() + 1, c.top()},
                           {c.left() - outer.width(), c.top()}, {c.left(), c.top() - outer.height()}};
    const int x = std::clamp(next[chosen].x(), side.left(), std::max(side.left(), side.right() + 1 - outer.width()));
    const int y = std::clamp(next[chosen].y(), side.top(), std::max(side.top(), side.bottom() + 1 - outer.height()));
    resize(size);
    move(x, y);
}

QString TapeWindow::SelectedText() const
{
    QModelIndexList selected = m_list->selectionModel()->selectedIndexes();
    std::sort(selected.begin(), selected.end(), [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    QStringList lines;
    for (const QModelIndex& index : selected) lines << QString::fromStdString(TapeLineText(m_model.Line(index.row())));
    return lines.join(QLatin1Char('\n'));
}

void TapeWindow::CopySelection() const
{
    const QString text = SelectedText();
    if (!text.isEmpty()) QGuiApplication::clipboard()->setText(text);
}

void TapeWindow::SaveTape()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!QFileInfo(folder).isDir()) folder = QDir::homePath();
    const QString csvFilter = QStringLiteral("CSV for a spreadsheet (*.csv)");
    const QString textFilter = QStringLiteral("Plain text (*.txt)");
    QString chosenFilter = csvFilter;
    QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Save tape"), folder + QStringLiteral("/tape.csv"),
                                                csvFilter + QStringLiteral(";;") + textFilter, &chosenFilter);
    if (path.isEmpty()) return;
    // A name without an extension takes the one of the kind chosen.
    if (QFileInfo(path).suffix().isEmpty()) path += chosenFilter == csvFilter ? QStringLiteral(".csv") : QStringLiteral(".txt");
    QString error;
    if (!WriteTapeFile(m_model, TapeFileKindOf(path), path, error)) {
        QMessageBox::warning(this, QApplication::applicationName(),
                             QStringLiteral("The tape could not be saved to %1: %2").arg(QDir::toNativeSeparators(path), error));
    }
}

void TapeWindow::FillContextMenu(QMenu& menu)
{
    const auto keys = [](QKeySequence::StandardKey key) {
        return QLatin1Char('\t') + QKeySequence(key).toString(QKeySequence::NativeText);
    };
    QAction* copy = menu.addAction(QStringLiteral("&Copy") + keys(QKeySequence::Copy), this, &TapeWindow::CopySelection);
    copy->setEnabled(m_list->selectionModel()->hasSelection());
    menu.addAction(QStringLiteral("Select &all") + keys(QKeySequence::SelectAll), m_list, &QListView::selectAll);
    menu.addSeparator();
    menu.addAction(QStringLiteral("&Save tape..."), this, &TapeWindow::SaveTape);
    menu.addAction(QStringLiteral("C&lear tape"), &m_model, &TapeModel::Clear);
    QAction* undo = menu.addAction(QStringLiteral("&Undo clear tape") + keys(QKeySequence::Undo), &m_model, &TapeModel::UndoClear);
    undo->setEnabled(m_model.CanUndoClear());
}

void TapeWindow::ShowProblem(const QString& problem)
{
    m_status->setText(problem);
    m_status->setVisible(!problem.isEmpty());
}

void TapeWindow::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    if (event->isAccepted()) emit closedByUser();
}

bool TapeWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride)
        return QWidget::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    // Ctrl+Z anywhere on the tape takes back "Clear tape", not a step of the calculator.
    if (key->matches(QKeySequence::Undo) && m_model.CanUndoClear()) {
        if (event->type() == QEvent::KeyPress) m_model.UndoClear();
        event->accept();
        return event->type() == QEvent::KeyPress;
    }
    if (watched != m_list) return QWidget::eventFilter(watched, event);
    // The calculator's own Ctrl+C (copy a register) stays active over its tool
    // windows; here Ctrl+C means the selected lines.
    if (event->type() == QEvent::ShortcutOverride) {
        if (key->matches(QKeySequence::Copy) || key->matches(QKeySequence::SelectAll)) event->accept();
        return false;
    }
    if (key->matches(QKeySequence::Copy)) {
        CopySelection();
        return true;
    }
    if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && m_list->currentIndex().isValid()) {
        emit lineChosen(m_list->currentIndex().row());
        return true;
    }
    if (key->key() == Qt::Key_Escape && key->modifiers() == Qt::NoModifier) {
        close();
        return true;
    }
    return false;
}

} // namespace quillet
