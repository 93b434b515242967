#pragma once
// The calculator's keyboard: an application event filter, installed while
// the calculator window is shown, that sees every key press addressed to the
// window or to any of its controls (not to its sub-dialogs or popups) before
// the control does. The window's shortcuts (Ctrl+C, Ctrl+1, F1, ...) are
// matched before any key press is delivered, so they never reach the map;
// none of them uses a key of the map. In order:
//  1. Keys of the key-down table (Enter, Space, Tab, Shift+Tab, keypad + - / *,
//     Delete, Backspace) run their keypad handler and are consumed.
//  2. Any other key that types a character is consumed; the character table
//     (digits, + - * / =) decides whether it does something.
//  3. Everything else passes on: Escape closes the window, arrows move the
//     focus, Alt combinations reach the window manager.
// Auto-repeated presses act like fresh ones.

#include <QObject>
#include <span>

class QKeyEvent;

namespace quillet {

class CalculatorDialog;

class KeyboardMap : public QObject {
    Q_OBJECT
public:
    explicit KeyboardMap(CalculatorDialog& dialog);

    // Applies the map to one key press; true when it was consumed.
    bool TranslateKey(const QKeyEvent& event);

    // The map's keys in words, for the list of keyboard shortcuts.
    struct KeyMeaning {
        const char* keys;
        const char* meaning;
    };
    static std::span<const KeyMeaning> Meanings();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CalculatorDialog& m_dialog;
};

} // namespace quillet
