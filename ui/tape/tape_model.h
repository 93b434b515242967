#pragma once
// The tape's lines: the last 1,000 steps, heard from the engine as they
// finish and kept as values, worded by engine/words.h. Kept while the tape is
// hidden, so showing it shows the history; kept across runs by the tape's
// database (store/tape_store.h).

#include "engine/step_listener.h"
#include "engine/step_record.h"

#include <QAbstractListModel>
#include <deque>
#include <vector>

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
    const StepRecord& Line(int row) const { return m_lines[static_cast<std::size_t>(row)]; }
    const std::deque<StepRecord>& Lines() const { return m_lines; }
    // The lines of an earlier run, before any step of this one; with
    // earlierRemoved, older steps of that run did not fit.
    void Load(std::vector<StepRecord> lines, bool earlierRemoved);
    // Empties the tape; UndoClear brings its lines back until the next step.
    void Clear();
    bool CanUndoClear() const { return !m_cleared.empty(); }
    void UndoClear();

signals:
    // Steps finished: the last `count` lines are new.
    void linesAdded(int count);
    // The tape was cleared, or its lines came back.
    void linesReplaced();

private:
    // Moves the pending lines onto the tape, dropping the oldest beyond kMaxLines.
    void Publish();
    // The first line of a tape that lost its oldest steps.

    std::deque<StepRecord> m_lines;
    std::deque<StepRecord> m_pending; // terms of a list whose total has not come yet
    std::deque<StepRecord> m_cleared; // what "Clear tape" took away, until the next step
    long long m_termsNotShown = 0;  // of the list being added up, terms dropped before its total
};

} // namespace quillet
