#pragma once

#include "ui/layout/colours.h"

#include <QRgb>

// The colours of the window and of the apparatus drawing, as Qt takes them.
namespace Palette {

constexpr QRgb Opaque(std::uint32_t rgb)
{
    return 0xff000000u | rgb;
}

inline constexpr QRgb Teal = Opaque(Colours::Teal);
inline constexpr QRgb Silver = Opaque(Colours::Silver);
inline constexpr QRgb Blue = Opaque(Colours::Blue);

inline constexpr QRgb NormalColor = Opaque(Colours::NormalColor);
inline constexpr QRgb ErrorColor = Opaque(Colours::ErrorColor);
inline constexpr QRgb OffColor = Opaque(Colours::OffColor);

}
