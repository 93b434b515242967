#include "ui/window/window_commands.h"

#include "engine/calculator_engine.h"
#include "resources/about_template.h"
#include "ui/accessibility/spoken_words.h"
#include "ui/dialogs/shortcuts_dialog.h"
#include "ui/keyboard/keyboard_map.h"
#include "ui/window/calculator_keypad.h"
#include "ui/window/register_panel.h"
#include "ui/window/window_history.h"
#include "ui/zoom/window_zoom.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QCursor>
#include <QKeyEvent>
#include <QMenu>

namespace quillet {

namespace {

// Positions in m_commands, which follows the table below.
enum CommandIndex {
    kUndo, kRedo, kCopy, kPaste, kCurrentFormats, kSelectIn, kSelectOut, kSelectDuration, kInFormats, kOutFormats,
    kDurationFormats, kComputeIn, kComputeOut, kComputeDuration, kClearAll, kSwitchMode, kTape, kSettings,
    kGoToTape, kZoomIn, kZoomOut, kZoomReset, kReadRegisters, kShortcuts, kHomePage, kQuit, kAbout, kCommandCount
};

} // namespace

WindowCommands::WindowCommands(QWidget& window, const CalculatorEngine& engine, WindowActions actions,
                               std::array<RegisterPanel, 3>& panels, CalculatorKeypad& keypad, WindowHistory& history,
                               WindowZoom& zoom)
    : m_window(window), m_engine(engine), m_actions(std::move(actions)), m_panels(panels), m_keypad(keypad),
      m_history(history), m_zoom(zoom)
{
    struct Command {
        CommandIndex index;
        const char* text;
        QKeySequence::StandardKey standardKeys;
        QKeyCombination key; // Qt::Key_unknown: only the standard keys, or none
        void (*run)(WindowCommands&);
    };
    using D = WindowCommands;
    constexpr auto none = QKeySequence::UnknownKey;
    constexpr QKeyCombination noKey(Qt::Key_unknown);
    static const Command commands[] = {
        {kUndo, "&Undo", QKeySequence::Undo, noKey, [](D& d) {
             if (d.m_history.Undo()) d.m_actions.sayCurrentRegister();
             else QApplication::beep();
         }},
        {kRedo, "&Redo", none, Qt::CTRL | Qt::SHIFT | Qt::Key_Z, [](D& d) {
             if (d.m_history.Redo()) d.m_actions.sayCurrentRegister();
             else QApplication::beep();
         }},
        {kCopy, "&Copy", QKeySequence::Copy, noKey, [](D& d) { d.m_actions.copy(); }},
        {kPaste, "&Paste", QKeySequence::Paste, noKey, [](D& d) { d.m_actions.paste(); }},
        // Whatever has the focus: the list of the register the keys go to.
        {kCurrentFormats, "&Format list of the current register", none, Qt::ALT | Qt::Key_Down,
         [](D& d) { d.OpenFormatList(d.m_engine.CurrentRegister()); }},
        {kSelectIn, "Select &IN", none, Qt::CTRL | Qt::Key_1, [](D& d) { d.m_actions.selectRegister(kIn); }},
        {kSelectOut, "Select &OUT", none, Qt::CTRL | Qt::Key_2, [](D& d) { d.m_actions.selectRegister(kOut); }},
        {kSelectDuration, "Select &DURATION", none, Qt::CTRL | Qt::Key_3, [](D& d) { d.m_actions.selectRegister(kDuration); }},
        {kInFormats, "IN &format list", none, Qt::CTRL | Qt::SHIFT | Qt::Key_1, [](D& d) { d.OpenFormatList(kIn); }},
        {kOutFormats, "OUT &format list", none, Qt::CTRL | Qt::SHIFT | Qt::Key_2, [](D& d) { d.OpenFormatList(kOut); }},
        {kDurationFormats, "DURATION &format list", none, Qt::CTRL | Qt::SHIFT | Qt::Key_3,
         [](D& d) { d.OpenFormatList(kDuration); }},
        {kComputeIn, "Compute IN", none, Qt::ALT | Qt::Key_1, [](D& d) { d.ComputeRegister(kIn); }},
        {kComputeOut, "Compute OUT", none, Qt::ALT | Qt::Key_2, [](D& d) { d.ComputeRegister(kOut); }},
        {kComputeDuration, "Compute DURATION", none, Qt::ALT | Qt::Key_3, [](D& d) { d.ComputeRegister(kDuration); }},
        {kClearAll, "C&lear all registers", none, Qt::CTRL | Qt::SHIFT | Qt::Key_A, [](D& d) { d.m_keypad.OnKeyClearAll(); }},
        {kSwitchMode, "Switch &mode", none, Qt::CTRL | Qt::Key_M, [](D& d) { d.m_actions.switchMode(); }},
        {kTape, "Show &tape", none, Qt::CTRL | Qt::Key_T, [](D& d) { d.m_actions.toggleTape(); }},
        {kGoToTape, "&Go to the tape and back", none, QKeyCombination(Qt::Key_F6), [](D& d) { d.m_actions.switchToOrFromTape(); }},
        {kSettings, "&Settings...", none, Qt::CTRL | Qt::Key_Comma, [](D& d) { d.m_actions.openSettings(); }},
        {kZoomIn, "Zoom &in", QKeySequence::ZoomIn, noKey, [](D& d) { d.m_zoom.Step(1); }},
        {kZoomOut, "Zoom &out", QKeySequence::ZoomOut, noKey, [](D& d) { d.m_zoom.Step(-1); }},
        {kZoomReset, "&Actual size", none, Qt::CTRL | Qt::Key_0, [](D& d) { d.m_zoom.Step(0); }},
        {kReadRegisters, "&Read registers", none, Qt::CTRL | Qt::Key_R, [](D& d) { d.ReadRegisters(); }},
        {kShortcuts, "&Keyboard shortcuts...", none, noKey, [](D& d) { d.OnKeyboardShortcuts(); }},
        {kHomePage, "Open the &home page", none, noKey, [](D& d) { d.m_actions.openHomePage(); }},
        {kQuit, "&Quit", none, Qt::CTRL | Qt::Key_Q, [](D& d) { d.m_window.close(); }},
        {kAbout, kAboutMenuText, none, QKeyCombination(Qt::Key_F1), [](D& d) { d.m_actions.openAbout(); }},
    };
    static_assert(std::size(commands) == kCommandCount && kCommandCount == std::tuple_size_v<decltype(m_commands)>);
    for (const Command& command : commands) {
        auto* action = new QAction(QString::fromLatin1(command.text), &m_window);
        if (command.standardKeys != none) action->setShortcuts(command.standardKeys);
        if (command.key.key() != Qt::Key_unknown) action->setShortcut(QKeySequence(command.key));
        // A held key opens a box or switches the mode once, not over and over.
        action->setAutoRepeat(false);
        connect(action, &QAction::triggered, this, [this, run = command.run] { run(*this); });
        m_window.addAction(action);
        m_commands[command.index] = action;
    }
    m_commands[kAbout]->setData(IDM_ABOUTBOX);
    m_commands[kRedo]->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    m_commands[kCurrentFormats]->setShortcuts({QKeySequence(Qt::ALT | Qt::Key_Down), QKeySequence(Qt::Key_F4)});
    // Ctrl+= too: on most keyboards + needs Shift.
    m_commands[kZoomIn]->setShortcuts({QKeySequence(QKeySequence::ZoomIn), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
}

QAction& WindowCommands::TapeCommand() const { return *m_commands[kTape]; }

void WindowCommands::Enable()
{
    const CalculatorEngine& engine = m_engine;
    const bool editing = !engine.IsConversionMode();
    for (int i = 0; i < 3; ++i) m_commands[kComputeIn + i]->setEnabled(editing);
}

void WindowCommands::PopulateContextMenu(QMenu& menu, int target)
{
    if (target >= 0 && target < 3) {
        // Copy and paste act on the display the menu was opened on; their keys
        // act on the current register, so the keys are shown only where that is this one.
        const bool current = target == m_engine.CurrentRegister();
        const QString name = QString::fromLatin1(kRegisterNames[target]);
        const QString copyKeys = current ? QLatin1Char('\t') + m_commands[kCopy]->shortcut().toString(QKeySequence::NativeText) : QString();
        const QString pasteKeys = current ? QLatin1Char('\t') + m_commands[kPaste]->shortcut().toString(QKeySequence::NativeText) : QString();
        menu.addAction(QStringLiteral("&Copy %1").arg(name) + copyKeys, this, [this, target] { m_actions.copyRegister(target); });
        QAction* paste = menu.addAction(QStringLiteral("&Paste into %1").arg(name) + pasteKeys, this,
                                        [this, target] { m_actions.pasteIntoRegister(target); });
        // The computed register is not typed into, so nothing is pasted there.
        paste->setEnabled(m_engine.IsConversionMode() || m_engine.CalcTarget() != target);
        menu.addAction(m_commands[kInFormats + target]);
    } else {
        menu.addActions({m_commands[kUndo], m_commands[kRedo], m_commands[kCopy], m_commands[kPaste], m_commands[kCurrentFormats]});
    }
    menu.addSeparator();
    menu.addActions({m_commands[kSelectIn], m_commands[kSelectOut], m_commands[kSelectDuration]});
    if (!m_engine.IsConversionMode()) menu.addActions({m_commands[kComputeIn], m_commands[kComputeOut], m_commands[kComputeDuration]});
    menu.addSeparator();
    for (int i : {kClearAll, kSwitchMode, kTape, kGoToTape, kSettings, kZoomIn, kZoomOut, kZoomReset, kReadRegisters, kShortcuts,
                  kHomePage, kQuit})
        menu.addAction(m_commands[i]);
    menu.addSeparator();
    menu.addAction(m_commands[kAbout]);
}

void WindowCommands::ShowContextMenu(int target, const QPoint& globalPos)
{
    QMenu menu(&m_window);
    PopulateContextMenu(menu, target);
    menu.exec(globalPos);
}

void WindowCommands::OpenFormatList(int index)
{
    if (index < 0 || index > 2) return;
    // In Editing mode the IN list sets all three formats; the others are hidden.
    FlatComboBox& list = m_panels[m_engine.IsConversionMode() ? index : kIn].selector;
    list.setFocus(Qt::ShortcutFocusReason);
    list.showPopup();
}

void WindowCommands::ComputeRegister(int index)
{
    if (m_engine.IsConversionMode() || index < 0 || index > 2) return;
    m_panels[index].CalcBox().click();
}

void WindowCommands::ReadRegisters()
{
    const auto words = [this](int index) { return RegisterWords(index, m_panels[index].display.ValueReadOut()); };
    m_actions.say(AllRegistersWords(words(kIn), words(kOut), words(kDuration)));
}

void WindowCommands::OnKeyboardShortcuts()
{
    std::vector<ShortcutsDialog::Row> rows;
    for (const KeyboardMap::KeyMeaning& key : KeyboardMap::Meanings()) {
        rows.push_back({QString::fromLatin1(key.keys), QString::fromLatin1(key.meaning)});
    }
    rows.push_back({QStringLiteral("Arrow keys"), QStringLiteral("Move the focus: Left and Right along the rows, Up and Down between them")});
    rows.push_back({QStringLiteral("Menu or Shift+F10"), QStringLiteral("Open the menu of the current register")});
    for (const QAction* command : m_commands) {
        if (command->shortcut().isEmpty()) continue;
        QString meaning = command->text().remove(QLatin1Char('&'));
        if (meaning.endsWith(QLatin1String("..."))) meaning.chop(3);
        rows.push_back({command->shortcut().toString(QKeySequence::NativeText), meaning});
    }
    const auto onTape = [](QKeySequence::StandardKey key) {
        return QKeySequence(key).toString(QKeySequence::NativeText) + QStringLiteral(" on the tape");
    };
    rows.push_back({QStringLiteral("Enter or double-click on the tape"), QStringLiteral("Put the line's result into the current register")});
    rows.push_back({onTape(QKeySequence::Copy), QStringLiteral("Copy the selected lines")});
    rows.push_back({onTape(QKeySequence::SelectAll), QStringLiteral("Select all lines")});
    rows.push_back({QStringLiteral("Escape on the tape"), QStringLiteral("Hide the tape")});
    ShortcutsDialog dialog(rows, &m_window);
    dialog.exec();
}

} // namespace quillet
