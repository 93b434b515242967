#pragma once
// The calculator's keyboard: an application event filter, installed while
// the calculator window is shown, that sees every key press addressed to the
// window or to any of its controls (not to its sub-dialogs or popups) before
// the control does. In order:
//  1. Copy and Paste shortcuts run the clipboard handlers.
//  2. Keys of the key-down table (Enter, Space, Tab, Shift+Tab, keypad + - / *,
//     Delete, Backspace) run their keypad handler and are consumed.
//  3. Any other key that types a character is consumed; the character table
//     (digits, + - * / =) decides whether it does something.
//  4. Everything else passes on: Escape closes the window, arrows move through
//     a focused selector, Alt combinations reach the window manager.
// Auto-repeated presses act like fresh ones.

#include <QObject>

class QKeyEvent;

namespace quillet {

class CalculatorDialog;

class KeyboardMap : public QObject {
    Q_OBJECT
public:
    explicit KeyboardMap(CalculatorDialog& dialog);

    // Applies the map to one key press; true when it was consumed.
    bool TranslateKey(const QKeyEvent& event);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CalculatorDialog& m_dialog;
};

} // namespace quillet
