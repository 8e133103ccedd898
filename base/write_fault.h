#pragma once

#include <system_error>

// Why a file could not be written, as far as the system lets one tell.
enum class WriteFault {
    DiskFull,
    NoPermission,
    ReadOnlyFileSystem,
    MissingFolder,
    InputOutput,       // the disk or the medium failed to read or write
    FileInUse,         // another program holds the file open (Windows shares no open file)
    NotARegularFile,   // a folder, a device or a pipe stands at the path
    SymbolicLink,      // a link stands at the path, and links are not followed
    LinkOnTheWay,      // a folder on the way to the path is a link, and links are not followed
    NameTaken,         // a new file was asked for, and the name exists
    Other,
};

// The fault a failed call of the file system names by its error: Other for
// an error that only the system's own words describe.
WriteFault FaultOfError(const std::error_code& error);
