#include "ui/window/calculator_dialog.h"

#include "ui/window/focus_moves.h"

#include "ui/dialogs/about_dialog.h"
#include "ui/window/application_icon.h"
#include "ui/accessibility/announcer.h"
#include "ui/accessibility/spoken_words.h"
#include "ui/dialogs/dialog_builder.h"
#include "ui/accessibility/widget_accessibility.h"
#include "resources/about_template.h"
#include "resources/calculator_template.h"
#include "ui/dialogs/settings_dialog.h"
#include "store/profile_store.h"

#include <QAbstractButton>
#include <QContextMenuEvent>

#include <algorithm>
#include <cstdlib>
#include <QCursor>
#include <QKeyEvent>

namespace quillet {

CalculatorDialog::CalculatorDialog(ProfileStore& profile, QWidget* parent)
    // A window of its own rather than a dialog: no transient parent, so window
    // managers give it a taskbar entry, and it can be minimised. It is never
    // maximised: its layout has one size.
    : QDialog(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      m_profile(profile), windowIcon(ApplicationIcon())
{
    InstallWidgetAccessibility();
    m_builder = std::make_unique<DialogBuilder>(*this, kCalculatorTemplate);
    DoDataExchange(*m_builder);
    m_zoom = std::make_unique<WindowZoom>(*this, *m_builder, homeLink, m_profile);
    m_history = std::make_unique<WindowHistory>(engine, m_panels, m_profile, m_showMoreRates, [this] { ShowState(); });
    WindowActions actions{
        .copy = [this] { OnEditCopy(); },
        .paste = [this] { OnEditPaste(); },
        .copyRegister = [this](int index) { CopyRegister(index); },
        .pasteIntoRegister = [this](int index) { PasteIntoRegister(index); },
        .selectRegister = [this](int index) { DisplayClick(index, true); },
        .switchMode = [this] { OnModeButton(); },
        .toggleTape = [this] { m_announcer->Say(TapeWords(m_tape->Toggle())); },
        .switchToOrFromTape = [this] { m_tape->SwitchKeyboard(m_panels[engine.CurrentRegister()].display); },
        .say = [this](const QString& words) { m_announcer->Say(words); },
        .sayCurrentRegister =
            [this] {
                const int current = engine.CurrentRegister();
                m_announcer->Say(RegisterWords(current, m_panels[current].display.ValueReadOut()));
            },
        .openSettings = [this] { OnSettingsButton(); },
        .openHomePage = [this] { homeLink.FollowLink(); },
        .openAbout = [this] { OnSysCommand(IDM_ABOUTBOX); },
    };
    m_commands = std::make_unique<WindowCommands>(*this, engine, std::move(actions), m_panels, m_keypad, *m_history, *m_zoom);
    OnInitDialog();
    m_tape = std::make_unique<CalculatorTape>(engine, m_profile, *this);
    m_tape->AttachCommand(m_commands->TapeCommand());
    m_tape->SetZoom(m_zoom->Factor());
    m_zoom->zoomed = [this](double factor) { m_tape->SetZoom(factor); };
    // From here on every step can be undone; setting up the window is none.
    m_keypad.beforeStep = [this] { m_history->Remember(); };
    m_keypad.moveFocus = [this](Qt::Key arrow) { MoveFocus(arrow); };
    m_keypad.afterUnechoedKey = [this] { m_panels[engine.CurrentRegister()].display.SayValue(); };
    m_tape->beforeStep = [this] { m_history->Remember(); };
}

CalculatorDialog::~CalculatorDialog() = default;

void CalculatorDialog::DoDataExchange(DialogBuilder& builder)
{
    builder.Bind(IDC_ABOUT, aboutButton);
    builder.Bind(IDC_MODE, modeButton);
    builder.Bind(IDC_SETTINGS, settingsButton);
    builder.Bind(IDC_HOME_LINK, homeLink);
    m_keypad.Bind(builder);
    for (RegisterPanel& panel : m_panels) panel.Bind(builder);
    builder.Build();
    for (const DialogItem& item : kCalculatorItems) m_items[item.id - IDC_KEY_7] = builder.Item(item.id);
    for (RegisterPanel& panel : m_panels) panel.SetUp(builder, engine);
    m_announcer = new Announcer(this);
    for (RegisterPanel& panel : m_panels) panel.display.SpeakThrough(*m_announcer);

    // Controls that Space and Enter work once focused take the focus from
    // the keyboard only: a click on Mode, a radio button or a CALC box leaves
    // Enter meaning '=' as before.
    for (QWidget* control : {static_cast<QWidget*>(&modeButton), static_cast<QWidget*>(&settingsButton),
                             static_cast<QWidget*>(&aboutButton)})
        control->setFocusPolicy(Qt::TabFocus);
    for (RegisterPanel& panel : m_panels) {
        panel.Radio().setFocusPolicy(Qt::TabFocus);
        panel.CalcBox().setFocusPolicy(Qt::TabFocus);
    }

    // The link fits itself to its caption in the dialog font.
    homeLink.PreSubclassWindow();
    modeButton.SetTextLeft(true);

    using D = CalculatorDialog;
    static constexpr void (D::*formatChanges[3])() = {&D::OnInFormatChange, &D::OnOutFormatChange, &D::OnDurationFormatChange};
    static constexpr void (D::*displayClicks[3])() = {&D::OnInDisplayClick, &D::OnOutDisplayClick, &D::OnDurationDisplayClick};
    static constexpr void (D::*radios[3])() = {&D::OnInRadio, &D::OnOutRadio, &D::OnDurationRadio};
    static constexpr void (D::*calcs[3])() = {&D::OnCalcIn, &D::OnCalcOut, &D::OnCalcDuration};
    for (RegisterPanel& panel : m_panels) {
        const int i = panel.Index();
        connect(&panel.selector, &QComboBox::activated, this, formatChanges[i]);
        connect(&panel.display, &LcdDisplay::clicked, this, displayClicks[i]);
        // Where the focus is, the digits go: a display that takes the focus (an
        // arrow key, the window coming back) becomes the current register, as
        // a click on it makes it.
        connect(&panel.display, &RegisterDisplay::focusTaken, this, [this, i] {
            if (engine.CurrentRegister() != i) DisplayClick(i);
        });
        connect(&panel.Radio(), &QAbstractButton::clicked, this, radios[i]);
        connect(&panel.CalcBox(), &QAbstractButton::clicked, this, calcs[i]);
    }
    connect(&modeButton, &QPushButton::clicked, this, &CalculatorDialog::OnModeButton);
    connect(&settingsButton, &QPushButton::clicked, this, &CalculatorDialog::OnSettingsButton);
    connect(&aboutButton, &QPushButton::clicked, this, &CalculatorDialog::OnAboutButton);
}

QWidget* CalculatorDialog::GetDlgItem(int id) const
{
    if (id < IDC_KEY_7 || id > IDC_ABOUT) return nullptr;
    return m_items[id - IDC_KEY_7];
}

void CalculatorDialog::OnInitDialog()
{
    // The order matters: displays before anything that refreshes a register,
    // the mode before the formats, all three stored choices read before any is used.
    m_keypad.SetUp();
    settingsButton.SetXButtonStyle(FlatButton::ToolbarStyle, true);
    modeButton.SetXButtonStyle(FlatButton::ToolbarStyle, true);
    aboutButton.SetXButtonStyle(FlatButton::ToolbarStyle, true);

    engine.SetMode(CalculatorMode::kConversion);
    // DURATION is ticked to be computed once Editing mode begins.
    m_panels[kDuration].CalcBox().setChecked(true);
    ShowState();

    homeLink.SetTarget(QString::fromLatin1(kHomePageAddress));

    // The lists, each with its stored choice. A stored frame rate beyond the
    // eleven shows even while the longer list is off; an index outside the
    // table gives the register "Drop Frame", and its list shows so (the
    // stored value stays until the user picks).
    m_showMoreRates = m_profile.Get(Preference::kMoreRates) == 1;
    engine.SetWrapAtMidnight(m_profile.Get(Preference::kWrapAtMidnight) == 1);
    constexpr Preference kStoredFormats[3] = {Preference::kInFormat, Preference::kOutFormat, Preference::kDurationFormat};
    for (RegisterPanel& panel : m_panels) {
        const int stored = m_profile.Get(kStoredFormats[panel.Index()]);
        engine.SetRegisterFormat(panel.Index(), stored);
        panel.selector.ShowFormats(m_showMoreRates, engine.Format(panel.Index()).listIndex);
    }

    m_zoom->Restore();

    // There is no system menu to extend here: the About entry lives in the
    // context menu (WindowCommands::PopulateContextMenu).
    setWindowIcon(windowIcon);
    m_panels[kIn].display.setFocus();
}

void CalculatorDialog::showEvent(QShowEvent* event)
{
    m_keypad.ListenTo(*this);
    // Styles draw the focus only once the keyboard has moved it. Here Tab types
    // "00" and the keyboard is always in use, so the focus is always shown.
    setAttribute(Qt::WA_KeyboardFocusChange);
    QDialog::showEvent(event);
}

void CalculatorDialog::hideEvent(QHideEvent* event)
{
    m_keypad.StopListening();
    QDialog::hideEvent(event);
}

void CalculatorDialog::OnFormatChange(int index)
{
    const int selection = m_panels[index].selector.CurrentFormat();
    // The selector already shows the new choice: the step starts from the old one.
    m_history->Remember(index);
    // In Editing mode the IN list sets the format of all three.
    if (index == kIn && !engine.IsConversionMode()) engine.SetAllFormats(selection);
    else engine.SetRegisterFormat(index, selection);
    constexpr Preference kStoredFormats[3] = {Preference::kInFormat, Preference::kOutFormat, Preference::kDurationFormat};
    m_profile.Set(kStoredFormats[index], selection);
}

void CalculatorDialog::OnSettingsButton()
{
    SettingsDialog dialog(this);
    dialog.bumpUpDropped = engine.Options().bumpUpDropped ? 1 : 0;
    dialog.allowOverflow = engine.Options().allowOverflow ? 1 : 0;
    dialog.showMoreRates = m_showMoreRates ? 1 : 0;
    dialog.wrapAtMidnight = engine.WrapsAtMidnight() ? 1 : 0;
    if (dialog.DoModal() == QDialog::Accepted) {
        engine.SetOptions({dialog.allowOverflow != 0, dialog.bumpUpDropped != 0});
        if ((dialog.wrapAtMidnight != 0) != engine.WrapsAtMidnight()) {
            engine.SetWrapAtMidnight(dialog.wrapAtMidnight != 0);
            m_profile.Set(Preference::kWrapAtMidnight, dialog.wrapAtMidnight);
        }
        if ((dialog.showMoreRates != 0) != m_showMoreRates) {
            m_showMoreRates = dialog.showMoreRates != 0;
            m_profile.Set(Preference::kMoreRates, m_showMoreRates ? 1 : 0);
            // Each list keeps its choice, even one that the shorter list no longer offers.
            for (RegisterPanel& panel : m_panels) panel.selector.ShowFormats(m_showMoreRates, panel.selector.CurrentFormat());
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

void CalculatorDialog::MoveFocus(Qt::Key arrow)
{
    // The Home link takes part, though a click is what gives it the focus elsewhere.
    std::vector<QWidget*> controls;
    std::vector<QRect> places;
    for (QWidget* child : findChildren<QWidget*>()) {
        const bool takesFocus = (child->focusPolicy() & Qt::TabFocus) != 0 || child == &homeLink;
        if (takesFocus && child->isVisibleTo(this) && child->isEnabled() && child->window() == this) {
            controls.push_back(child);
            places.push_back(QRect(child->mapTo(this, QPoint(0, 0)), child->size()));
        }
    }
    const auto at = std::find(controls.begin(), controls.end(), focusWidget());
    const int from = at == controls.end() ? -1 : static_cast<int>(at - controls.begin());
    const int to = FocusTargetOf(places, from, arrow);
    if (to >= 0) controls[static_cast<std::size_t>(to)]->setFocus(Qt::TabFocusReason);
}

void CalculatorDialog::contextMenuEvent(QContextMenuEvent* event)
{
    if (event->reason() != QContextMenuEvent::Mouse) {
        // From the keyboard: the current register's menu, under its display.
        const LcdDisplay& display = m_panels[engine.CurrentRegister()].display;
        m_commands->ShowContextMenu(engine.CurrentRegister(), display.mapToGlobal(QPoint(0, display.height())));
        return;
    }
    int target = -1;
    for (const RegisterPanel& panel : m_panels)
        if (childAt(event->pos()) == &panel.display) target = panel.Index();
    m_commands->ShowContextMenu(target, event->globalPos());
}

void CalculatorDialog::keyPressEvent(QKeyEvent* event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
#ifndef Q_OS_WIN // Windows turns Shift+F10 into a context-menu request itself.
    if (event->key() == Qt::Key_F10 && modifiers == Qt::ShiftModifier) {
        QContextMenuEvent request(QContextMenuEvent::Keyboard, QPoint(), QCursor::pos());
        contextMenuEvent(&request);
        return;
    }
#endif
    QDialog::keyPressEvent(event);
}

} // namespace quillet
