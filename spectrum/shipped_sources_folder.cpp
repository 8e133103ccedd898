#include "spectrum/shipped_sources_folder.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

std::filesystem::path RunningProgram()
{
#ifdef _WIN32
    wchar_t path[MAX_PATH + 1] = {};
    if (GetModuleFileNameW(nullptr, path, MAX_PATH + 1) > MAX_PATH)
        return {};
    return path;
#else
    std::error_code unreadable;
    return std::filesystem::read_symlink("/proc/self/exe", unreadable);
#endif
}

}

std::filesystem::path ShippedSourcesFolder()
{
    return (RunningProgram().parent_path() / VANTOR_SOURCES_FROM_PROGRAM).lexically_normal();
}
