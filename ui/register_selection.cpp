// Choosing the current register (display clicks, radio buttons), choosing the
// computed register in Editing mode (CALC boxes), and the display colours that
// show both: current white, computed pale red, the rest light grey.

#include "calculator_dialog.h"

#include "colours.h"
#include "resources/control_ids.h"

#include <QAbstractButton>
#include <QLabel>

namespace quillet {

namespace {

constexpr int kRadioIds[3] = {IDC_IN_RADIO, IDC_OUT_RADIO, IDC_DURATION_RADIO};
constexpr int kLabelIds[3] = {IDC_IN_LABEL, IDC_OUT_LABEL, IDC_DURATION_LABEL};

} // namespace

void CalculatorDialog::UpdateData(bool read)
{
    if (read) {
        selectedRegister = -1;
        for (int i = 0; i < 3; ++i) {
            if (static_cast<QAbstractButton*>(GetDlgItem(kRadioIds[i]))->isChecked()) {
                selectedRegister = i;
                break;
            }
        }
        calcIn = static_cast<QAbstractButton*>(GetDlgItem(IDC_CALC_IN))->isChecked() ? 1 : 0;
        calcOut = static_cast<QAbstractButton*>(GetDlgItem(IDC_CALC_OUT))->isChecked() ? 1 : 0;
        calcDuration = static_cast<QAbstractButton*>(GetDlgItem(IDC_CALC_DURATION))->isChecked() ? 1 : 0;
        return;
    }
    for (int i = 0; i < 3; ++i) {
        auto* radio = static_cast<QAbstractButton*>(GetDlgItem(kRadioIds[i]));
        // Auto-exclusive buttons refuse to be unticked one by one.
        radio->setAutoExclusive(false);
        radio->setChecked(i == selectedRegister);
        radio->setAutoExclusive(true);
    }
    static_cast<QAbstractButton*>(GetDlgItem(IDC_CALC_IN))->setChecked(calcIn == 1);
    static_cast<QAbstractButton*>(GetDlgItem(IDC_CALC_OUT))->setChecked(calcOut == 1);
    static_cast<QAbstractButton*>(GetDlgItem(IDC_CALC_DURATION))->setChecked(calcDuration == 1);
}

LcdDisplay& CalculatorDialog::Display(int index)
{
    LcdDisplay* displays[3] = {&inDisplay, &outDisplay, &durationDisplay};
    return *displays[index];
}

int CalculatorDialog::CalcField(int index) const
{
    const int fields[3] = {calcIn, calcOut, calcDuration};
    return fields[index];
}

int CalculatorDialog::ComputedRegister() const
{
    for (int i = 0; i < 3; ++i) {
        if (CalcField(i) == 1) return i;
    }
    return -1;
}

void CalculatorDialog::ColourDisplays(int current)
{
    for (int i = 0; i < 3; ++i) Display(i).m_backColor = i == current ? ActiveColour : InactiveColour;
    if (engine.IsConversionMode()) return;
    const int computed = ComputedRegister();
    if (computed >= 0) Display(computed).m_backColor = CalcTargetColour;
}

void CalculatorDialog::RepaintDisplays()
{
    inDisplay.Invalidate();
    outDisplay.Invalidate();
    durationDisplay.Invalidate();
}

void CalculatorDialog::OnInDisplayClick() { DisplayClick(kIn); }
void CalculatorDialog::OnOutDisplayClick() { DisplayClick(kOut); }
void CalculatorDialog::OnDurationDisplayClick() { DisplayClick(kDuration); }

void CalculatorDialog::DisplayClick(int index)
{
    UpdateData(true);
    // The computed register cannot be typed into: selecting it would undo the choice.
    if (!engine.IsConversionMode() && CalcField(index) == 1) return;
    selectedRegister = index;
    UpdateData(false);
    SelectRadio(index);
}

void CalculatorDialog::OnInRadio() { SelectRadio(kIn); }
void CalculatorDialog::OnOutRadio() { SelectRadio(kOut); }
void CalculatorDialog::OnDurationRadio() { SelectRadio(kDuration); }

void CalculatorDialog::SelectRadio(int index)
{
    UpdateData(true);
    engine.SelectRegister(index);
    ColourDisplays(index);
    RepaintDisplays();
}

void CalculatorDialog::OnCalcIn() { CalcClick(kIn); }
void CalculatorDialog::OnCalcOut() { CalcClick(kOut); }
void CalculatorDialog::OnCalcDuration() { CalcClick(kDuration); }

void CalculatorDialog::CalcClick(int target)
{
    UpdateData(true);
    if (selectedRegister == target) {
        // Move off the register first: selecting it later would clear its mark.
        const int next = (target + 1) % 3;
        SelectRadio(next);
        selectedRegister = next;
    }
    calcIn = target == kIn ? 1 : 0;
    calcOut = target == kOut ? 1 : 0;
    calcDuration = target == kDuration ? 1 : 0;
    engine.SetCalcTarget(target);
    UpdateData(false);
    UpdateCalcControls();
    // UpdateCalcControls has written the labels for DURATION computed.
    if (target == kDuration) return;
    static constexpr const char* labels[2][3] = {
        {"CALC (IN)", "OUT", "DURATION"},
        {"IN", "CALC (OUT)", "DURATION"},
    };
    for (int i = 0; i < 3; ++i) static_cast<QLabel*>(GetDlgItem(kLabelIds[i]))->setText(QString::fromLatin1(labels[target][i]));
}

void CalculatorDialog::UpdateCalcControls()
{
    for (int i = 0; i < 3; ++i) GetDlgItem(kRadioIds[i])->setEnabled(CalcField(i) == 0);
    EnableCommands();
    static_cast<QLabel*>(GetDlgItem(kLabelIds[0]))->setText(QStringLiteral("IN"));
    static_cast<QLabel*>(GetDlgItem(kLabelIds[1]))->setText(QStringLiteral("OUT"));
    static_cast<QLabel*>(GetDlgItem(kLabelIds[2]))->setText(QStringLiteral("CALC (DURATION)"));
    ColourDisplays(selectedRegister);
    RepaintDisplays();
}

} // namespace quillet
