#include "calculator_dialog.h"

#include "about_dialog.h"
#include "colours.h"
#include "dialog_builder.h"
#include "display_accessibility.h"
#include "resources/about_template.h"
#include "resources/calculator_template.h"
#include "settings_dialog.h"
#include "tape_window.h"

#include <QAbstractButton>
#include <QApplication>

namespace quillet {

namespace {


QIcon LoadApplicationIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256}) {
        icon.addFile(QStringLiteral(":/icons/quillet-%1.png").arg(size), QSize(size, size));
    }
    return icon;
}

} // namespace

CalculatorDialog::CalculatorDialog(ProfileStore& profile, QWidget* parent)
    // A window of its own rather than a dialog: no transient parent, so window
    // managers give it a taskbar entry, and it can be minimised. It is never
    // maximised: its layout has one size.
    : QDialog(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      m_profile(profile), windowIcon(LoadApplicationIcon()), m_keyboardMap(*this)
{
    InstallDisplayAccessibility();
    DialogBuilder builder(*this, kCalculatorTemplate);
    DoDataExchange(builder);
    CreateCommands();
    OnInitDialog();
    InitTape();
}

CalculatorDialog::~CalculatorDialog() = default;

void CalculatorDialog::DoDataExchange(DialogBuilder& builder)
{
    builder.Bind(IDC_ABOUT, aboutButton);
    builder.Bind(IDC_MODE, modeButton);
    builder.Bind(IDC_SETTINGS, settingsButton);
    builder.Bind(IDC_HOME_LINK, homeLink);
    for (const KeypadKey& key : KeypadKeys()) builder.Bind(key.id, this->*key.button);
    builder.Bind(IDC_DURATION_FORMAT, durationSelector);
    builder.Bind(IDC_OUT_FORMAT, outSelector);
    builder.Bind(IDC_IN_FORMAT, inSelector);
    builder.Bind(IDC_DURATION_DISPLAY, durationDisplay);
    builder.Bind(IDC_OUT_DISPLAY, outDisplay);
    builder.Bind(IDC_IN_DISPLAY, inDisplay);
    builder.Build();
    for (const DialogItem& item : kCalculatorItems) m_items[item.id - IDC_KEY_7] = builder.Item(item.id);

    // The link fits itself to its caption in the dialog font.
    homeLink.PreSubclassWindow();
    modeButton.SetTextLeft(true);
    ConnectHandlers();
    UpdateData(false);
}

QWidget* CalculatorDialog::GetDlgItem(int id) const
{
    if (id < IDC_KEY_7 || id > IDC_ABOUT) return nullptr;
    return m_items[id - IDC_KEY_7];
}

void CalculatorDialog::ConnectHandlers()
{
    for (const KeypadKey& key : KeypadKeys()) {
        FlatButton& button = this->*key.button;
        connect(&button, &QPushButton::clicked, this, key.handler);
        button.setAccessibleName(QString::fromLatin1(key.accessibleName));
        button.setToolTip(QString::fromLatin1(key.toolTip));
    }
    connect(&inSelector, &QComboBox::activated, this, &CalculatorDialog::OnInFormatChange);
    connect(&outSelector, &QComboBox::activated, this, &CalculatorDialog::OnOutFormatChange);
    connect(&durationSelector, &QComboBox::activated, this, &CalculatorDialog::OnDurationFormatChange);
    connect(&inDisplay, &LcdDisplay::clicked, this, &CalculatorDialog::OnInDisplayClick);
    connect(&outDisplay, &LcdDisplay::clicked, this, &CalculatorDialog::OnOutDisplayClick);
    connect(&durationDisplay, &LcdDisplay::clicked, this, &CalculatorDialog::OnDurationDisplayClick);

    struct Switch {
        int id;
        void (CalculatorDialog::*handler)();
        const char* accessibleName;
    };
    static constexpr Switch switches[] = {
        {IDC_IN_RADIO, &CalculatorDialog::OnInRadio, "Select IN"},
        {IDC_OUT_RADIO, &CalculatorDialog::OnOutRadio, "Select OUT"},
        {IDC_DURATION_RADIO, &CalculatorDialog::OnDurationRadio, "Select DURATION"},
        {IDC_CALC_IN, &CalculatorDialog::OnCalcIn, "Compute IN"},
        {IDC_CALC_OUT, &CalculatorDialog::OnCalcOut, "Compute OUT"},
        {IDC_CALC_DURATION, &CalculatorDialog::OnCalcDuration, "Compute DURATION"},
    };
    for (const Switch& s : switches) {
        auto* button = static_cast<QAbstractButton*>(GetDlgItem(s.id));
        connect(button, &QAbstractButton::clicked, this, s.handler);
        button->setAccessibleName(QString::fromLatin1(s.accessibleName));
    }
    connect(&modeButton, &QPushButton::clicked, this, &CalculatorDialog::OnModeButton);
    connect(&settingsButton, &QPushButton::clicked, this, &CalculatorDialog::OnSettingsButton);
    connect(&aboutButton, &QPushButton::clicked, this, &CalculatorDialog::OnAboutButton);

    inDisplay.setAccessibleName(QStringLiteral("IN"));
    outDisplay.setAccessibleName(QStringLiteral("OUT"));
    durationDisplay.setAccessibleName(QStringLiteral("DURATION"));
    inSelector.setAccessibleName(QStringLiteral("IN format"));
    outSelector.setAccessibleName(QStringLiteral("OUT format"));
    durationSelector.setAccessibleName(QStringLiteral("DURATION format"));
}

void CalculatorDialog::OnInitDialog()
{
    // The order matters: displays before anything that refreshes a register,
    // the mode before the formats, all three stored choices read before any is used.
    for (const KeypadKey& key : KeypadKeys()) {
        FlatButton& button = this->*key.button;
        button.SetXButtonStyle(FlatButton::KeypadStyle, true);
        if (&button == &keyClearAll || &button == &keyClear) button.SetTextColor(ClearKeyColour);
    }
    settingsButton.SetXButtonStyle(FlatButton::ToolbarStyle, true);
    modeButton.SetXButtonStyle(FlatButton::ToolbarStyle, true);
    aboutButton.SetXButtonStyle(FlatButton::ToolbarStyle, true);

    engine.AttachDisplay(kIn, &inDisplay);
    engine.AttachDisplay(kOut, &outDisplay);
    engine.AttachDisplay(kDuration, &durationDisplay);
    inDisplay.Watch(engine, kIn);
    outDisplay.Watch(engine, kOut);
    durationDisplay.Watch(engine, kDuration);

    ColourDisplays(kIn);

    engine.SetMode(CalculatorMode::kConversion);
    UpdateModeControls();


    homeLink.SetTarget(QString::fromLatin1(kHomePageAddress));

    // The lists, each with its stored choice; an index outside the table
    // leaves the selector blank (-1). A stored frame rate beyond the eleven
    // shows even while the longer list is off.
    m_showMoreRates = m_profile.Get(Preference::kMoreRates) == 1;
    inSelector.ShowFormats(m_showMoreRates, m_profile.Get(Preference::kInFormat));
    outSelector.ShowFormats(m_showMoreRates, m_profile.Get(Preference::kOutFormat));
    durationSelector.ShowFormats(m_showMoreRates, m_profile.Get(Preference::kDurationFormat));

    engine.SetRegisterFormat(kIn, inSelector.CurrentFormat());
    engine.SetRegisterFormat(kOut, outSelector.CurrentFormat());
    engine.SetRegisterFormat(kDuration, durationSelector.CurrentFormat());

    // There is no system menu to extend here: the About entry lives in the
    // context menu (PopulateContextMenu).
    setWindowIcon(windowIcon);
    key7.setFocus();
}

void CalculatorDialog::showEvent(QShowEvent* event)
{
    qApp->installEventFilter(&m_keyboardMap);
    // Styles draw the focus only once the keyboard has moved it. Here Tab types
    // "00" and the keyboard is always in use, so the focus is always shown.
    setAttribute(Qt::WA_KeyboardFocusChange);
    QDialog::showEvent(event);
    if (m_tapeShown) SetTapeVisible(true);
}

void CalculatorDialog::hideEvent(QHideEvent* event)
{
    qApp->removeEventFilter(&m_keyboardMap);
    QDialog::hideEvent(event);
}

void CalculatorDialog::OnInFormatChange()
{
    const int selection = inSelector.CurrentFormat();
    if (engine.IsConversionMode()) {
        engine.SetRegisterFormat(kIn, selection);
    } else {
        engine.SetAllFormats(selection);
    }
    m_profile.Set(Preference::kInFormat, selection);
}

void CalculatorDialog::OnOutFormatChange()
{
    const int selection = outSelector.CurrentFormat();
    engine.SetRegisterFormat(kOut, selection);
    m_profile.Set(Preference::kOutFormat, selection);
}

void CalculatorDialog::OnDurationFormatChange()
{
    const int selection = durationSelector.CurrentFormat();
    engine.SetRegisterFormat(kDuration, selection);
    m_profile.Set(Preference::kDurationFormat, selection);
}

void CalculatorDialog::OnSettingsButton()
{
    SettingsDialog dialog(this);
    dialog.bumpUpDropped = engine.Options().bumpUpDropped ? 1 : 0;
    dialog.allowOverflow = engine.Options().allowOverflow ? 1 : 0;
    dialog.showMoreRates = m_showMoreRates ? 1 : 0;
    if (dialog.DoModal() == QDialog::Accepted) {
        engine.SetOptions({dialog.allowOverflow != 0, dialog.bumpUpDropped != 0});
        if ((dialog.showMoreRates != 0) != m_showMoreRates) {
            m_showMoreRates = dialog.showMoreRates != 0;
            m_profile.Set(Preference::kMoreRates, m_showMoreRates ? 1 : 0);
            // Each list keeps its choice, even one that the shorter list no longer offers.
            for (FlatComboBox* selector : {&inSelector, &outSelector, &durationSelector})
                selector->ShowFormats(m_showMoreRates, selector->CurrentFormat());
        }
    }
}

void CalculatorDialog::OnAboutButton()
{
    AboutDialog dialog(windowIcon, this);
    dialog.exec();
}

void CalculatorDialog::OnSysCommand(int commandId)
{
    if ((commandId & 0xFFF0) == IDM_ABOUTBOX) OnAboutButton();
}

} // namespace quillet
