#pragma once
// The calculator's keyboard, as data: which key press means which keypad key.
// It knows nothing of the window; the keypad (calculator_keypad.h) applies it
// to every key press addressed to the window or any of its controls, before
// the control sees it. The window's shortcuts (Ctrl+C, Ctrl+1, F1, ...) are
// matched before any key press is delivered, so they never reach the map;
// none of them uses a key of the map. In order:
//  1. Keys of the key-down table (Enter, Space, Tab, Shift+Tab, keypad + - / *,
//     Delete, Backspace) press their keypad key and are consumed.
//  2. Any other key that types a character is consumed; the character table
//     (digits, + - * / =) decides whether it presses a key.
//  3. Everything else passes on: Escape closes the window, Alt combinations
//     reach the window manager. (Arrow keys, before all this, move the focus
//     in the window's on-screen order: calculator_keypad.h.)
// Auto-repeated presses act like fresh ones.

#include <optional>
#include <span>

class QKeyEvent;

namespace quillet {

enum class KeypadKey {
    k0, k1, k2, k3, k4, k5, k6, k7, k8, k9,
    kDoubleZero, kBackspace, kClear, kClearAll, kAdd, kSubtract, kMultiply, kDivide, kEquals,
};

struct KeyTranslation {
    bool consumed = false;          // the key press goes no further
    std::optional<KeypadKey> press; // the keypad key it presses, if any
};

class KeyboardMap {
public:
    static KeyTranslation Translate(const QKeyEvent& event);

    // The map's keys in words, for the list of keyboard shortcuts.
    struct KeyMeaning {
        const char* keys;
        const char* meaning;
    };
    static std::span<const KeyMeaning> Meanings();
};

} // namespace quillet
