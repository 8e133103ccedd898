#include "spectrum/source_file.h"

#include "spectrum/source_spectrum.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <memory>

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
    return {SplitLines(text), std::nullopt};
}
