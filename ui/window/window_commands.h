#pragma once
// The window's commands beyond the calculator keys: each a QAction with its
// shortcut, active while the window is, and listed with that shortcut in the
// context menu and in the "Keyboard shortcuts" box. None takes a key the
// keyboard map uses (keyboard_map.h), so the calculator's keys stay as they are.

#include <QObject>
#include <QString>
#include <array>
#include <functional>
#include <span>

class QAction;
class QMenu;
class QPoint;

namespace quillet {

class CalculatorEngine;
class CalculatorKeypad;
class RegisterPanel;
class WindowHistory;
class WindowZoom;

// What the commands do in the window that owns them, handed over by that
// window: the commands never reach into it.
struct WindowActions {
    std::function<void()> copy;                      // the current register
    std::function<void()> paste;
    std::function<void(int)> copyRegister;           // register 0..2
    std::function<void(int)> pasteIntoRegister;
    std::function<void(int)> selectRegister;         // as a click on its display
    std::function<void()> switchMode;
    std::function<void()> toggleTape;
    std::function<void()> switchToOrFromTape;        // the keyboard into the tape, or back
    std::function<void(const QString&)> say;         // to a screen reader
    std::function<void()> sayCurrentRegister;        // its name and value, to a screen reader
    std::function<void()> openSettings;
    std::function<void()> openHomePage;
    std::function<void()> openAbout;
};

class WindowCommands : public QObject {
    Q_OBJECT
public:
    // Creates the commands on `window` (which owns their actions and is their
    // menus' and boxes' parent); they show `engine`'s state and run `actions`
    // and the parts given.
    WindowCommands(QWidget& window, const CalculatorEngine& engine, WindowActions actions,
                   std::array<RegisterPanel, 3>& panels, CalculatorKeypad& keypad, WindowHistory& history,
                   WindowZoom& zoom);

    // The commands (Ctrl+1, Ctrl+M, F1, ...), in menu order.
    std::span<QAction* const> All() const { return m_commands; }
    QAction& TapeCommand() const;
    // Disables what the mode rules out: CALC choices in Conversion mode.
    // Selecting the computed register in Editing mode stays enabled, so its
    // shortcut can say why it is refused.
    void Enable();
    // Fills the context menu, each entry with its shortcut: copy, paste and the
    // format list of register `target` (0..2; -1: the current register), the
    // window's other commands, and last, after a separator, "&About Quillet...".
    void PopulateContextMenu(QMenu& menu, int target = -1);
    void ShowContextMenu(int target, const QPoint& globalPos);
    // Opens the format list that sets register `index`'s format (in Editing
    // mode the IN list, which sets all three) and gives it the focus.
    void OpenFormatList(int index);
    // Editing mode: ticks register `index`'s CALC box as a click does.
    void ComputeRegister(int index);
    void OnKeyboardShortcuts();
    // Has a screen reader say the three registers' values, once.
    void ReadRegisters();

private:
    QWidget& m_window;
    const CalculatorEngine& m_engine;
    WindowActions m_actions;
    std::array<RegisterPanel, 3>& m_panels;
    CalculatorKeypad& m_keypad;
    WindowHistory& m_history;
    WindowZoom& m_zoom;
    std::array<QAction*, 27> m_commands = {}; // owned by the window
};

} // namespace quillet
