#include "base/file_reading.h"
#include "base/write_fault.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

#ifndef _WIN32
#include "tests/support/ordinary_user.h"
#endif

namespace {

namespace fs = std::filesystem;

class FileReading : public testing::Test {
protected:
    void SetUp() override
    {
        std::random_device random;
        do
            folder = fs::temp_directory_path() / ("vantor-reading-" + std::to_string(random()));
        while (!fs::create_directory(folder));
        // An ordinary user must reach the files inside to be refused by their own rights.
        fs::permissions(folder, fs::perms::owner_all | fs::perms::others_read | fs::perms::others_exec);
    }

    void TearDown() override { fs::remove_all(folder); }

    fs::path Written(const fs::path& name, const std::string& bytes)
    {
        const fs::path path = folder / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    fs::path folder;
};

// Larger than one part of the reading, so that the parts are joined.
TEST_F(FileReading, ReadsUpToTheLimit)
{
    std::string bytes(200'000, '\0');
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>(i * 7 % 251);
    const fs::path path = Written("adat.bin", bytes);
    EXPECT_EQ(ReadFileBytes(path, bytes.size() + 1).bytes, bytes);
    EXPECT_EQ(ReadFileBytes(path, 100'001).bytes, bytes.substr(0, 100'001));
    EXPECT_FALSE(ReadFileBytes(path, 0).error);
}

TEST_F(FileReading, AFailedReadIsNamedInHungarianWithTheSystemsWordsAfter)
{
    const std::error_code missing = ReadFileBytes(folder / "nincs.bin", 10).error;
    EXPECT_EQ(ErrorText(missing, FileAccess::Reading), "nincs ilyen fájl (No such file or directory)");
#ifndef _WIN32
    const fs::path forbidden = Written("tilos.bin", "adat");
    fs::permissions(forbidden, fs::perms::none);
    EXPECT_EQ(AsOrdinaryUser([&] { return ErrorText(ReadFileBytes(forbidden, 10).error, FileAccess::Reading); }),
              "nincs olvasási jog (Permission denied)");
#endif
}

}
