#include "spectrum/source_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#ifndef _WIN32
#include "tests/support/ordinary_user.h"

#include <sys/stat.h>
#endif

namespace {

namespace fs = std::filesystem;

class SourceFileTest : public testing::Test {
protected:
    void SetUp() override
    {
        std::random_device random;
        do
            folder = fs::temp_directory_path() / ("vantor-source-" + std::to_string(random()));
        while (!fs::create_directory(folder));
        // An ordinary user must reach the files inside to be refused by their own rights.
        fs::permissions(folder, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec
                                    | fs::perms::others_read | fs::perms::others_exec);
    }

    void TearDown() override { fs::remove_all(folder); }

    fs::path Written(const fs::path& name, const std::string& text)
    {
        const fs::path path = folder / name;
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }

    fs::path folder;
};

#ifndef _WIN32
std::string ReadErrorAsOrdinaryUser(const fs::path& path)
{
    return AsOrdinaryUser([&] { return ReadSourceFile(path).error.value_or(""); });
}
#endif

TEST_F(SourceFileTest, ReadsTheLinesOfARegularFile)
{
    // A name with accents, as in a Hungarian user's folders.
    const SourceFile file = ReadSourceFile(Written(u8"Tanuló forrása.for", "Béta-forrás: próba\r\n0.2\r\n0\t1\r\n0.1\t0\r\n"));
    EXPECT_FALSE(file.error);
    EXPECT_EQ(file.lines, (std::vector<std::string>{"Béta-forrás: próba", "0.2", "0\t1", "0.1\t0"}));

    // The same text saved in the Windows code page of Hungarian, with ő and ű.
    const SourceFile windows = ReadSourceFile(Written("b.for", "B\xe9ta-forr\xe1s: \xf5\xfb\n0.2\n"));
    EXPECT_EQ(windows.lines, (std::vector<std::string>{"Béta-forrás: őű", "0.2"}));
    // Excel's Unicode text, and UTF-8 with a byte order mark.
    std::string utf16 = "\xFF\xFE";
    for (const char16_t unit : std::u16string(u"Béta-forrás: őű\r\n0.2\r\n"))
        utf16 += {static_cast<char>(unit & 0xFF), static_cast<char>(unit >> 8)};
    EXPECT_EQ(ReadSourceFile(Written("d.for", utf16)).lines, windows.lines);
    EXPECT_EQ(ReadSourceFile(Written("e.for", "\xEF\xBB\xBF" "Béta-forrás: őű\n0.2\n")).lines, windows.lines);
    // Bytes that are none of these stay as they are, for the loader to refuse.
    const SourceFile neither = ReadSourceFile(Written("c.for", "x\n\x81\x98\n"));
    EXPECT_EQ(neither.lines, (std::vector<std::string>{"x", "\x81\x98"}));
}

TEST_F(SourceFileTest, RefusesWhatIsNoSourceText)
{
    EXPECT_EQ(ReadSourceFile(folder / "nincs.for").error, "nincs ilyen fájl");
    EXPECT_EQ(ReadSourceFile(folder).error, "ez egy mappa, nem fájl");
}

// Pipes in the file system and users without root's rights are POSIX's.
#ifndef _WIN32
TEST_F(SourceFileTest, RefusesAPipeAForbiddenFileAndAFileInAForbiddenFolder)
{
    // A pipe without a writer would keep an ordinary read waiting for ever.
    const fs::path pipePath = folder / "cso.for";
    ASSERT_EQ(mkfifo(pipePath.c_str(), 0644), 0);
    EXPECT_EQ(ReadSourceFile(pipePath).error, "nem közönséges fájl");

    const fs::path forbidden = Written("tilos.for", "Forrás\n0.2\n0\t1\n0.1\t0\n");
    fs::permissions(forbidden, fs::perms::none);
    EXPECT_EQ(ReadErrorAsOrdinaryUser(forbidden), "nincs olvasási jog (Permission denied)");

    // A folder on the way that the user may not enter.
    fs::create_directory(folder / "zart");
    const fs::path enclosed = Written("zart/forras.for", "Forrás\n0.2\n0\t1\n0.1\t0\n");
    fs::permissions(folder / "zart", fs::perms::owner_all);
    EXPECT_EQ(ReadErrorAsOrdinaryUser(enclosed), "nincs olvasási jog (Permission denied)");
}
#endif

TEST_F(SourceFileTest, RefusesAFileLargerThanASourceTextUnread)
{
    const fs::path largest = Written("legnagyobb.for", std::string(MaxSourceFileBytes, 'x'));
    EXPECT_FALSE(ReadSourceFile(largest).error);
    const fs::path larger = Written("nagyobb.for", std::string(MaxSourceFileBytes + 1, 'x'));
    EXPECT_EQ(ReadSourceFile(larger).error, "túl nagy (65537 bájt), egy forrásfájl legfeljebb 65536 bájt lehet");

    // Fifty megabytes, refused by their size alone.
    const fs::path huge = Written("nagy.for", "");
    fs::resize_file(huge, 50'000'000);
    EXPECT_EQ(ReadSourceFile(huge).error, "túl nagy (50000000 bájt), egy forrásfájl legfeljebb 65536 bájt lehet");
}

}
