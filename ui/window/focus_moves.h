#pragma once
// Where an arrow key takes the focus, from the places the controls stand on
// the screen: Left and Right go to the previous and next control in reading
// order (row by row, left to right, wrapping around), Up and Down to the row
// above or below (wrapping around), to its control nearest in the horizontal.
// Controls whose middles lie within half the lower one's height share a row.

#include <QRect>
#include <Qt>
#include <vector>

namespace quillet {

// The index in `places` of the control `arrow` leads to from `places[from]`;
// `from` -1 (the focus on none of them) starts at the first or the last.
// -1 when `places` is empty or the key is no arrow.
int FocusTargetOf(const std::vector<QRect>& places, int from, Qt::Key arrow);

} // namespace quillet
