#include "ui/tape/tape_model.h"

#include "ui/window/colours.h"

#include "engine/words.h"

#include <QColor>
#include <algorithm>
#include <iterator>

namespace quillet {
namespace {

StepRecord EarlierStepsRemoved()
{
    StepRecord marker;
    marker.earlierStepsRemoved = true;
    return marker;
}

} // namespace

int TapeModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_lines.size());
}

QVariant TapeModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const StepRecord& line = Line(index.row());
    switch (role) {
    case Qt::DisplayRole: return QString::fromStdString(TapeLineText(line));
    case Qt::AccessibleTextRole: return QString::fromStdString(SpokenTapeLine(line));
    case Qt::ToolTipRole: {
        const std::string note = StepNote(line);
        return note.empty() ? QVariant() : QVariant(QString::fromStdString(note));
    }
    // Red as the "E" of a display.
    case Qt::ForegroundRole:
        return !line.earlierStepsRemoved && line.step.InError() ? QVariant(ToQColor(ClearKeyColour)) : QVariant();
    default: return {};
    }
}

void TapeModel::StepFinished(const FinishedStep& step)
{
    // A pasted list of thousands of lines would otherwise update the view once
    // a line: its terms are shown together with its total, which the engine
    // reports before the paste returns. Lines without a value are counted
    // there, not listed.
    if (step.kind == StepKind::kListTerm && step.lineProblem == LineProblem::kNoValue) return;
    m_pending.push_back(StepRecord::Of(step));
    if (m_pending.size() > kMaxLines) {
        m_pending.pop_front();
        ++m_termsNotShown;
    }
    if (step.kind == StepKind::kListTotal && m_termsNotShown > 0) {
        // The total counts lines the tape no longer holds: it says so.
        m_pending.back().termsNotKept = m_termsNotShown;
        m_termsNotShown = 0;
    }
    if (step.kind != StepKind::kListTerm) Publish();
}

void TapeModel::Publish()
{
    // Beyond kMaxLines the oldest steps go, and a first line says so.
    if (m_lines.size() + m_pending.size() > kMaxLines) {
        const std::size_t keep = kMaxLines - 1 - std::min<std::size_t>(m_pending.size(), kMaxLines - 1);
        const bool marked = !m_lines.empty() && m_lines.front().earlierStepsRemoved;
        const std::size_t steps = m_lines.size() - (marked ? 1 : 0);
        if (steps > keep || !marked) {
            beginResetModel();
            m_lines.erase(m_lines.begin(), m_lines.end() - static_cast<std::ptrdiff_t>(std::min(steps, keep)));
            m_lines.push_front(EarlierStepsRemoved());
            endResetModel();
        }
        if (m_pending.size() > kMaxLines - 1) m_pending.erase(m_pending.begin(), m_pending.end() - (kMaxLines - 1));
    }
    const int first = static_cast<int>(m_lines.size());
    const int count = static_cast<int>(m_pending.size());
    beginInsertRows({}, first, first + count - 1);
    m_lines.insert(m_lines.end(), std::make_move_iterator(m_pending.begin()), std::make_move_iterator(m_pending.end()));
    m_pending.clear();
    endInsertRows();
    m_cleared.clear();
    emit linesAdded(count);
}

void TapeModel::Load(std::vector<StepRecord> lines, bool earlierRemoved)
{
    beginResetModel();
    m_lines.assign(std::make_move_iterator(lines.begin()), std::make_move_iterator(lines.end()));
    if (earlierRemoved) {
        if (m_lines.size() >= static_cast<std::size_t>(kMaxLines)) m_lines.pop_front();
        m_lines.push_front(EarlierStepsRemoved());
    }
    endResetModel();
}

void TapeModel::Clear()
{
    if (m_lines.empty()) return;
    beginResetModel();
    m_cleared = std::move(m_lines);
    m_lines.clear();
    endResetModel();
    emit linesReplaced();
}

void TapeModel::UndoClear()
{
    if (m_cleared.empty()) return;
    beginResetModel();
    m_lines = std::move(m_cleared);
    m_cleared.clear();
    endResetModel();
    emit linesReplaced();
}

} // namespace quillet
