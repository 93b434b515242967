// The keypad: one handler per button, each the engine call(s) of its key.

#include "calculator_dialog.h"

#include "resources/control_ids.h"

#include <array>

namespace quillet {

std::span<const CalculatorDialog::KeypadKey> CalculatorDialog::KeypadKeys()
{
    // The window's declaration order, which is also the order buttons are styled in.
    static constexpr std::array<KeypadKey, 19> keys{{
        {IDC_KEY_MULTIPLY, &CalculatorDialog::keyMultiply, &CalculatorDialog::OnKeyMultiply, "Multiply",
         "x: multiply by a number of up to four digits"},
        {IDC_KEY_ADD, &CalculatorDialog::keyAdd, &CalculatorDialog::OnKeyAdd, "Add", "+: add"},
        {IDC_KEY_00, &CalculatorDialog::keyDoubleZero, &CalculatorDialog::OnKeyDoubleZero, "Double zero", "00: type two zeros"},
        {IDC_KEY_SUBTRACT, &CalculatorDialog::keySubtract, &CalculatorDialog::OnKeySubtract, "Subtract", "-: subtract"},
        {IDC_KEY_EQUALS, &CalculatorDialog::keyEquals, &CalculatorDialog::OnKeyEquals, "Equals",
         "=: finish the calculation; pressed again, repeat the last operation"},
        {IDC_KEY_DIVIDE, &CalculatorDialog::keyDivide, &CalculatorDialog::OnKeyDivide, "Divide",
         "/: divide by a number of up to four digits"},
        {IDC_KEY_CLEAR_ALL, &CalculatorDialog::keyClearAll, &CalculatorDialog::OnKeyClearAll, "Clear all", "CA: clear all registers"},
        {IDC_KEY_CLEAR, &CalculatorDialog::keyClear, &CalculatorDialog::OnKeyClear, "Clear", "C: clear the current register"},
        {IDC_KEY_BACKSPACE, &CalculatorDialog::keyBackspace, &CalculatorDialog::OnKeyBackspace, "Backspace",
         "->: remove the last digit"},
        {IDC_KEY_9, &CalculatorDialog::key9, &CalculatorDialog::OnKey9, "9", "9: type the digit 9"},
        {IDC_KEY_8, &CalculatorDialog::key8, &CalculatorDialog::OnKey8, "8", "8: type the digit 8"},
        {IDC_KEY_7, &CalculatorDialog::key7, &CalculatorDialog::OnKey7, "7", "7: type the digit 7"},
        {IDC_KEY_6, &CalculatorDialog::key6, &CalculatorDialog::OnKey6, "6", "6: type the digit 6"},
        {IDC_KEY_5, &CalculatorDialog::key5, &CalculatorDialog::OnKey5, "5", "5: type the digit 5"},
        {IDC_KEY_4, &CalculatorDialog::key4, &CalculatorDialog::OnKey4, "4", "4: type the digit 4"},
        {IDC_KEY_3, &CalculatorDialog::key3, &CalculatorDialog::OnKey3, "3", "3: type the digit 3"},
        {IDC_KEY_2, &CalculatorDialog::key2, &CalculatorDialog::OnKey2, "2", "2: type the digit 2"},
        {IDC_KEY_1, &CalculatorDialog::key1, &CalculatorDialog::OnKey1, "1", "1: type the digit 1"},
        {IDC_KEY_0, &CalculatorDialog::key0, &CalculatorDialog::OnKey0, "0", "0: type the digit 0"},
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

} // namespace quillet
