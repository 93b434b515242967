#pragma once
// The calculator window: a top-level window of its own (taskbar entry,
// minimisable) whose Settings and About boxes are modal to it. Template 102
// (resources/calculator_template.h) gives its controls, built by
// DialogBuilder. Every user action runs one handler below, which makes one to
// three calls on the engine (engine/calculator_engine.h); the engine hands
// each changed register's text to its RegisterDisplay, and the handlers here
// set the display colours.
// Where to look: calculator_dialog.cpp (set-up, selectors, top row),
// calculator_keypad.cpp (keypad), register_clipboard.cpp (copy and paste),
// keyboard_map.cpp (the calculator's keys), window_commands.cpp (shortcuts and
// the context menu), register_selection.cpp (displays, radio buttons, CALC
// boxes), mode_switch.cpp (Mode button), calculator_tape.cpp (the tape).

#include "store/profile_store.h"
#include "controls/hyper_link.h"
#include "engine/calculator_engine.h"
#include "controls/flat_button.h"
#include "flat_combo_box.h"
#include "keyboard_map.h"
#include "register_display.h"
#include "tape_model.h"
#include "resources/control_ids.h"

#include <QDialog>
#include <QIcon>
#include <array>
#include <memory>
#include <span>

class QAction;
class QMenu;

namespace quillet {

class DialogBuilder;
class TapeWindow;

class CalculatorDialog : public QDialog {
    Q_OBJECT
public:
    // Builds every control and runs OnInitDialog: the window is ready to show.
    explicit CalculatorDialog(ProfileStore& profile, QWidget* parent = nullptr);
    ~CalculatorDialog() override;

    const CalculatorEngine& Engine() const { return engine; }
    // The widget of control `id` (1000-1038), or nullptr.
    QWidget* GetDlgItem(int id) const;
    // Fills the context menu, each entry with its shortcut: copy, paste and the
    // format list of register `target` (0..2; -1: the current register), the
    // window's other commands, and last, after a separator, "&About Quillet...".
    void PopulateContextMenu(QMenu& menu, int target = -1);
    // The window's keyboard commands (Ctrl+1, Ctrl+M, F1, ...), in menu order.
    std::span<QAction* const> Commands() const { return m_commands; }

    // Keypad (calculator_keypad.cpp).
    void OnKey0();
    void OnKey1();
    void OnKey2();
    void OnKey3();
    void OnKey4();
    void OnKey5();
    void OnKey6();
    void OnKey7();
    void OnKey8();
    void OnKey9();
    void OnKeyDoubleZero();
    void OnKeyBackspace();
    void OnKeyClear();
    void OnKeyClearAll();
    void OnKeyAdd();
    void OnKeySubtract();
    void OnKeyMultiply();
    void OnKeyDivide();
    void OnKeyEquals();

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

    // Format selectors, user changes only (calculator_dialog.cpp).
    void OnInFormatChange();
    void OnOutFormatChange();
    void OnDurationFormatChange();

    // Register selection and calculation targets (register_selection.cpp).
    void OnInDisplayClick();
    void OnOutDisplayClick();
    void OnDurationDisplayClick();
    void OnInRadio();
    void OnOutRadio();
    void OnDurationRadio();
    void OnCalcIn();
    void OnCalcOut();
    void OnCalcDuration();

    // Top row (mode_switch.cpp, calculator_dialog.cpp).
    void OnModeButton();
    void OnSettingsButton();
    void OnAboutButton();
    // Commands 0x0010-0x001F open the About box.
    void OnSysCommand(int commandId);

    // Keyboard commands (window_commands.cpp).
    // Opens the format list that sets register `index`'s format (in Editing
    // mode the IN list, which sets all three) and gives it the focus.
    void OpenFormatList(int index);
    // Editing mode: ticks register `index`'s CALC box as a click does.
    void ComputeRegister(int index);
    void OnKeyboardShortcuts();

