#include "cli/common/utf8_text.h"

#include <QString>

#ifdef _WIN32
#include <windows.h>
#include <shellapi.h>
#endif

std::vector<std::string> Utf8Arguments(int argc, char* argv[])
{
#ifdef _WIN32
    // main() gets the arguments in the ANSI code page, where a name such as
    // Tanuló or Kőszegi may not fit; the wide command line has them whole.
    static_cast<void>(argv);
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    for (int i = 1; i < count && wide; ++i)
        arguments.push_back(QString::fromWCharArray(wide[i]).toStdString());
    LocalFree(wide);
    static_cast<void>(argc);
    return arguments;
#else
    return {argv + 1, argv + argc};
#endif
}

std::filesystem::path PathFromUtf8(const std::string& text)
{
    return std::u8string(text.begin(), text.end());
}

std::string Utf8FromPath(const std::filesystem::path& path)
{
    const std::u8string text = path.u8string();
    return {text.begin(), text.end()};
}
