#include "spectrum/source_file.h"

#include "base/file_reading.h"
#include "base/write_fault.h"
#include "spectrum/source_spectrum.h"
#include "spectrum/text_encoding.h"

#include <algorithm>
#include <string_view>

namespace {

namespace fs = std::filesystem;

SourceFile Refused(std::string reason)
{
    return {{}, std::move(reason)};
}

std::string TooLarge(std::uintmax_t bytes)
{
    return "túl nagy (" + std::to_string(bytes) + " bájt), egy forrásfájl legfeljebb "
        + std::to_string(MaxSourceFileBytes) + " bájt lehet";
}

// Tables saved on a Hungarian Windows are often in its Central European
// code page (Notepad, Excel's text) or in UTF-16 with a byte order mark
// (Excel's Unicode text): they are read as such, so that the source's name
// shows its accents. A text that is none of these stays as it is.
std::string AsUtf8(std::string text)
{
    const std::string_view start(text.data(), std::min<std::size_t>(text.size(), 3));
    if (start.starts_with("\xEF\xBB\xBF"))
        text.erase(0, 3);
    else if (start.starts_with("\xFF\xFE") || start.starts_with("\xFE\xFF"))
        return Utf8FromUtf16(text).value_or(std::move(text));
    if (IsUtf8(text))
        return text;
    return Utf8FromWindows1250(text).value_or(std::move(text));
}

}

SourceFile ReadSourceFile(const std::filesystem::path& path)
{
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (status.type() == fs::file_type::not_found)
        return Refused("nincs ilyen fájl");
    if (error)
        return Refused(ErrorText(error, FileAccess::Reading));
    if (fs::is_directory(status))
        return Refused("ez egy mappa, nem fájl");
    if (!fs::is_regular_file(status))
        return Refused("nem közönséges fájl");
    const std::uintmax_t size = fs::file_size(path, error);
    if (!error && size > MaxSourceFileBytes)
        return Refused(TooLarge(size));

    // One byte more than allowed tells a file that grew since it was measured.
    FileBytes read = ReadFileBytes(path, MaxSourceFileBytes + 1);
    if (read.error)
        return Refused(ErrorText(read.error, FileAccess::Reading));
    if (read.bytes.size() > MaxSourceFileBytes)
        return Refused(TooLarge(read.bytes.size()));
    return {SplitLines(AsUtf8(std::move(read.bytes))), std::nullopt};
}
