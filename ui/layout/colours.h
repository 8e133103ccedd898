#pragma once

#include <cstdint>
#include <optional>

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

// A track piece's colour as the flight gives it, 0x00BBGGRR with red in the
// low byte (core/particle.h), as 0xRRGGBB; nothing for white, which is no
// track: the apparatus shows through it, and the top byte is ignored.
constexpr std::optional<std::uint32_t> TrackColour(std::uint32_t bgr)
{
    const std::uint32_t rgb = ((bgr & 0xff) << 16) | (bgr & 0xff00) | ((bgr >> 16) & 0xff);
    if (rgb == White)
        return std::nullopt;
    return rgb;
}

// An opaque pixel of a picture whose bytes are R, G, B, A, as a browser's
// canvas holds them, read as one number on a little-endian machine: 0xAABBGGRR.
constexpr std::uint32_t RgbaPixel(std::uint32_t rgb)
{
    return 0xff000000 | ((rgb & 0xff) << 16) | (rgb & 0xff00) | ((rgb >> 16) & 0xff);
}

}
