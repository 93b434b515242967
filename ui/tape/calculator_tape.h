#pragma once
// The tape beside the calculator: a record of every finished step, shown and
// hidden with Ctrl+T, its shown state stored with the format choices. It
// listens to the engine for the steps, and follows the window when it moves.
// Its database is opened when first needed (the first step, the tape shown),
// not while the window starts.

#include "ui/tape/tape_model.h"
#include "ui/tape/tape_window.h"

#include "store/tape_store.h"

#include <QObject>
#include <functional>
#include <memory>

class QAction;
class QDialog;

namespace quillet {

class CalculatorEngine;
class ProfileStore;

class CalculatorTape : public QObject, private StepListener {
    Q_OBJECT
public:
    // Listens to `engine` from now on, reads whether the tape was shown last time.
    CalculatorTape(CalculatorEngine& engine, ProfileStore& profile, QDialog& calculator);
    ~CalculatorTape() override;

    // The command that shows the tape: checked while it is shown.
    void AttachCommand(QAction& command);
    // Shows or hides the tape and stores the choice.
    void Show(bool shown);
    bool Shown() const { return m_shown; }
    // Gives the tape the keyboard, on its current line (the newest when none
    // is), which a screen reader then reads; the tape must be shown.
    void TakeKeyboard();
    // Whether the keyboard is in the tape.
    bool HasKeyboard() const;
    // Shows the tape if it is hidden, hides it if shown (Ctrl+T); the
    // keyboard comes back to the calculator if it was in the tape. Returns
    // whether the tape is now shown.
    bool Toggle();
    // Moves the keyboard into the tape (showing it), on its current line, or
    // from the tape back to `calculatorFocus` (F6).
    void SwitchKeyboard(QWidget& calculatorFocus);
    // The calculator's zoom (1.0: as designed): the tape's text follows it.
    void SetZoom(double factor);
    // The lines, the earlier runs' read in first.
    TapeModel& Model()
    {
        LoadStored();
        return m_model;
    }
    // The tape window, or nullptr until the tape is first shown.
    TapeWindow* WindowIfAny() const { return m_window.get(); }
    // Enter on line `row`: the exact value of its step becomes a new entry of
    // the current register; a beep, and nothing else, when the line shows "E".
    void OnLineChosen(int row);

    // Runs before a line's result is given back, to remember what the step starts from (undo).
    std::function<void()> beforeStep;

protected:
    // The calculator's show and move events.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Each step reaches the model after the earlier runs' lines.
    void StepFinished(const FinishedStep& step) override;
    // Opens the database and reads its lines into the model, once.
    void LoadStored();
    void SetVisible(bool visible);
    // Keeps the tape's database up to date: `added` new lines, or -1 when the
    // tape was cleared or its lines came back. A failure shows under the tape.
    void Store(int added);
    // What is not kept, the tape's and the settings' problems, one a line.
    QString Problems() const;

    CalculatorEngine& m_engine;
    ProfileStore& m_profile;
    QDialog& m_calculator;
    QAction* m_command = nullptr;
    TapeModel m_model;
    std::unique_ptr<TapeStore> m_store; // nullptr until LoadStored
    QString m_settingsProblem; // why the settings were last not saved
    bool m_shown = false;
    double m_zoom = 1.0;
    std::unique_ptr<TapeWindow> m_window; // destroyed before the model it shows
};

} // namespace quillet
