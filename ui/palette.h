#pragma once

#include <QRgb>

// The colours of the window and of the apparatus drawing.
namespace Palette {

inline constexpr QRgb Teal = qRgb(0, 128, 128);
inline constexpr QRgb MoneyGreen = qRgb(192, 220, 192);
inline constexpr QRgb Silver = qRgb(192, 192, 192);
inline constexpr QRgb Blue = qRgb(0, 0, 255);
inline constexpr QRgb Green = qRgb(0, 128, 0);
inline constexpr QRgb Fuchsia = qRgb(255, 0, 255);

// Input boxes: accepting entries, showing a refused entry, and switched off
// together with the fields.
inline constexpr QRgb NormalColor = qRgb(255, 255, 192);
inline constexpr QRgb ErrorColor = qRgb(255, 0, 0);
inline constexpr QRgb OffColor = Silver;

}
