#pragma once

#include <string>
#include <system_error>

// Why a file could not be written or read, as far as the system lets one tell.
enum class WriteFault {
    DiskFull,
    NoFreeInodes,      // blocks are free, but the file system has room for no more files
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

// What was being done with the file when it failed.
enum class FileAccess {
    Reading,
    Writing,
};

// The cause in a few Hungarian words, for a message, with the system's own
// words in brackets after it where there are any: "megtelt a lemez (No space
// left on device)"; a fault only the system's words describe is a
// "rendszerhiba".
std::string FaultText(WriteFault fault, FileAccess access, const std::string& systemText);

// The same for a failed call of the file system.
std::string ErrorText(const std::error_code& error, FileAccess access);
