#pragma once

#include <optional>
#include <string>
#include <string_view>

// Conversions of the encodings a source table may come in, all to UTF-8.
// They are written out here rather than asked of the system, so that a file
// reads alike on every system the program runs on.

// True when the bytes are well-formed UTF-8: no overlong form, no surrogate,
// nothing past U+10FFFF, no sequence cut off at the end.
bool IsUtf8(std::string_view bytes);

// The text of Windows' Central European code page (windows-1250) in UTF-8,
// or nothing when it holds one of the five bytes that code page leaves unused.
std::optional<std::string> Utf8FromWindows1250(std::string_view bytes);

// UTF-16 that starts with its byte order mark (FF FE little-endian, FE FF
// big-endian) in UTF-8 without the mark, or nothing when the units do not
// pair up: an odd byte count or a lone surrogate.
std::optional<std::string> Utf8FromUtf16(std::string_view bytes);
