#include "ui/dialogs/dialog_units.h"

#include <QFontMetrics>
#include <cstdint>

namespace quillet {

int MulDiv(int a, int b, int c)
{
    if (c == 0) return -1;
    const std::int64_t product = static_cast<std::int64_t>(a) * b;
    const std::int64_t half = (c < 0 ? -c : c) / 2;
    const std::int64_t rounded = product >= 0 ? product + half : product - half;
    // Sign of the divisor flips the rounding direction back the right way.
    return static_cast<int>(c > 0 ? rounded / c : -rounded / -c);
}

DialogUnits DialogUnits::FromFont(const QFont& font)
{
    const QFontMetrics metrics(font);
    static const QString alphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    // The classic rule: the extent of the 52 letters over 26, halved with rounding.
    const int baseX = (metrics.horizontalAdvance(alphabet) / 26 + 1) / 2;
    return DialogUnits(baseX, metrics.height());
}

QRect DialogUnits::ToPixels(int x, int y, int w, int h) const
{
    return QRect(ToPixelsX(x), ToPixelsY(y), ToPixelsX(w), ToPixelsY(h));
}

} // namespace quillet
