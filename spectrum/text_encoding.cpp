#include "spectrum/text_encoding.h"

#include <array>
#include <cstdint>

namespace {

constexpr char32_t HighSurrogates = 0xD800;
constexpr char32_t LowSurrogates = 0xDC00;
constexpr char32_t LastSurrogate = 0xDFFF;
constexpr char32_t LastCodePoint = 0x10FFFF;

// The code points of bytes 0x80 to 0xFF in windows-1250; 0 where the code
// page assigns none.
constexpr std::array<char16_t, 128> Windows1250Upper = {
    0x20AC, 0x0000, 0x201A, 0x0000, 0x201E, 0x2026, 0x2020, 0x2021,
    0x0000, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,
    0x0000, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0000, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7,
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7,
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};

void AppendUtf8(std::string& text, char32_t point)
{
    const auto byte = [](char32_t bits) { return static_cast<char>(bits); };
    if (point < 0x80) {
        text += byte(point);
    } else if (point < 0x800) {
        text += byte(0xC0 | point >> 6);
        text += byte(0x80 | (point & 0x3F));
    } else if (point < 0x10000) {
        text += byte(0xE0 | point >> 12);
        text += byte(0x80 | (point >> 6 & 0x3F));
        text += byte(0x80 | (point & 0x3F));
    } else {
        text += byte(0xF0 | point >> 18);
        text += byte(0x80 | (point >> 12 & 0x3F));
        text += byte(0x80 | (point >> 6 & 0x3F));
        text += byte(0x80 | (point & 0x3F));
    }
}

bool IsSurrogate(char32_t point)
{
    return point >= HighSurrogates && point <= LastSurrogate;
}

}

bool IsUtf8(std::string_view bytes)
{
    for (std::size_t i = 0; i < bytes.size();) {
        const auto lead = static_cast<std::uint8_t>(bytes[i]);
        // The length a lead byte announces, and the smallest code point that
        // needs that length.
        std::size_t length = 0;
        char32_t point = 0;
        char32_t smallest = 0;
        if (lead < 0x80) {
            ++i;
            continue;
        } else if ((lead & 0xE0) == 0xC0) {
            length = 2, point = lead & 0x1F, smallest = 0x80;
        } else if ((lead & 0xF0) == 0xE0) {
            length = 3, point = lead & 0x0F, smallest = 0x800;
        } else if ((lead & 0xF8) == 0xF0) {
            length = 4, point = lead & 0x07, smallest = 0x10000;
        } else {
            return false;
        }
        if (bytes.size() - i < length)
            return false;
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<std::uint8_t>(bytes[i + k]);
            if ((next & 0xC0) != 0x80)
                return false;
            point = point << 6 | (next & 0x3F);
        }
        if (point < smallest || point > LastCodePoint || IsSurrogate(point))
            return false;
        i += length;
    }
    return true;
}

std::optional<std::string> Utf8FromWindows1250(std::string_view bytes)
{
    std::string text;
    text.reserve(bytes.size());
    for (const char c : bytes) {
        const auto byte = static_cast<std::uint8_t>(c);
        if (byte < 0x80) {
            text += c;
            continue;
        }
        const char16_t point = Windows1250Upper[byte - 0x80];
        if (point == 0)
            return std::nullopt;
        AppendUtf8(text, point);
    }
    return text;
}

std::optional<std::string> Utf8FromUtf16(std::string_view bytes)
{
    if (bytes.size() % 2 != 0 || bytes.size() < 2)
        return std::nullopt;
    const bool bigEndian = bytes.starts_with("\xFE\xFF");
    if (!bigEndian && !bytes.starts_with("\xFF\xFE"))
        return std::nullopt;
    const auto unitAt = [&](std::size_t i) {
        const auto first = static_cast<std::uint8_t>(bytes[i]);
        const auto second = static_cast<std::uint8_t>(bytes[i + 1]);
        return static_cast<char32_t>(bigEndian ? first << 8 | second : second << 8 | first);
    };
    std::string text;
    text.reserve(bytes.size());
    for (std::size_t i = 2; i < bytes.size(); i += 2) {
        char32_t point = unitAt(i);
        if (point >= HighSurrogates && point < LowSurrogates) {
            if (i + 2 >= bytes.size())
                return std::nullopt;
            const char32_t low = unitAt(i + 2);
            if (low < LowSurrogates || low > LastSurrogate)
                return std::nullopt;
            point = 0x10000 + ((point - HighSurrogates) << 10) + (low - LowSurrogates);
            i += 2;
        } else if (IsSurrogate(point)) {
            return std::nullopt;
        }
        AppendUtf8(text, point);
    }
    return text;
}
