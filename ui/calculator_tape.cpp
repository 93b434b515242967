// The tape beside the calculator: a record of every finished step, shown and
// hidden with Ctrl+T, its shown state stored with the format choices.

#include "calculator_dialog.h"

#include "tape_window.h"

#include <QAction>
#include <QApplication>
#include <QListView>
#include <QMoveEvent>

namespace quillet {

void CalculatorDialog::InitTape()
{
    // From here on, not during set-up: restoring the formats is no step.
    engine.AttachStepListener(&m_tapeModel);
    m_tapeShown = m_profile.Get(Preference::kTapeShown) == 1;
    m_tapeCommand->setChecked(m_tapeShown);
}

void CalculatorDialog::ShowTape(bool shown)
{
    m_tapeShown = shown;
    m_tapeCommand->setChecked(shown);
    if (isVisible()) SetTapeVisible(shown);
    m_profile.Set(Preference::kTapeShown, shown ? 1 : 0);
}

void CalculatorDialog::SetTapeVisible(bool visible)
{
    if (!visible) {
        if (m_tapeWindow) m_tapeWindow->hide();
        return;
    }
    // Built the first time it is needed, so a calculator without its tape
    // starts as fast as ever.
    if (!m_tapeWindow) {
        m_tapeWindow = std::make_unique<TapeWindow>(m_tapeModel, this);
        connect(m_tapeWindow.get(), &TapeWindow::lineChosen, this, &CalculatorDialog::OnTapeLineChosen);
        connect(m_tapeWindow.get(), &TapeWindow::closedByUser, this, [this] {
            if (m_tapeShown) ShowTape(false);
        });
    }
    if (m_tapeWindow->isVisible()) return;
    m_tapeWindow->PlaceBy(frameGeometry());
    m_tapeWindow->show();
    m_tapeWindow->List().scrollToBottom();
}

void CalculatorDialog::OnTapeLineChosen(int row)
{
    if (row < 0 || row >= m_tapeModel.rowCount()) return;
    const TapeLine& line = m_tapeModel.Line(row);
    // A value shown with "E" is not the true result; entering it would carry the mistake on.
    if (!line.hasValue || !engine.PasteValue(line.value, *line.valueFormat)) {
        QApplication::beep();
        return;
    }
    // The next key is the calculator's: an operator, most likely.
    activateWindow();
}

void CalculatorDialog::moveEvent(QMoveEvent* event)
{
    QDialog::moveEvent(event);
    if (m_tapeWindow && m_tapeWindow->isVisible()) m_tapeWindow->move(m_tapeWindow->pos() + event->pos() - event->oldPos());
}

} // namespace quillet
