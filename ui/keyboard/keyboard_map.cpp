#include "ui/keyboard/keyboard_map.h"

#include <QKeyEvent>
#include <array>

namespace quillet {

namespace {

struct KeyDownEntry {
    int key;
    bool keypadOnly; // only with Qt::KeypadModifier: the main keyboard's sign types a character instead
    KeypadKey press;
};

constexpr std::array<KeyDownEntry, 11> kKeyDownTable{{
    {Qt::Key_Return, false, KeypadKey::kEquals},
    {Qt::Key_Enter, false, KeypadKey::kEquals},
    {Qt::Key_Space, false, KeypadKey::kClear},
    {Qt::Key_Tab, false, KeypadKey::kDoubleZero},
    {Qt::Key_Backtab, false, KeypadKey::kDoubleZero},
    {Qt::Key_Plus, true, KeypadKey::kAdd},
    {Qt::Key_Minus, true, KeypadKey::kSubtract},
    {Qt::Key_Slash, true, KeypadKey::kDivide},
    {Qt::Key_Asterisk, true, KeypadKey::kMultiply},
    {Qt::Key_Delete, false, KeypadKey::kBackspace},
    {Qt::Key_Backspace, false, KeypadKey::kBackspace},
}};

struct CharacterEntry {
    char character;
    KeypadKey press;
};

constexpr std::array<CharacterEntry, 15> kCharacterTable{{
    {'*', KeypadKey::kMultiply},
    {'+', KeypadKey::kAdd},
    {'-', KeypadKey::kSubtract},
    {'/', KeypadKey::kDivide},
    {'0', KeypadKey::k0},
    {'1', KeypadKey::k1},
    {'2', KeypadKey::k2},
    {'3', KeypadKey::k3},
    {'4', KeypadKey::k4},
    {'5', KeypadKey::k5},
    {'6', KeypadKey::k6},
    {'7', KeypadKey::k7},
    {'8', KeypadKey::k8},
    {'9', KeypadKey::k9},
    {'=', KeypadKey::kEquals},
}};

constexpr std::array<KeyboardMap::KeyMeaning, 7> kMeanings{{
    {"0 to 9", "Type a digit"},
    {"+  -  *  /", "Add, subtract, multiply, divide"},
    {"= or Enter", "Finish the calculation; pressed again, repeat the last operation"},
    {"Tab", "Type 00"},
    {"Backspace or Delete", "Remove the last digit"},
    {"Space", "Clear the current register (C)"},
    {"Escape", "Close the calculator"},
}};

} // namespace

std::span<const KeyboardMap::KeyMeaning> KeyboardMap::Meanings() { return kMeanings; }

KeyTranslation KeyboardMap::Translate(const QKeyEvent& event)
{
    // Alt combinations are system keys: they belong to the window manager and menus.
    if (event.modifiers() & Qt::AltModifier) return {};

    const bool keypad = (event.modifiers() & Qt::KeypadModifier) != 0;
    for (const KeyDownEntry& entry : kKeyDownTable) {
        if (entry.key == event.key() && (keypad || !entry.keypadOnly)) return {true, entry.press};
    }

    // Escape types a control character on some platforms but must still close.
    if (event.key() == Qt::Key_Escape) return {};
    const QString text = event.text();
    if (text.isEmpty()) return {};
    // Characters typed with Ctrl are control codes, never calculator keys.
    if (text.size() == 1 && !(event.modifiers() & Qt::ControlModifier)) {
        for (const CharacterEntry& entry : kCharacterTable) {
            if (text.at(0) == QLatin1Char(entry.character)) return {true, entry.press};
        }
    }
    return {true, std::nullopt};
}

} // namespace quillet
