#pragma once
// Dialog units to pixels, from a font's base units: a horizontal unit is a
// quarter of the average character width, a vertical unit an eighth of the
// line height. The whole layout therefore grows and shrinks with the font.

#include <QFont>
#include <QRect>

namespace quillet {

// a * b / c in 64 bits, rounded half away from zero (the Windows MulDiv rule).
int MulDiv(int a, int b, int c);

class DialogUnits {
public:
    // baseX: average width of A-Z and a-z, rounded; baseY: the font's line height.
    static DialogUnits FromFont(const QFont& font);
    DialogUnits(int baseX, int baseY) : m_baseX(baseX), m_baseY(baseY) {}

    int ToPixelsX(int dlu) const { return MulDiv(dlu, m_baseX, 4); }
    int ToPixelsY(int dlu) const { return MulDiv(dlu, m_baseY, 8); }
    QRect ToPixels(int x, int y, int w, int h) const;
    int BaseX() const { return m_baseX; }
    int BaseY() const { return m_baseY; }

private:
    int m_baseX;
    int m_baseY;
};

} // namespace quillet
