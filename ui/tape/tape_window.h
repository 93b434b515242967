#pragma once
// The tape: a small tool window under the calculator that lists every
// finished step (TapeModel) and follows the calculator when it moves. Its
// keys are its own (the calculator's keyboard map does not see them): Enter
// or a double click gives a line's result back to the calculator, Ctrl+C
// copies the selected lines, Ctrl+A selects all, Ctrl+Z takes back "Clear
// tape", Escape hides the tape.

#include "ui/tape/tape_model.h"

#include <QWidget>

class QLabel;
class QListView;
class QMenu;

namespace quillet {

class TapeWindow : public QWidget {
    Q_OBJECT
public:
    // A tool window of `calculator`, which it stays above.
    TapeWindow(TapeModel& model, QWidget* calculator);

    QListView& List() { return *m_list; }
    // Puts the tape beside `calculatorFrame` without covering it, on the
    // screen: just under it (at least as wide), else right of it, left of
    // it, above it; where none has room for the whole tape, on the side with
    // the most room, made smaller to fit.
    void PlaceBy(const QRect& calculatorFrame);
    // The selected lines' texts in tape order, one a line.
    QString SelectedText() const;
    void CopySelection() const;
    // Asks for a file name and writes the tape as CSV or plain text.
    void SaveTape();
    void FillContextMenu(QMenu& menu);
    // Scales the tape's text as the calculator is zoomed (1.0: as designed).
    void SetZoom(double factor);
    // Lines under the list saying what is not kept on disk, and why; empty hides them.
    void ShowProblem(const QString& problem);

signals:
    // Enter or a double click on line `row`.
    void lineChosen(int row);
    // The user closed the tape (close box or Escape).
    void closedByUser();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TapeModel& m_model;
    QListView* m_list;
    QLabel* m_status;
    QFont m_baseFont;     // the window's font at 100 %
    QFont m_baseListFont; // the lines' font at 100 %
};

} // namespace quillet
