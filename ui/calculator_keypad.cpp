// The keypad: one handler per button, each the engine call(s) of its key,
// and copy and paste of the current register.

#include "calculator_dialog.h"

#include "resources/control_ids.h"

#include <QClipboard>
#include <QGuiApplication>
#include <array>

namespace quillet {

std::span<const CalculatorDialog::KeypadKey> CalculatorDialog::KeypadKeys()
{
    // The window's declaration order, which is also the order buttons are styled in.
    static constexpr std::array<KeypadKey, 19> keys{{
        {IDC_KEY_MULTIPLY, &CalculatorDialog::keyMultiply, &CalculatorDialog::OnKeyMultiply, "Multiply"},
        {IDC_KEY_ADD, &CalculatorDialog::keyAdd, &CalculatorDialog::OnKeyAdd, "Add"},
        {IDC_KEY_00, &CalculatorDialog::keyDoubleZero, &CalculatorDialog::OnKeyDoubleZero, "Double zero"},
        {IDC_KEY_SUBTRACT, &CalculatorDialog::keySubtract, &CalculatorDialog::OnKeySubtract, "Subtract"},
        {IDC_KEY_EQUALS, &CalculatorDialog::keyEquals, &CalculatorDialog::OnKeyEquals, "Equals"},
        {IDC_KEY_DIVIDE, &CalculatorDialog::keyDivide, &CalculatorDialog::OnKeyDivide, "Divide"},
        {IDC_KEY_CLEAR_ALL, &CalculatorDialog::keyClearAll, &CalculatorDialog::OnKeyClearAll, "Clear all"},
        {IDC_KEY_CLEAR, &CalculatorDialog::keyClear, &CalculatorDialog::OnKeyClear, "Clear"},
        {IDC_KEY_BACKSPACE, &CalculatorDialog::keyBackspace, &CalculatorDialog::OnKeyBackspace, "Backspace"},
        {IDC_KEY_9, &CalculatorDialog::key9, &CalculatorDialog::OnKey9, "9"},
        {IDC_KEY_8, &CalculatorDialog::key8, &CalculatorDialog::OnKey8, "8"},
        {IDC_KEY_7, &CalculatorDialog::key7, &CalculatorDialog::OnKey7, "7"},
        {IDC_KEY_6, &CalculatorDialog::key6, &CalculatorDialog::OnKey6, "6"},
        {IDC_KEY_5, &CalculatorDialog::key5, &CalculatorDialog::OnKey5, "5"},
        {IDC_KEY_4, &CalculatorDialog::key4, &CalculatorDialog::OnKey4, "4"},
        {IDC_KEY_3, &CalculatorDialog::key3, &CalculatorDialog::OnKey3, "3"},
        {IDC_KEY_2, &CalculatorDialog::key2, &CalculatorDialog::OnKey2, "2"},
        {IDC_KEY_1, &CalculatorDialog::key1, &CalculatorDialog::OnKey1, "1"},
        {IDC_KEY_0, &CalculatorDialog::key0, &CalculatorDialog::OnKey0, "0"},
    }};
    return keys;
}

void CalculatorDialog::OnKey0() { engine.KeyIn('0'); }
void CalculatorDialog::OnKey1() { engine.KeyIn('1'); }
void CalculatorDialog::OnKey2() { engine.KeyIn('2'); }
void CalculatorDialog::OnKey3() { engine.KeyIn('3'); }
void CalculatorDialog::OnKey4() { engine.KeyIn('4'); }
void CalculatorDialog::OnKey5() { engine.KeyIn('5'); }
void CalculatorDialog::OnKey6() { engine.KeyIn('6'); }
void CalculatorDialog::OnKey7() { engine.KeyIn('7'); }
void CalculatorDialog::OnKey8() { engine.KeyIn('8'); }
void CalculatorDialog::OnKey9() { engine.KeyIn('9'); }

void CalculatorDialog::OnKeyDoubleZero()
{
    engine.KeyIn('0');
    engine.KeyIn('0');
}

void CalculatorDialog::OnKeyBackspace() { engine.KeyIn(8); }

void CalculatorDialog::OnKeyClear() { engine.ClearEntry(); }

void CalculatorDialog::OnKeyClearAll() { engine.ClearAllRegisters(); }
void CalculatorDialog::OnKeyAdd() { engine.ApplyOperator('+', false); }
void CalculatorDialog::OnKeySubtract() { engine.ApplyOperator('-', false); }
// The engine's multiplication character is '*', whatever the button shows.
void CalculatorDialog::OnKeyMultiply() { engine.ApplyOperator('*', false); }
void CalculatorDialog::OnKeyDivide() { engine.ApplyOperator('/', false); }
void CalculatorDialog::OnKeyEquals() { engine.ApplyOperator('=', false); }

void CalculatorDialog::OnEditCopy()
{
    const DisplaySink* display = engine.current->display;
    if (display == nullptr || display->m_text.empty()) return;
    // Every text ends in a blank or the pending operator; neither is part of the value.
    const std::string& shown = display->m_text;
    QGuiApplication::clipboard()->setText(QString::fromStdString(shown.substr(0, shown.size() - 1)));
}

void CalculatorDialog::OnEditPaste()
{
    // A new entry, as typed right after a commit; a pending operator stays
    // pending, so a pasted right operand works like a typed one.
    engine.PasteDigits(QGuiApplication::clipboard()->text().toStdString());
}

} // namespace quillet
