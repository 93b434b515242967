// Choosing the current register (display clicks, radio buttons), choosing the
// computed register in Editing mode (CALC boxes), and showing both as the
// engine has them: current white, computed pale red, the rest light grey.

#include "ui/accessibility/announcer.h"
#include "ui/accessibility/spoken_words.h"
#include "ui/window/calculator_dialog.h"

#include <QApplication>

namespace quillet {

void CalculatorDialog::DisplayClick(int index, bool fromKeyboard)
{
    // The computed register cannot be typed into: selecting it would undo the
    // choice. A click on it is ignored; from the keyboard (Ctrl+1..3) the
    // refusal beeps and is explained to a screen reader.
    if (!engine.IsConversionMode() && engine.CalcTarget() == index) {
        if (fromKeyboard) {
            QApplication::beep();
            m_announcer->Say(ComputedRegisterRefusedWords(index));
        }
        return;
    }
    SelectRadio(index);
}

void CalculatorDialog::SelectRadio(int index)
{
    m_history->Remember(); // selecting commits the entry
    engine.SelectRegister(index);
    ShowState();
    // The focus follows the register the keys go to.
    m_panels[engine.CurrentRegister()].display.setFocus(Qt::OtherFocusReason);
}

void CalculatorDialog::CalcClick(int target)
{
    // Move off the register first: selecting it later would clear its mark.
    if (engine.CurrentRegister() == target) engine.SelectRegister((target + 1) % 3);
    engine.SetCalcTarget(target);
    ShowState();
}

void CalculatorDialog::ShowState()
{
    const bool editing = !engine.IsConversionMode();
    const QString mode = ModeWords(editing);
    if (modeButton.text() != mode) {
        modeButton.setText(mode);
        // Whether switched by the button, Ctrl+M or an undo, the new mode is
        // said (Qt's bridge on Linux reports a new name without the name).
        if (m_announcer != nullptr) m_announcer->Say(mode);
    }
    for (RegisterPanel& panel : m_panels) panel.ShowMode(editing);
    for (RegisterPanel& panel : m_panels)
        panel.ShowRole(panel.Index() == engine.CurrentRegister(), panel.Index() == engine.CalcTarget(), editing);
    m_commands->Enable();
    // A display never holds the focus for a register the keys do not go to.
    for (RegisterPanel& panel : m_panels)
        if (panel.display.hasFocus() && panel.Index() != engine.CurrentRegister())
            m_panels[engine.CurrentRegister()].display.setFocus(Qt::OtherFocusReason);
}

} // namespace quillet
