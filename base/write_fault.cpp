#include "base/write_fault.h"

#ifdef _WIN32
#include <windows.h>
#endif

WriteFault FaultOfError(const std::error_code& error)
{
    if (error == std::errc::no_space_on_device)
        return WriteFault::DiskFull;
#ifdef EDQUOT
    if (error == std::error_condition(EDQUOT, std::generic_category()))
        return WriteFault::DiskFull;
#endif
    if (error == std::errc::read_only_file_system)
        return WriteFault::ReadOnlyFileSystem;
    if (error == std::errc::permission_denied || error == std::errc::operation_not_permitted)
        return WriteFault::NoPermission;
    if (error == std::errc::no_such_file_or_directory || error == std::errc::not_a_directory)
        return WriteFault::MissingFolder;
    if (error == std::errc::io_error)
        return WriteFault::InputOutput;
    if (error == std::errc::text_file_busy || error == std::errc::device_or_resource_busy)
        return WriteFault::FileInUse;
#ifdef _WIN32
    // Windows names a file held open by another program only by its own numbers.
    if (error.category() == std::system_category()
        && (error.value() == ERROR_SHARING_VIOLATION || error.value() == ERROR_LOCK_VIOLATION))
        return WriteFault::FileInUse;
#endif
    return WriteFault::Other;
}
