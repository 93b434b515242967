#include "tape_model.h"

#include "colours.h"

#include <QColor>

namespace quillet {

int TapeModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_lines.size());
}

QVariant TapeModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const TapeLine& line = Line(index.row());
    switch (role) {
    case Qt::DisplayRole: return LineText(line);
    case Qt::AccessibleTextRole: return SpokenText(line);
    case Qt::ToolTipRole: return line.note.isEmpty() ? QVariant() : QVariant(line.note);
    // Red as the "E" of a display.
    case Qt::ForegroundRole: return line.inError ? QVariant(ToQColor(ClearKeyColour)) : QVariant();
    default: return {};
    }
}

void TapeModel::StepFinished(const FinishedStep& step)
{
    if (m_lines.size() >= kMaxLines) {
        beginRemoveRows({}, 0, 0);
        m_lines.pop_front();
        endRemoveRows();
    }
    const int row = static_cast<int>(m_lines.size());
    beginInsertRows({}, row, row);
    m_lines.push_back(TapeLineFrom(step));
    endInsertRows();
}

void TapeModel::Clear()
{
    beginResetModel();
    m_lines.clear();
    endResetModel();
}

} // namespace quillet
