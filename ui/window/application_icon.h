#pragma once
// The calculator's icon, in every size it ships. Its images are decoded only
// when something draws them (the About box, a window manager's taskbar), not
// while the window is being built: decoding all six took a quarter of the
// start-up before the first paint.

#include <QIcon>

namespace quillet {

QIcon ApplicationIcon();

} // namespace quillet
