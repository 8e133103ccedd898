#pragma once

#include <cstdint>

// The colours of the window and of the apparatus drawing, as 0xRRGGBB.
namespace Colours {

inline constexpr std::uint32_t Black = 0x000000;
inline constexpr std::uint32_t White = 0xffffff;
inline constexpr std::uint32_t Teal = 0x008080;
inline constexpr std::uint32_t MoneyGreen = 0xc0dcc0;
inline constexpr std::uint32_t Silver = 0xc0c0c0;
inline constexpr std::uint32_t Blue = 0x0000ff;
inline constexpr std::uint32_t Green = 0x008000;
inline constexpr std::uint32_t Fuchsia = 0xff00ff;
// The input boxes as designed, before the first activation gives them their working colour.
inline constexpr std::uint32_t DesignYellow = 0xffff00;

// Input boxes: accepting entries, showing a refused entry, and switched off
// together with the fields.
inline constexpr std::uint32_t NormalColor = 0xffffc0;
inline constexpr std::uint32_t ErrorColor = 0xff0000;
inline constexpr std::uint32_t OffColor = Silver;

}
