#include "spectrum/source_file.h"

#include "spectrum/source_spectrum.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <memory>
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

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

// text converted by iconv, or nothing when it is not in the given encoding.
std::optional<std::string> Converted(const std::string& text, const char* from)
{
    const iconv_t converter = iconv_open("UTF-8", from);
    if (converter == reinterpret_cast<iconv_t>(-1))
        return std::nullopt;
    // A byte of the code page becomes at most three of UTF-8.
    std::string converted(3 * text.size(), '\0');
    char* in = const_cast<char*>(text.data());
    std::size_t inLeft = text.size();
    char* out = converted.data();
    std::size_t outLeft = converted.size();
    const bool whole = iconv(converter, &in, &inLeft, &out, &outLeft) != static_cast<std::size_t>(-1);
    iconv_close(converter);
    if (!whole)
        return std::nullopt;
    converted.resize(converted.size() - outLeft);
    return converted;
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
        return Converted(text, "UTF-16").value_or(std::move(text));
    if (Converted(text, "UTF-8"))
        return text;
    return Converted(text, "WINDOWS-1250").value_or(std::move(text));
}

}

SourceFile ReadSourceFile(const std::string& path)
{
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (status.type() == fs::file_type::not_found)
        return Refused("nincs ilyen fájl");
    if (error)
        return Refused("a fájl nem érhető el");
    if (fs::is_directory(status))
        return Refused("ez egy mappa, nem fájl");
    if (!fs::is_regular_file(status))
        return Refused("nem közönséges fájl");
    const std::uintmax_t size = fs::file_size(path, error);
    if (!error && size > MaxSourceFileBytes)
        return Refused(TooLarge(size));

    const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file)
        return Refused(errno == EACCES ? "nincs olvasási jog" : "a fájl nem nyitható meg");
    // One byte more than allowed tells a file that grew since it was measured.
    std::string text(MaxSourceFileBytes + 1, '\0');
    text.resize(std::fread(text.data(), 1, text.size(), file.get()));
    if (std::ferror(file.get()))
        return Refused("olvasási hiba");
    if (text.size() > MaxSourceFileBytes)
        return Refused(TooLarge(text.size()));
    return {SplitLines(AsUtf8(std::move(text))), std::nullopt};
}
