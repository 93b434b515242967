#include "ui/window/register_panel.h"

#include "ui/window/colours.h"
#include "ui/dialogs/dialog_builder.h"
#include "engine/calculator_engine.h"
#include "resources/control_ids.h"

#include <QAbstractButton>
#include <QLabel>

namespace quillet {

namespace {

struct PanelIds {
    int display, selector, radio, calcBox, label;
};

constexpr PanelIds kIds[3] = {
    {IDC_IN_DISPLAY, IDC_IN_FORMAT, IDC_IN_RADIO, IDC_CALC_IN, IDC_IN_LABEL},
    {IDC_OUT_DISPLAY, IDC_OUT_FORMAT, IDC_OUT_RADIO, IDC_CALC_OUT, IDC_OUT_LABEL},
    {IDC_DURATION_DISPLAY, IDC_DURATION_FORMAT, IDC_DURATION_RADIO, IDC_CALC_DURATION, IDC_DURATION_LABEL},
};

} // namespace

void RegisterPanel::Bind(DialogBuilder& builder)
{
    builder.Bind(kIds[m_index].selector, selector);
    builder.Bind(kIds[m_index].display, display);
}

void RegisterPanel::SetUp(const DialogBuilder& builder, CalculatorEngine& engine)
{
    m_radio = static_cast<QAbstractButton*>(builder.Item(kIds[m_index].radio));
    m_calcBox = static_cast<QAbstractButton*>(builder.Item(kIds[m_index].calcBox));
    m_label = static_cast<QLabel*>(builder.Item(kIds[m_index].label));
    const QString name = QString::fromLatin1(kRegisterNames[m_index]);
    display.setAccessibleName(name);
    selector.setAccessibleName(name + QStringLiteral(" format"));
    // On Linux a drop-down list's accessible name is its current choice, and
    // screen readers take what it is for from a label whose buddy it is. The
    // window shows no such label, so a hidden one names the list.
    auto* selectorLabel = new QLabel(name + QStringLiteral(" format"), selector.parentWidget());
    selectorLabel->setBuddy(&selector);
    selectorLabel->hide();
    m_radio->setAccessibleName(QStringLiteral("Select ") + name);
    m_calcBox->setAccessibleName(QStringLiteral("Compute ") + name);
    // The current register's display holds the keyboard focus, so a screen
    // reader speaks what it shows; the calculator's keys work there as anywhere.
    display.setFocusPolicy(Qt::StrongFocus);
    engine.AttachDisplay(m_index, &display);
    display.Watch(engine, m_index);
}

void RegisterPanel::ShowRole(bool current, bool computed, bool editing)
{
    // Auto-exclusive buttons refuse to be unticked one by one. (Arrow keys
    // never reach them: the keypad moves the focus on those.)
    m_radio->setAutoExclusive(false);
    m_radio->setChecked(current);
    m_radio->setAutoExclusive(true);
    m_radio->setEnabled(!editing || !computed);
    // The computed register takes no keys, so its display takes no focus.
    display.setFocusPolicy(editing && computed ? Qt::NoFocus : Qt::StrongFocus);
    display.m_backColor = current ? ActiveColour : InactiveColour;
    if (editing) {
        if (computed) display.m_backColor = CalcTargetColour;
        m_calcBox->setChecked(computed);
        const QString name = QString::fromLatin1(kRegisterNames[m_index]);
        m_label->setText(computed ? QStringLiteral("CALC (%1)").arg(name) : name);
    }
    display.Invalidate();
}

void RegisterPanel::ShowMode(bool editing)
{
    m_label->setVisible(editing);
    m_calcBox->setVisible(editing);
    // IN's list stays: in Editing mode it sets the format of all three.
    if (m_index != kIn) selector.setVisible(!editing);
}

} // namespace quillet
