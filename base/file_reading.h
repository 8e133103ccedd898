#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <system_error>

// What a read of a file gave: its bytes, or the error that stopped it.
struct FileBytes {
    std::string bytes;
    std::error_code error;   // set when the file could not be opened or read
};

// The first bytes of the file at path, at most limit of them: a caller that
// allows n bytes asks for n + 1 to tell a larger file.
FileBytes ReadFileBytes(const std::filesystem::path& path, std::size_t limit);
