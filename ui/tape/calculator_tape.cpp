#include "ui/tape/calculator_tape.h"

#include "engine/calculator_engine.h"
#include "store/profile_store.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QListView>
#include <QMoveEvent>

namespace quillet {

CalculatorTape::CalculatorTape(CalculatorEngine& engine, ProfileStore& profile, QDialog& calculator)
    : m_engine(engine), m_profile(profile), m_calculator(calculator)
{
    // Built once the window is set up: restoring the formats is no step.
    m_engine.AttachStepListener(this);
    m_shown = m_profile.Get(Preference::kTapeShown) == 1;
    // Said once under the tape, not per value: the window works on without its settings.
    m_profile.onSaveFailed = [this](const QString& problem) {
        m_settingsProblem = problem;
        if (m_window) m_window->ShowProblem(Problems());
    };
    m_calculator.installEventFilter(this);
    connect(&m_model, &TapeModel::linesAdded, this, &CalculatorTape::Store);
    connect(&m_model, &TapeModel::linesReplaced, this, [this] { Store(-1); });
}

void CalculatorTape::LoadStored()
{
    if (m_store) return;
    // Opening, let alone making, the database costs more than the whole
    // window takes to start: it waits until a step or the tape needs it.
    m_store = std::make_unique<TapeStore>();
    bool cut = false;
    std::vector<StepRecord> lines = m_store->Load(TapeModel::kMaxLines, cut);
    m_model.Load(std::move(lines), cut);
}

void CalculatorTape::StepFinished(const FinishedStep& step)
{
    LoadStored();
    m_model.StepFinished(step);
}

CalculatorTape::~CalculatorTape()
{
    m_profile.onSaveFailed = nullptr;
    m_engine.AttachStepListener(nullptr);
}

QString CalculatorTape::Problems() const
{
    const QString tape = m_store ? m_store->Problem() : QString();
    if (tape.isEmpty()) return m_settingsProblem;
    if (m_settingsProblem.isEmpty()) return tape;
    return tape + QLatin1Char('\n') + m_settingsProblem;
}

void CalculatorTape::AttachCommand(QAction& command)
{
    m_command = &command;
    m_command->setCheckable(true);
    m_command->setChecked(m_shown);
}

void CalculatorTape::Show(bool shown)
{
    m_shown = shown;
    if (m_command != nullptr) m_command->setChecked(shown);
    if (m_calculator.isVisible()) SetVisible(shown);
    m_profile.Set(Preference::kTapeShown, shown ? 1 : 0);
}

void CalculatorTape::SetVisible(bool visible)
{
    if (!visible) {
        if (m_window) m_window->hide();
        return;
    }
    // Built the first time it is needed, so a calculator without its tape
    // starts as fast as ever.
    LoadStored();
    if (!m_window) {
        m_window = std::make_unique<TapeWindow>(m_model, &m_calculator);
        connect(m_window.get(), &TapeWindow::lineChosen, this, &CalculatorTape::OnLineChosen);
        // Closed by the user, not with the calculator as the program quits
        // (which closes every window left): only then is the choice changed.
        connect(m_window.get(), &TapeWindow::closedByUser, this, [this] {
            if (m_shown && m_calculator.isVisible()) Show(false);
            // The keys go back to the calculator (Escape on the tape).
            if (m_calculator.isVisible()) m_calculator.activateWindow();
        });
        if (m_zoom != 1.0) m_window->SetZoom(m_zoom);
    }
    m_window->ShowProblem(Problems());
    if (m_window->isVisible()) return;
    m_window->PlaceBy(m_calculator.frameGeometry());
    m_window->show();
    m_window->List().scrollToBottom();
}

void CalculatorTape::TakeKeyboard()
{
    if (!m_window || !m_window->isVisible()) return;
    QListView& list = m_window->List();
    if (!list.currentIndex().isValid() && m_model.rowCount() > 0)
        list.setCurrentIndex(m_model.index(m_model.rowCount() - 1)); // the newest line
    m_window->activateWindow();
    m_window->raise();
    list.setFocus(Qt::ShortcutFocusReason);
}

void CalculatorTape::SetZoom(double factor)
{
    m_zoom = factor;
    if (!m_window) return;
    m_window->SetZoom(factor);
    if (m_window->isVisible()) m_window->PlaceBy(m_calculator.frameGeometry());
}

bool CalculatorTape::HasKeyboard() const
{
    const QWidget* focus = QApplication::focusWidget();
    return m_window && focus != nullptr && focus->window() == m_window.get();
}

bool CalculatorTape::Toggle()
{
    const bool hadKeyboard = HasKeyboard();
    Show(!m_shown);
    if (hadKeyboard) m_calculator.activateWindow(); // the keys come back with the tape gone
    return m_shown;
}

void CalculatorTape::SwitchKeyboard(QWidget& calculatorFocus)
{
    if (HasKeyboard()) {
        m_calculator.activateWindow();
        calculatorFocus.setFocus(Qt::OtherFocusReason);
        return;
    }
    if (!m_shown) Show(true);
    TakeKeyboard();
}

void CalculatorTape::Store(int added)
{
    LoadStored();
    if (added >= 0) {
        const std::deque<StepRecord>& all = m_model.Lines();
        m_store->Append(std::vector<StepRecord>(all.end() - added, all.end()));
    } else if (m_model.CanUndoClear()) {
        m_store->Clear();
    } else {
        m_store->UndoClear();
    }
    if (m_window) m_window->ShowProblem(Problems());
}

void CalculatorTape::OnLineChosen(int row)
{
    if (row < 0 || row >= m_model.rowCount()) return;
    const StepRecord& line = m_model.Line(row);
    // A value shown with "E" is not the true result; entering it would carry the mistake on.
    if (line.HasValue() && beforeStep) beforeStep();
    if (!line.HasValue() || !m_engine.PasteValue(line.step.exactValue, *line.step.exactFormat)) {
        QApplication::beep();
        return;
    }
    // The next key is the calculator's: an operator, most likely.
    m_calculator.activateWindow();
}

bool CalculatorTape::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &m_calculator) {
        if (event->type() == QEvent::Show && m_shown) {
            SetVisible(true);
        } else if (event->type() == QEvent::Resize && m_window && m_window->isVisible()) {
            // A zoomed calculator would reach over the tape: it moves out of the way.
            m_window->PlaceBy(m_calculator.frameGeometry());
        } else if (event->type() == QEvent::Move && m_window && m_window->isVisible()) {
            const auto* move = static_cast<QMoveEvent*>(event);
            m_window->move(m_window->pos() + move->pos() - move->oldPos());
            if (m_window->frameGeometry().intersects(m_calculator.frameGeometry())) m_window->PlaceBy(m_calculator.frameGeometry());
        }
    }
    return false;
}

} // namespace quillet
