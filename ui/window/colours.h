#pragma once
// The window's colours, as COLORREF integers (0x00BBGGRR); ToQColor turns
// them into QColor where something is drawn.

#include "controls/colorref.h"

#include <cstdint>

namespace quillet {

constexpr std::uint32_t ActiveColour = 0xFFFFFF;     // current register: white
constexpr std::uint32_t InactiveColour = 0xE0E0E0;   // other registers: light grey
constexpr std::uint32_t CalcTargetColour = 0xE0E0FF; // computed register: pale red
constexpr std::uint32_t ClearKeyColour = 0x0000FF;   // "C" and "CA" text: red

static_assert((CalcTargetColour & 0xFF) == 0xFF, "pale red has full red in the low byte");

} // namespace quillet
