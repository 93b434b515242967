#pragma once
// One register's controls: its seven-segment display, its format selector,
// the radio button that makes it current, and, shown in Editing mode only,
// the CALC box that makes it the computed register with the label over it.
// The window holds three, indexed as the engine's registers.

#include "ui/window/flat_combo_box.h"
#include "ui/window/register_display.h"

class QAbstractButton;
class QLabel;

namespace quillet {

class CalculatorEngine;
class DialogBuilder;

class RegisterPanel {
public:
    explicit RegisterPanel(int index) : m_index(index) {}

    // Lets the window's template place the display and the selector; call before Build.
    void Bind(DialogBuilder& builder);
    // Finds the radio button, CALC box and label among the built items, names
    // every control for assistive technology and shows the engine's register.
    void SetUp(const DialogBuilder& builder, CalculatorEngine& engine);

    // Shows the register's part: the radio ticked when current and enabled
    // unless computed; the display white when current, pale red when computed
    // in Editing mode, grey otherwise; in Editing mode the CALC box ticked and
    // the label saying "CALC" when computed. Repaints the display.
    void ShowRole(bool current, bool computed, bool editing);
    // Editing mode shows the CALC box and label; Conversion mode this register's own selector.
    void ShowMode(bool editing);

    int Index() const { return m_index; }
    QAbstractButton& Radio() const { return *m_radio; }
    QAbstractButton& CalcBox() const { return *m_calcBox; }

    RegisterDisplay display;
    FlatComboBox selector;

private:
    int m_index;
    QAbstractButton* m_radio = nullptr;
    QAbstractButton* m_calcBox = nullptr;
    QLabel* m_label = nullptr;
};

} // namespace quillet
