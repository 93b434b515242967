#include "ui/window/focus_moves.h"

#include <algorithm>
#include <cstdlib>
#include <numeric>

namespace quillet {

namespace {

// The controls grouped in rows from the top, each row from the left.
std::vector<std::vector<int>> RowsOf(const std::vector<QRect>& places)
{
    std::vector<int> order(places.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return places[a].center().y() < places[b].center().y(); });
    std::vector<std::vector<int>> rows;
    for (int index : order) {
        const QRect& place = places[index];
        if (!rows.empty()) {
            // Compared with the row's first control, so a row never drifts down.
            const QRect& first = places[rows.back().front()];
            if (std::abs(place.center().y() - first.center().y()) <= std::min(place.height(), first.height()) / 2) {
                rows.back().push_back(index);
                continue;
            }
        }
        rows.push_back({index});
    }
    for (std::vector<int>& row : rows)
        std::stable_sort(row.begin(), row.end(), [&](int a, int b) { return places[a].left() < places[b].left(); });
    return rows;
}

} // namespace

int FocusTargetOf(const std::vector<QRect>& places, int from, Qt::Key arrow)
{
    if (places.empty()) return -1;
    const std::vector<std::vector<int>> rows = RowsOf(places);
    std::vector<int> reading;
    for (const std::vector<int>& row : rows) reading.insert(reading.end(), row.begin(), row.end());
    const int count = static_cast<int>(reading.size());
    const auto at = std::find(reading.begin(), reading.end(), from);
    const int position = at == reading.end() ? -1 : static_cast<int>(at - reading.begin());
    switch (arrow) {
    case Qt::Key_Right: return reading[static_cast<std::size_t>((position + 1) % count)];
    case Qt::Key_Left: return reading[static_cast<std::size_t>(position < 0 ? count - 1 : (position + count - 1) % count)];
    case Qt::Key_Up:
    case Qt::Key_Down: break;
    default: return -1;
    }
    const int rowCount = static_cast<int>(rows.size());
    int row = arrow == Qt::Key_Down ? -1 : rowCount;
    for (int r = 0; r < rowCount && position >= 0; ++r)
        if (std::find(rows[r].begin(), rows[r].end(), from) != rows[r].end()) row = r;
    row = ((row + (arrow == Qt::Key_Down ? 1 : -1)) % rowCount + rowCount) % rowCount;
    // The control of that row nearest to the middle of the one left.
    const int middle = position >= 0 ? places[from].center().x() : 0;
    const std::vector<int>& target = rows[static_cast<std::size_t>(row)];
    return *std::min_element(target.begin(), target.end(), [&](int a, int b) {
        return std::abs(places[a].center().x() - middle) < std::abs(places[b].center().x() - middle);
    });
}

} // namespace quillet
