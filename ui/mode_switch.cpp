// The Mode button: Conversion mode shows the current register in all three
// formats; Editing mode shares IN's format and computes one register from the
// other two. The engine holds the mode; the window only shows it.

#include "calculator_dialog.h"

#include "resources/control_ids.h"

namespace quillet {

namespace {

constexpr int kModeOnlyInEditing[6] = {IDC_IN_LABEL, IDC_OUT_LABEL, IDC_DURATION_LABEL,
                                       IDC_CALC_IN, IDC_CALC_OUT, IDC_CALC_DURATION};

} // namespace

void CalculatorDialog::OnModeButton()
{
    if (engine.IsConversionMode()) {
        engine.SetMode(CalculatorMode::kEditing);
        // DURATION is the computed register every time Editing mode begins.
        OnCalcDuration();
        UpdateModeControls();
        return;
    }
    engine.SetMode(CalculatorMode::kConversion);
    // Each register goes back to the format its own selector still shows.
    engine.SetRegisterFormat(kIn, inSelector.CurrentFormat());
    engine.SetRegisterFormat(kOut, outSelector.CurrentFormat());
    engine.SetRegisterFormat(kDuration, durationSelector.CurrentFormat());
    GetDlgItem(IDC_IN_RADIO)->setEnabled(true);
    GetDlgItem(IDC_OUT_RADIO)->setEnabled(true);
    GetDlgItem(IDC_DURATION_RADIO)->setEnabled(true);
    UpdateModeControls();
}

void CalculatorDialog::UpdateModeControls()
{
    const bool conversion = engine.IsConversionMode();
    modeButton.setText(conversion ? QStringLiteral("Mode: Conversion") : QStringLiteral("Mode: Editing"));
    outSelector.setVisible(conversion);
    durationSelector.setVisible(conversion);
    for (int id : kModeOnlyInEditing) GetDlgItem(id)->setVisible(!conversion);
    EnableCommands();
    // In Editing mode OnCalcDuration has just coloured the displays. No
    // repaint here: every register is refreshed right after this.
    if (conversion) ColourDisplays(selectedRegister);
}

} // namespace quillet
