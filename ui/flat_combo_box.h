#pragma once
// A flat drop-down list of format names. The engine fills it through
// FormatSelector; it stays unsorted, so a row is also a format's list index.
// Each name has a tooltip saying what the format is, and the closed list
// shows the chosen format's. A closed list changes its choice only through
// its open list: arrow, page and Home/End keys pass on to the window (which
// moves the focus with the arrows), and the mouse wheel does nothing, so a
// stored choice never changes by accident. Alt+Down or F4 opens the list.
// A context-menu request goes on to the window, whose menu it is.

#include "engine/format_table.h"

#include <QComboBox>

namespace quillet {

class FlatComboBox : public QComboBox, public FormatSelector {
    Q_OBJECT
public:
    explicit FlatComboBox(QWidget* parent = nullptr);

    void AddString(const char* name) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
};

} // namespace quillet
