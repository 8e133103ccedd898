#include "base/write_fault.h"

#include <string_view>

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
    // Windows names these causes only by its own numbers: a file held open by
    // another program, a folder whose access list refuses, a full disk and a
    // write-protected stick or card.
    if (error.category() == std::system_category()) {
        switch (error.value()) {
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
            return WriteFault::FileInUse;
        case ERROR_ACCESS_DENIED:
            return WriteFault::NoPermission;
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            return WriteFault::DiskFull;
        case ERROR_WRITE_PROTECT:
            return WriteFault::ReadOnlyFileSystem;
        case ERROR_CRC:
        case ERROR_IO_DEVICE:
            return WriteFault::InputOutput;
        }
    }
#endif
    return WriteFault::Other;
}

namespace {

std::string_view Cause(WriteFault fault, FileAccess access)
{
    const bool reading = access == FileAccess::Reading;
    switch (fault) {
    case WriteFault::DiskFull:
        return "megtelt a lemez";
    case WriteFault::NoFreeInodes:
        return "a lemezen nem hozható létre több fájl";
    case WriteFault::NoPermission:
        return reading ? "nincs olvasási jog" : "nincs írási jog";
    case WriteFault::ReadOnlyFileSystem:
        return "csak olvasható a fájlrendszer";
    case WriteFault::MissingFolder:
        return reading ? "nincs ilyen fájl" : "nincs ilyen mappa";
    case WriteFault::InputOutput:
        return reading ? "a lemez olvasása nem sikerült" : "a lemez olvasása vagy írása nem sikerült";
    case WriteFault::FileInUse:
        return "egy másik program használja a fájlt";
    case WriteFault::NotARegularFile:
        return "a helyén nem közönséges fájl áll";
    case WriteFault::SymbolicLink:
        return "a helyén szimbolikus link áll";
    case WriteFault::LinkOnTheWay:
        return "szimbolikus link áll az útvonalában";
    case WriteFault::NameTaken:
        return "már van ilyen nevű fájl";
    case WriteFault::Other:
        break;
    }
    return "rendszerhiba";
}

}

// The system's own words stay, in brackets, for whoever must look further.
std::string FaultText(WriteFault fault, FileAccess access, const std::string& systemText)
{
    if (systemText.empty())
        return fault == WriteFault::Other ? "ismeretlen rendszerhiba" : std::string(Cause(fault, access));
    return std::string(Cause(fault, access)) + " (" + systemText + ")";
}

std::string ErrorText(const std::error_code& error, FileAccess access)
{
    // Windows' own words for its error numbers are in its code page, not in
    // UTF-8; the portable condition's words are plain English.
    return FaultText(FaultOfError(error), access, error.default_error_condition().message());
}
