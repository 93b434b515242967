#pragma once
// Colours are kept as COLORREF integers, 0x00BBGGRR, and turned into QColor
// only where something is drawn.

#include <QColor>
#include <cstdint>

namespace quillet {

constexpr std::uint32_t ActiveColour = 0xFFFFFF;     // current register: white
constexpr std::uint32_t InactiveColour = 0xE0E0E0;   // other registers: light grey
constexpr std::uint32_t CalcTargetColour = 0xE0E0FF; // computed register: pale red
constexpr std::uint32_t ClearKeyColour = 0x0000FF;   // "C" and "CA" text: red

inline QColor ToQColor(std::uint32_t colorref)
{
    return QColor(colorref & 0xFF, (colorref >> 8) & 0xFF, (colorref >> 16) & 0xFF);
}

static_assert((CalcTargetColour & 0xFF) == 0xFF, "pale red has full red in the low byte");

} // namespace quillet
