#pragma once
// The tape's lines: the last 1,000 steps of this run, heard from the engine
// as they finish. Kept while the tape is hidden, so showing it shows the
// history; nothing is kept across runs.

#include "engine/step_listener.h"
#include "tape_line.h"

#include <QAbstractListModel>
#include <deque>

namespace quillet {

class TapeModel : public QAbstractListModel, public StepListener {
    Q_OBJECT
public:
    static constexpr int kMaxLines = 1000;

    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    // The line's text; for assistive technology the same in words; its note as tooltip.
    QVariant data(const QModelIndex& index, int role) const override;

    // Appends the step's line, dropping the oldest beyond kMaxLines. A list's
    // terms appear with its total.
    void StepFinished(const FinishedStep& step) override;

    // Callers pass 0 <= row < rowCount().
    const TapeLine& Line(int row) const { return m_lines[static_cast<std::size_t>(row)]; }
    void Clear();

private:
    // Moves the pending lines onto the tape, dropping the oldest beyond kMaxLines.
    void Publish();

    std::deque<TapeLine> m_lines;
    std::deque<TapeLine> m_pending; // terms of a list whose total has not come yet
};

} // namespace quillet
