#include "base/write_fault.h"

WriteFault FaultOfError(const std::error_code& error)
{
    if (error == std::errc::no_space_on_device)
        return WriteFault::DiskFull;
    if (error == std::errc::read_only_file_system)
        return WriteFault::ReadOnlyFileSystem;
    if (error == std::errc::permission_denied || error == std::errc::operation_not_permitted)
        return WriteFault::NoPermission;
    return WriteFault::Other;
}
