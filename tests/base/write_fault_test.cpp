#include "base/write_fault.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace {

// A rename fails with the system's error; the user must read the cause, not
// the system's words, wherever one is named.
TEST(WriteFault, ErrorsOfTheFileSystemNameTheirCause)
{
    const struct {
        std::error_code error;
        WriteFault fault;
    } cases[] = {
        {std::make_error_code(std::errc::no_space_on_device), WriteFault::DiskFull},
        {std::make_error_code(std::errc::read_only_file_system), WriteFault::ReadOnlyFileSystem},
        {std::make_error_code(std::errc::permission_denied), WriteFault::NoPermission},
        {std::make_error_code(std::errc::operation_not_permitted), WriteFault::NoPermission},
        {std::make_error_code(std::errc::no_such_file_or_directory), WriteFault::MissingFolder},
        {std::make_error_code(std::errc::not_a_directory), WriteFault::MissingFolder},
        {std::make_error_code(std::errc::io_error), WriteFault::InputOutput},
        {std::make_error_code(std::errc::text_file_busy), WriteFault::FileInUse},
        {std::make_error_code(std::errc::device_or_resource_busy), WriteFault::FileInUse},
        {std::make_error_code(std::errc::file_exists), WriteFault::Other},
        {std::error_code(), WriteFault::Other},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FaultOfError(c.error), c.fault) << c.error.message();
}

#ifndef _WIN32
// What std::filesystem reports on Linux: the error number in the system's category.
TEST(WriteFault, TheSystemsOwnErrorNumbersNameTheSameCause)
{
    EXPECT_EQ(FaultOfError(std::error_code(ENOSPC, std::system_category())), WriteFault::DiskFull);
    EXPECT_EQ(FaultOfError(std::error_code(EROFS, std::system_category())), WriteFault::ReadOnlyFileSystem);
    EXPECT_EQ(FaultOfError(std::error_code(EACCES, std::system_category())), WriteFault::NoPermission);
    EXPECT_EQ(FaultOfError(std::error_code(ENOENT, std::system_category())), WriteFault::MissingFolder);
    EXPECT_EQ(FaultOfError(std::error_code(EIO, std::system_category())), WriteFault::InputOutput);
}
#else
// What Windows reports by its own numbers, which its C++ library does not
// translate: a file held open by another program (32, 33), a refusing access
// list (5), a full disk (112, 39), a write-protected medium (19), a failing
// disk (23, 1117).
TEST(WriteFault, WindowsOwnErrorNumbersNameTheirCause)
{
    const struct {
        int error;
        WriteFault fault;
    } cases[] = {
        {32, WriteFault::FileInUse},    {33, WriteFault::FileInUse},   {5, WriteFault::NoPermission},
        {112, WriteFault::DiskFull},    {39, WriteFault::DiskFull},    {19, WriteFault::ReadOnlyFileSystem},
        {23, WriteFault::InputOutput},  {1117, WriteFault::InputOutput},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FaultOfError(std::error_code(c.error, std::system_category())), c.fault) << c.error;
}
#endif

}

namespace {

// One table of causes for reading and writing; the system's words follow in
// brackets, and stand alone only where no cause is known.
TEST(WriteFault, EachCauseIsNamedInHungarian)
{
    const struct {
        WriteFault fault;
        FileAccess access;
        std::string systemText;
        std::string text;
    } cases[] = {
        {WriteFault::DiskFull, FileAccess::Writing, "No space left on device", "megtelt a lemez (No space left on device)"},
        {WriteFault::NoFreeInodes, FileAccess::Writing, "", "a lemezen nem hozható létre több fájl"},
        {WriteFault::NoPermission, FileAccess::Writing, "", "nincs írási jog"},
        {WriteFault::NoPermission, FileAccess::Reading, "Permission denied", "nincs olvasási jog (Permission denied)"},
        {WriteFault::MissingFolder, FileAccess::Writing, "", "nincs ilyen mappa"},
        {WriteFault::MissingFolder, FileAccess::Reading, "", "nincs ilyen fájl"},
        {WriteFault::InputOutput, FileAccess::Reading, "", "a lemez olvasása nem sikerült"},
        {WriteFault::InputOutput, FileAccess::Writing, "", "a lemez olvasása vagy írása nem sikerült"},
        {WriteFault::ReadOnlyFileSystem, FileAccess::Writing, "", "csak olvasható a fájlrendszer"},
        {WriteFault::FileInUse, FileAccess::Reading, "", "egy másik program használja a fájlt"},
        {WriteFault::Other, FileAccess::Reading, "Too many levels of symbolic links",
         "rendszerhiba (Too many levels of symbolic links)"},
        {WriteFault::Other, FileAccess::Writing, "", "ismeretlen rendszerhiba"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FaultText(c.fault, c.access, c.systemText), c.text);
    EXPECT_EQ(ErrorText(std::make_error_code(std::errc::no_space_on_device), FileAccess::Writing),
              "megtelt a lemez (No space left on device)");
}

}
