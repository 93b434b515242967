#pragma once
// Colours are kept as COLORREF integers, 0x00BBGGRR, and turned into QColor
// only where something is drawn.

#include <QColor>
#include <cstdint>

namespace quillet {

inline QColor ToQColor(std::uint32_t colorref)
{
    return QColor(static_cast<int>(colorref & 0xFF), static_cast<int>((colorref >> 8) & 0xFF),
                  static_cast<int>((colorref >> 16) & 0xFF));
}

} // namespace quillet
