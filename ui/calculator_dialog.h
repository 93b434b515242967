#pragma once
// The calculator window. Template 102 (resources/calculator_template.h) gives
// its controls, built by DialogBuilder. Every user action runs one handler
// below, which makes one to three calls on the engine
// (engine/calculator_engine.h); the engine hands each changed register's text
// to its LcdDisplay, and the handlers here set the display colours.
// Where to look: calculator_dialog.cpp (set-up, selectors, menu),
// calculator_keypad.cpp (keypad, copy and paste), keyboard_map.cpp (keys),
// register_selection.cpp (displays, radio buttons, CALC boxes),
// mode_switch.cpp (Mode button).

#include "store/profile_store.h"
#include "controls/hyper_link.h"
#include "controls/lcd_display.h"
#include "engine/calculator_engine.h"
#include "controls/flat_button.h"
#include "flat_combo_box.h"
#include "keyboard_map.h"
#include "resources/control_ids.h"

#include <QDialog>
#include <QIcon>
#include <span>

class QMenu;

namespace quillet {

class DialogBuilder;

class CalculatorDialog : public QDialog {
    Q_OBJECT
public:
    // Builds every control and runs OnInitDialog: the window is ready to show.
    explicit CalculatorDialog(ProfileStore& profile, QWidget* parent = nullptr);
    ~CalculatorDialog() override;

    const CalculatorEngine& Engine() const { return engine; }
    // The widget of control `id` (1000-1038), or nullptr.
    QWidget* GetDlgItem(int id) const;
    // Puts Copy, Paste, a separator and "&About Quillet..." into `menu`.
    void PopulateContextMenu(QMenu& menu);

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
    // Copies the current register's text as shown, without its trailing blank or operator.
    void OnEditCopy();
    // Takes the clipboard's digits (at most the last eight) as a new entry of the current register.
    void OnEditPaste();

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

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    // One keypad button: its id, the member that is its control, its handler.
    struct KeypadKey {
        int id;
        FlatButton CalculatorDialog::*button;
        void (CalculatorDialog::*handler)();
        const char* accessibleName;
    };
    static std::span<const KeypadKey> KeypadKeys();

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
    LcdDisplay durationDisplay;
    LcdDisplay outDisplay;
    LcdDisplay inDisplay;
    int selectedRegister = 0;
    int calcIn = 0;
    int calcOut = 0;
    int calcDuration = 1;
    CalculatorEngine engine;
    QIcon windowIcon;

    QWidget* m_items[IDC_ABOUT - IDC_KEY_7 + 1] = {}; // indexed by control id - IDC_KEY_7
    KeyboardMap m_keyboardMap;
};

} // namespace quillet
