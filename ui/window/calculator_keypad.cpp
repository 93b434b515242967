#include "ui/window/calculator_keypad.h"

#include "ui/window/colours.h"
#include "ui/dialogs/dialog_builder.h"
#include "engine/calculator_engine.h"
#include "resources/control_ids.h"

#include "controls/hyper_link.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>

namespace quillet {

namespace {

struct KeyInfo {
    KeypadKey key;
    int id;
    void (CalculatorKeypad::*handler)();
    const char* accessibleName;
    const char* toolTip;
};

// The window's declaration order, which is also the order buttons are styled in.
constexpr std::array<KeyInfo, 19> kKeys{{
    {KeypadKey::kMultiply, IDC_KEY_MULTIPLY, &CalculatorKeypad::OnKeyMultiply, "Multiply",
     "x: multiply by a number of up to four digits"},
    {KeypadKey::kAdd, IDC_KEY_ADD, &CalculatorKeypad::OnKeyAdd, "Add", "+: add"},
    {KeypadKey::kDoubleZero, IDC_KEY_00, &CalculatorKeypad::OnKeyDoubleZero, "Double zero", "00: type two zeros"},
    {KeypadKey::kSubtract, IDC_KEY_SUBTRACT, &CalculatorKeypad::OnKeySubtract, "Subtract", "-: subtract"},
    {KeypadKey::kEquals, IDC_KEY_EQUALS, &CalculatorKeypad::OnKeyEquals, "Equals",
     "=: finish the calculation; pressed again, repeat the last operation"},
    {KeypadKey::kDivide, IDC_KEY_DIVIDE, &CalculatorKeypad::OnKeyDivide, "Divide",
     "/: divide by a number of up to four digits"},
    {KeypadKey::kClearAll, IDC_KEY_CLEAR_ALL, &CalculatorKeypad::OnKeyClearAll, "Clear all", "CA: clear all registers"},
    {KeypadKey::kClear, IDC_KEY_CLEAR, &CalculatorKeypad::OnKeyClear, "Clear", "C: clear the current register"},
    {KeypadKey::kBackspace, IDC_KEY_BACKSPACE, &CalculatorKeypad::OnKeyBackspace, "Backspace", "->: remove the last digit"},
    {KeypadKey::k9, IDC_KEY_9, &CalculatorKeypad::OnKey9, "9", "9: type the digit 9"},
    {KeypadKey::k8, IDC_KEY_8, &CalculatorKeypad::OnKey8, "8", "8: type the digit 8"},
    {KeypadKey::k7, IDC_KEY_7, &CalculatorKeypad::OnKey7, "7", "7: type the digit 7"},
    {KeypadKey::k6, IDC_KEY_6, &CalculatorKeypad::OnKey6, "6", "6: type the digit 6"},
    {KeypadKey::k5, IDC_KEY_5, &CalculatorKeypad::OnKey5, "5", "5: type the digit 5"},
    {KeypadKey::k4, IDC_KEY_4, &CalculatorKeypad::OnKey4, "4", "4: type the digit 4"},
    {KeypadKey::k3, IDC_KEY_3, &CalculatorKeypad::OnKey3, "3", "3: type the digit 3"},
    {KeypadKey::k2, IDC_KEY_2, &CalculatorKeypad::OnKey2, "2", "2: type the digit 2"},
    {KeypadKey::k1, IDC_KEY_1, &CalculatorKeypad::OnKey1, "1", "1: type the digit 1"},
    {KeypadKey::k0, IDC_KEY_0, &CalculatorKeypad::OnKey0, "0", "0: type the digit 0"},
}};

} // namespace

CalculatorKeypad::CalculatorKeypad(CalculatorEngine& engine) : m_engine(engine) {}

void CalculatorKeypad::Bind(DialogBuilder& builder)
{
    for (const KeyInfo& info : kKeys) builder.Bind(info.id, m_buttons[static_cast<int>(info.key)]);
}

void CalculatorKeypad::SetUp()
{
    for (const KeyInfo& info : kKeys) {
        FlatButton& button = m_buttons[static_cast<int>(info.key)];
        connect(&button, &QPushButton::clicked, this, info.handler);
        button.setAccessibleName(QString::fromLatin1(info.accessibleName));
        button.setToolTip(QString::fromLatin1(info.toolTip));
        button.SetXButtonStyle(FlatButton::KeypadStyle, true);
        if (info.key == KeypadKey::kClearAll || info.key == KeypadKey::kClear) button.SetTextColor(ClearKeyColour);
    }
}

void CalculatorKeypad::ListenTo(QWidget& window)
{
    m_window = &window;
    qApp->installEventFilter(this);
}

void CalculatorKeypad::StopListening()
{
    qApp->removeEventFilter(this);
    m_window = nullptr;
}

bool CalculatorKeypad::IsKey(const QObject* widget) const
{
    for (const FlatButton& button : m_buttons)
        if (&button == widget) return true;
    return false;
}

bool CalculatorKeypad::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) return false;
    if (m_window == nullptr || static_cast<QWidget*>(watched)->window() != m_window) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    // Space and Enter work a focused control that is no key of the keypad
    // (About, Settings, Mode, a radio button, a CALC box, the Home link);
    // everywhere else they keep their meanings on the calculator (C and =).
    const bool activates = (key->key() == Qt::Key_Space || key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
                           (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (activates && !IsKey(watched)) {
        if (auto* button = qobject_cast<QAbstractButton*>(watched)) {
            button->click();
            return true;
        }
        if (auto* link = qobject_cast<CHyperLink*>(watched)) {
            link->FollowLink();
            return true;
        }
    }
    // Arrow keys move the focus in the window's own order, whatever control has it.
    const bool plain = (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (plain && moveFocus) {
        switch (key->key()) {
        case Qt::Key_Left:
        case Qt::Key_Up:
        case Qt::Key_Right:
        case Qt::Key_Down: moveFocus(static_cast<Qt::Key>(key->key())); return true;
        default: break;
        }
    }
    const KeyTranslation translation = KeyboardMap::Translate(*key);
    if (translation.press) Press(*translation.press);
    return translation.consumed;
}

void CalculatorKeypad::Press(KeypadKey key)
{
    for (const KeyInfo& info : kKeys) {
        if (info.key == key) {
            (this->*info.handler)();
            return;
        }
    }
}

void CalculatorKeypad::OnKey0() { Remember(); m_engine.KeyIn('0'); }
void CalculatorKeypad::OnKey1() { Remember(); m_engine.KeyIn('1'); }
void CalculatorKeypad::OnKey2() { Remember(); m_engine.KeyIn('2'); }
void CalculatorKeypad::OnKey3() { Remember(); m_engine.KeyIn('3'); }
void CalculatorKeypad::OnKey4() { Remember(); m_engine.KeyIn('4'); }
void CalculatorKeypad::OnKey5() { Remember(); m_engine.KeyIn('5'); }
void CalculatorKeypad::OnKey6() { Remember(); m_engine.KeyIn('6'); }
void CalculatorKeypad::OnKey7() { Remember(); m_engine.KeyIn('7'); }
void CalculatorKeypad::OnKey8() { Remember(); m_engine.KeyIn('8'); }
void CalculatorKeypad::OnKey9() { Remember(); m_engine.KeyIn('9'); }

void CalculatorKeypad::OnKeyDoubleZero()
{
    Remember();
    m_engine.KeyIn('0');
    m_engine.KeyIn('0');
}

void CalculatorKeypad::OnKeyBackspace() { Remember(); m_engine.KeyIn(8); Unechoed(); }
void CalculatorKeypad::OnKeyClear() { Remember(); m_engine.ClearEntry(); Unechoed(); }
void CalculatorKeypad::OnKeyClearAll() { Remember(); m_engine.ClearAllRegisters(); Unechoed(); }
void CalculatorKeypad::OnKeyAdd() { Remember(); m_engine.ApplyOperator('+', false); }
void CalculatorKeypad::OnKeySubtract() { Remember(); m_engine.ApplyOperator('-', false); }
// The engine's multiplication character is '*', whatever the button shows.
void CalculatorKeypad::OnKeyMultiply() { Remember(); m_engine.ApplyOperator('*', false); }
void CalculatorKeypad::OnKeyDivide() { Remember(); m_engine.ApplyOperator('/', false); }
void CalculatorKeypad::OnKeyEquals() { Remember(); m_engine.ApplyOperator('=', false); Unechoed(); }

} // namespace quillet
