#include "ui/zoom/zoomed_indicator_style.h"

#include <cmath>

namespace quillet {

ZoomedIndicatorStyle::ZoomedIndicatorStyle(QObject* owner)
{
    // Deleted with its owner, after the controls made before it that use it.
    setParent(owner);
}

int ZoomedIndicatorStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const
{
    const int base = QProxyStyle::pixelMetric(metric, option, widget);
    switch (metric) {
    case PM_ExclusiveIndicatorWidth:
    case PM_ExclusiveIndicatorHeight:
    case PM_IndicatorWidth:
    case PM_IndicatorHeight: return static_cast<int>(std::lround(base * m_zoom));
    default: return base;
    }
}

} // namespace quillet
