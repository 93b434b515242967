// The Mode button: Conversion mode shows the current register in all three
// formats; Editing mode shares IN's format and computes one register from the
// other two. The engine holds the mode; the window only shows it.

#include "ui/window/calculator_dialog.h"

namespace quillet {

void CalculatorDialog::OnModeButton()
{
    m_history->Remember();
    if (engine.IsConversionMode()) {
        engine.SetMode(CalculatorMode::kEditing);
        // DURATION is the computed register every time Editing mode begins.
        CalcClick(kDuration);
        return;
    }
    engine.SetMode(CalculatorMode::kConversion);
    // Each register goes back to the format its own selector still shows.
    for (RegisterPanel& panel : m_panels) engine.SetRegisterFormat(panel.Index(), panel.selector.CurrentFormat());
    ShowState();
}

} // namespace quillet
