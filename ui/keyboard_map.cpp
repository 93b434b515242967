#include "keyboard_map.h"

#include "calculator_dialog.h"

#include <QKeyEvent>
#include <array>

namespace quillet {

namespace {

using Handler = void (CalculatorDialog::*)();

struct KeyDownEntry {
    int key;
    bool keypadOnly; // only with Qt::KeypadModifier: the main keyboard's sign types a character instead
    Handler handler;
};

constexpr std::array<KeyDownEntry, 11> kKeyDownTable{{
    {Qt::Key_Return, false, &CalculatorDialog::OnKeyEquals},
    {Qt::Key_Enter, false, &CalculatorDialog::OnKeyEquals},
    {Qt::Key_Space, false, &CalculatorDialog::OnKeyClear},
    {Qt::Key_Tab, false, &CalculatorDialog::OnKeyDoubleZero},
    {Qt::Key_Backtab, false, &CalculatorDialog::OnKeyDoubleZero},
    {Qt::Key_Plus, true, &CalculatorDialog::OnKeyAdd},
    {Qt::Key_Minus, true, &CalculatorDialog::OnKeySubtract},
    {Qt::Key_Slash, true, &CalculatorDialog::OnKeyDivide},
    {Qt::Key_Asterisk, true, &CalculatorDialog::OnKeyMultiply},
    {Qt::Key_Delete, false, &CalculatorDialog::OnKeyBackspace},
    {Qt::Key_Backspace, false, &CalculatorDialog::OnKeyBackspace},
}};

struct CharacterEntry {
    char character;
    Handler handler;
};

constexpr std::array<CharacterEntry, 15> kCharacterTable{{
    {'*', &CalculatorDialog::OnKeyMultiply},
    {'+', &CalculatorDialog::OnKeyAdd},
    {'-', &CalculatorDialog::OnKeySubtract},
    {'/', &CalculatorDialog::OnKeyDivide},
    {'0', &CalculatorDialog::OnKey0},
    {'1', &CalculatorDialog::OnKey1},
    {'2', &CalculatorDialog::OnKey2},
    {'3', &CalculatorDialog::OnKey3},
    {'4', &CalculatorDialog::OnKey4},
    {'5', &CalculatorDialog::OnKey5},
    {'6', &CalculatorDialog::OnKey6},
    {'7', &CalculatorDialog::OnKey7},
    {'8', &CalculatorDialog::OnKey8},
    {'9', &CalculatorDialog::OnKey9},
    {'=', &CalculatorDialog::OnKeyEquals},
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

KeyboardMap::KeyboardMap(CalculatorDialog& dialog) : m_dialog(dialog) {}

bool KeyboardMap::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) return false;
    if (static_cast<QWidget*>(watched)->window() != &m_dialog) return false;
    return TranslateKey(*static_cast<QKeyEvent*>(event));
}

bool KeyboardMap::TranslateKey(const QKeyEvent& event)
{
    // Alt combinations are system keys: they belong to the window manager and menus.
    if (event.modifiers() & Qt::AltModifier) return false;

    const bool keypad = (event.modifiers() & Qt::KeypadModifier) != 0;
    for (const KeyDownEntry& entry : kKeyDownTable) {
        if (entry.key == event.key() && (keypad || !entry.keypadOnly)) {
            (m_dialog.*entry.handler)();
            return true;
        }
    }

    // Escape types a control character on some platforms but must still close.
    if (event.key() == Qt::Key_Escape) return false;
    const QString text = event.text();
    if (text.isEmpty()) return false;
    // Characters typed with Ctrl are control codes, never calculator keys.
    if (text.size() == 1 && !(event.modifiers() & Qt::ControlModifier)) {
        for (const CharacterEntry& entry : kCharacterTable) {
            if (text.at(0) == QLatin1Char(entry.character)) {
                (m_dialog.*entry.handler)();
                break;
            }
        }
    }
    return true;
}

} // namespace quillet
