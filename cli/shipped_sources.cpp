#include "cli/shipped_sources.h"

std::filesystem::path ShippedSourcesFolder()
{
    std::error_code unreadable;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", unreadable);
    return (program.parent_path() / VANTOR_SOURCES_FROM_PROGRAM).lexically_normal();
}
