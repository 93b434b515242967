#pragma once
// The calculator window: a top-level window of its own (taskbar entry,
// minimisable) whose Settings and About boxes are modal to it. Template 102
// (resources/calculator_template.h) gives its controls, built by
// DialogBuilder. It is made of parts:
//  - three RegisterPanels (register_panel.h): display, format selector,
//    radio button and CALC box of IN, OUT and DURATION;
//  - the keypad (calculator_keypad.h), with the keyboard map;
//  - the commands, context menu and shortcuts box (window_commands.h);
//  - undo and redo (window_history.h), and the zoom (window_zoom.h);
//  - the tape (calculator_tape.h).
// Every user action runs one handler, which makes one to three calls on the
// engine (engine/calculator_engine.h); the engine hands each changed
// register's text to its display. The window keeps no state of the
// calculation: it shows the engine's (register_selection.cpp, mode_switch.cpp).
// Copy and paste are in register_clipboard.cpp.

#include "ui/window/calculator_keypad.h"
#include "ui/tape/calculator_tape.h"
#include "controls/flat_button.h"
#include "controls/hyper_link.h"
#include "engine/calculator_engine.h"
#include "ui/window/register_panel.h"
#include "resources/control_ids.h"
#include "ui/window/window_commands.h"
#include "ui/window/window_history.h"
#include "ui/zoom/window_zoom.h"

#include <QDialog>
#include <QIcon>
#include <array>
#include <memory>

namespace quillet {

class Announcer;
class DialogBuilder;
class ProfileStore;

class CalculatorDialog : public QDialog {
    Q_OBJECT
public:
    // Builds every control and runs OnInitDialog: the window is ready to show.
    explicit CalculatorDialog(ProfileStore& profile, QWidget* parent = nullptr);
    ~CalculatorDialog() override;

    const CalculatorEngine& Engine() const { return engine; }
    // The widget of control `id` (1000-1038), or nullptr.
    QWidget* GetDlgItem(int id) const;
    WindowCommands& Commands() { return *m_commands; }
    CalculatorTape& Tape() { return *m_tape; }

    // Copy and paste (register_clipboard.cpp).
    // Copies the current register's text as shown, without its trailing blank
    // or operator; drop-frame time code with ';' before the frames.
    void OnEditCopy();
    // Takes the first timecode (or else number) in the clipboard's text as a new
    // entry of the current register; its last eight digits count. Text of
    // several lines is a list: its values are added up (AddUpLines).
    void OnEditPaste();
    // The same for register `index` (0..2). Pasting selects the register first,
    // as a click on its display does, and pastes nothing where that click is
    // ignored (the computed register in Editing mode).
    void CopyRegister(int index);
    void PasteIntoRegister(int index);

    // Format selectors, user changes only.
    void OnInFormatChange() { OnFormatChange(kIn); }
    void OnOutFormatChange() { OnFormatChange(kOut); }
    void OnDurationFormatChange() { OnFormatChange(kDuration); }

    // Register selection and calculation targets (register_selection.cpp).
    void OnInDisplayClick() { DisplayClick(kIn); }
    void OnOutDisplayClick() { DisplayClick(kOut); }
    void OnDurationDisplayClick() { DisplayClick(kDuration); }
    void OnInRadio() { SelectRadio(kIn); }
    void OnOutRadio() { SelectRadio(kOut); }
    void OnDurationRadio() { SelectRadio(kDuration); }
    void OnCalcIn() { m_history->Remember(), CalcClick(kIn); }
    void OnCalcOut() { m_history->Remember(), CalcClick(kOut); }
    void OnCalcDuration() { m_history->Remember(), CalcClick(kDuration); }

    // Top row (mode_switch.cpp, calculator_dialog.cpp).
    void OnModeButton();
    void OnSettingsButton();
    void OnAboutButton();
    // Commands 0x0010-0x001F open the About box.
    void OnSysCommand(int commandId);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    // Shift+F10 opens the context menu.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void DoDataExchange(DialogBuilder& builder);
    void OnInitDialog();
    // A selector change: the register's new format, stored.
    void OnFormatChange(int index);
    // As a click on register `index`'s display; `fromKeyboard` (Ctrl+1..3):
    // a refusal beeps and says why.
    void DisplayClick(int index, bool fromKeyboard = false);
    void SelectRadio(int index);
    void CalcClick(int target);
    // Shows the engine's state in the controls: the mode (the button's caption,
    // the controls of each mode), which register is current and which computed
    // (radio buttons, CALC boxes, labels, colours), and the commands they allow.
    void ShowState();
    // Moves the focus as an arrow key asks, among the controls as they stand
    // on the screen (focus_moves.h); the keypad calls it on the arrow keys.
    void MoveFocus(Qt::Key arrow);

    ProfileStore& m_profile;
    bool m_showMoreRates = false; // the selectors offer today's frame rates after the eleven

    // Controls in the order the window declares them.
    FlatButton aboutButton;
    FlatButton modeButton;
    FlatButton settingsButton;
    CHyperLink homeLink;
    CalculatorEngine engine;
    CalculatorKeypad m_keypad{engine};
    std::array<RegisterPanel, 3> m_panels{RegisterPanel(kIn), RegisterPanel(kOut), RegisterPanel(kDuration)};
    QIcon windowIcon;

    QWidget* m_items[IDC_ABOUT - IDC_KEY_7 + 1] = {}; // indexed by control id - IDC_KEY_7
    std::unique_ptr<DialogBuilder> m_builder; // places the controls again when zoomed
    std::unique_ptr<WindowZoom> m_zoom;
    std::unique_ptr<WindowHistory> m_history;
    std::unique_ptr<WindowCommands> m_commands;
    std::unique_ptr<CalculatorTape> m_tape;
    Announcer* m_announcer = nullptr; // says results to a screen reader; a child of the window
};

} // namespace quillet