    // The tape (calculator_tape.cpp): shows or hides it and stores the choice.
    void ShowTape(bool shown);
    bool TapeShown() const { return m_tapeShown; }
    const TapeModel& Tape() const { return m_tapeModel; }
    // The tape window, or nullptr until the tape is first shown.
    TapeWindow* TapeWindowIfAny() const { return m_tapeWindow.get(); }
    // Enter on tape line `row`: its result becomes a new entry of the current
    // register; a beep, and nothing else, when the line shows "E".
    void OnTapeLineChosen(int row);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    // Arrow keys that no control used move the focus; Shift+F10 opens the context menu.
    void keyPressEvent(QKeyEvent* event) override;

private:
    // One keypad button: its id, the member that is its control, its handler.
    struct KeypadKey {
        int id;
        FlatButton CalculatorDialog::*button;
        void (CalculatorDialog::*handler)();
        const char* accessibleName;
        const char* toolTip;
    };
    static std::span<const KeypadKey> KeypadKeys();

    void CreateCommands();
    // Listens to the engine for the tape and reads whether it was shown last time.
    void InitTape();
    void SetTapeVisible(bool visible);
    // Disables what the mode rules out: CALC choices in Conversion mode,
    // selecting the computed register in Editing mode. Run on every change of either.
    void EnableCommands();
    void ShowContextMenu(int target, const QPoint& globalPos);
    // The register whose display is at `pos` (window coordinates), or -1.
    int DisplayAt(const QPoint& pos) const;
    int CurrentIndex() const { return engine.CurrentRegister(); }

    void DoDataExchange(DialogBuilder& builder);
    void OnInitDialog();
    void ConnectHandlers();
    // true: controls to fields; false: fields to controls.
    void UpdateData(bool read);

    void DisplayClick(int index);
    void SelectRadio(int index);
    void CalcClick(int target);
    void UpdateCalcControls();
    void UpdateModeControls();
    // Current register white, the others light grey; in Editing mode the
    // computed register pale red over that. Only sets the colours.
    void ColourDisplays(int current);
    void RepaintDisplays();
    LcdDisplay& Display(int index);
    int CalcField(int index) const;
    int ComputedRegister() const;

    ProfileStore& m_profile;
    bool m_showMoreRates = false; // the selectors offer today's frame rates after the eleven

    // Members in the order the window declares its controls.
    FlatButton aboutButton;
    FlatButton modeButton;
    FlatButton settingsButton;
    CHyperLink homeLink;
    FlatButton keyMultiply;
    FlatButton keyAdd;
    FlatButton keyDoubleZero;
    FlatButton keySubtract;
    FlatButton keyEquals;
    FlatButton keyDivide;
    FlatButton keyClearAll;
    FlatButton keyClear;
    FlatButton keyBackspace;
    FlatButton key9;
    FlatButton key8;
    FlatButton key7;
    FlatButton key6;
    FlatButton key5;
    FlatButton key4;
    FlatButton key3;
    FlatButton key2;
    FlatButton key1;
    FlatButton key0;
    FlatComboBox durationSelector;
    FlatComboBox outSelector;
    FlatComboBox inSelector;
    RegisterDisplay durationDisplay;
    RegisterDisplay outDisplay;
    RegisterDisplay inDisplay;
    int selectedRegister = 0;
    int calcIn = 0;
    int calcOut = 0;
    int calcDuration = 1;
    CalculatorEngine engine;
    QIcon windowIcon;

    QWidget* m_items[IDC_ABOUT - IDC_KEY_7 + 1] = {}; // indexed by control id - IDC_KEY_7
    KeyboardMap m_keyboardMap;
    std::array<QAction*, 20> m_commands = {}; // owned by the window; see window_commands.cpp
    QAction* m_tapeCommand = nullptr;         // the one of m_commands that shows the tape

    TapeModel m_tapeModel;
    bool m_tapeShown = false;
    std::unique_ptr<TapeWindow> m_tapeWindow; // destroyed before the model it shows
};

} // namespace quillet
