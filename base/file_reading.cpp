#include "base/file_reading.h"

#include <algorithm>
#include <cerrno>
#include <fstream>

namespace {

// The streams keep no error of their own; the system's error number tells
// why, and a failure that left none is the medium's.
std::error_code LastError()
{
    return {errno != 0 ? errno : EIO, std::generic_category()};
}

}

FileBytes ReadFileBytes(const std::filesystem::path& path, std::size_t limit)
{
    errno = 0;
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return {{}, LastError()};
    // Read in parts, so that a large limit reserves nothing the file does not fill.
    constexpr std::size_t Part = 64 * 1024;
    std::string bytes;
    while (bytes.size() < limit && file) {
        const std::size_t start = bytes.size();
        bytes.resize(start + std::min(Part, limit - start));
        file.read(bytes.data() + start, static_cast<std::streamsize>(bytes.size() - start));
        bytes.resize(start + static_cast<std::size_t>(file.gcount()));
    }
    if (file.bad())
        return {{}, LastError()};
    return {std::move(bytes), {}};
}
