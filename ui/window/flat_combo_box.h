#pragma once
// A flat drop-down list of format names. The engine fills it through
// FormatSelector, in list order; each row also carries its format's list
// position, since a list that offers only the eleven base formats may still
// have to show a register's format from beyond them.
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

    // Lists the eleven base formats, the eight more rates with moreRates, and
    // format `keep` after them when it is not listed yet; then chooses `keep`
    // (no choice for -1 or any position not in the table).
    void ShowFormats(bool moreRates, int keep);
    // The list position of the chosen format, -1 when none is chosen.
    int CurrentFormat() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
};

} // namespace quillet
