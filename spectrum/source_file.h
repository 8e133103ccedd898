#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// A source text is a few kilobytes; anything much larger is not one, and is
// refused before it is read.
inline constexpr std::uintmax_t MaxSourceFileBytes = 64 * 1024;

struct SourceFile {
    std::vector<std::string> lines;
    std::optional<std::string> error;   // why the file gave no text, in Hungarian
};

// The lines of a source file, in UTF-8 (a file in the Windows Central
// European code page or in UTF-16 is converted, a UTF-8 byte order mark
// dropped). Only a regular file of at most
// MaxSourceFileBytes that can be read is taken: a folder, a device, a pipe
// (which could keep the reader waiting for ever), a missing, forbidden or
// oversized file is refused with the reason.
SourceFile ReadSourceFile(const std::filesystem::path& path);
