#pragma once
// The keypad: its nineteen buttons, one handler per key (each the engine
// call of that key), and the keyboard, which presses the same keys through
// the keyboard map (keyboard_map.h) while the window is shown.

#include "controls/flat_button.h"
#include "ui/keyboard/keyboard_map.h"

#include <QObject>
#include <array>
#include <functional>

class QWidget;

namespace quillet {

class CalculatorEngine;
class DialogBuilder;

class CalculatorKeypad : public QObject {
    Q_OBJECT
public:
    explicit CalculatorKeypad(CalculatorEngine& engine);

    // Lets the window's template place the buttons; call before Build.
    void Bind(DialogBuilder& builder);
    // Styles the buttons and connects each to its handler; call after Build.
    void SetUp();
    // Applies the keyboard map to every key press addressed to `window` or its
    // controls, from now until StopListening.
    void ListenTo(QWidget& window);
    void StopListening();

    void Press(KeypadKey key);

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

    // Runs before each key's step, to remember what it starts from (undo).
    std::function<void()> beforeStep;
    // Runs after a key whose effect a screen reader does not echo (=, C, CA,
    // Backspace), to have the current register's value said.
    std::function<void()> afterUnechoedKey;
    // Moves the focus as the arrow key given asks.
    std::function<void(Qt::Key arrow)> moveFocus;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool IsKey(const QObject* widget) const;
    void Remember()
    {
        if (beforeStep) beforeStep();
    }
    void Unechoed()
    {
        if (afterUnechoedKey) afterUnechoedKey();
    }

    CalculatorEngine& m_engine;
    QWidget* m_window = nullptr;
    std::array<FlatButton, 19> m_buttons; // indexed by KeypadKey
};

} // namespace quillet
