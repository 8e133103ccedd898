#include "identification/folder_rights.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(FolderRights, OnlyTheGroupsOrOthersWriteBitLetsOthersWrite)
{
    struct Case {
        std::uint32_t mode;
        bool othersMayWrite;
    };
    for (const Case& c : std::vector<Case>{{0700, false},
                                           {0755, false},
                                           {0750, false},
                                           {0500, false},
                                           {040755, false},
                                           {0720, true},
                                           {0702, true},
                                           {0770, true},
                                           {0777, true},
                                           {041777, true},
                                           {02775, true}})
        EXPECT_EQ(ModeLetsOthersWrite(c.mode), c.othersMayWrite) << std::oct << c.mode;
}

TEST(FolderRights, AnotherOwnerOutweighsTheRightsAndOwnFoldersNeedNoOneElseWriting)
{
    struct Case {
        FolderRights rights;
        FolderRefusal refusal;
    };
    for (const Case& c : std::vector<Case>{{{true, "anna", false}, FolderRefusal::None},
                                           {{true, "anna", true}, FolderRefusal::WritableByOthers},
                                           {{false, "probe2", false}, FolderRefusal::OwnedByOther},
                                           {{false, "probe2", true}, FolderRefusal::OwnedByOther},
                                           {{false, "", false}, FolderRefusal::OwnedByOther}})
        EXPECT_EQ(JudgeContestantFolder(c.rights), c.refusal) << c.rights.owner;
}

// The rights a contestant's folder gets in a work root the installer set up,
// and what a lab's data drive or a careless grant adds to them.
TEST(FolderRights, OnWindowsOnlyAnotherAccountsChangingRightLetsOthersWrite)
{
    using Trustee = AccessEntry::Trustee;
    constexpr std::uint32_t fullControl = 0x001f01ff;
    constexpr std::uint32_t modify = 0x001301bf;
    constexpr std::uint32_t readAndExecute = 0x001200a9;
    constexpr std::uint32_t createFolders = 0x00000004;
    constexpr std::uint32_t writeAttributes = 0x00000100;
    constexpr std::uint32_t genericWrite = 0x40000000;
    const std::vector<AccessEntry> installed{{Trustee::Owner, fullControl},
                                             {Trustee::CreatorOwner, fullControl},
                                             {Trustee::System, fullControl},
                                             {Trustee::Administrators, fullControl}};
    EXPECT_FALSE(AccessListLetsOthersWrite(installed));
    EXPECT_FALSE(AccessListLetsOthersWrite({}));

    struct Case {
        AccessEntry added;
        bool othersMayWrite;
    };
    for (const Case& c : std::vector<Case>{{{Trustee::Other, readAndExecute}, false},
                                           {{Trustee::Other, modify}, true},
                                           {{Trustee::Other, createFolders}, true},
                                           {{Trustee::Other, writeAttributes}, true},
                                           {{Trustee::Other, genericWrite}, true},
                                           {{Trustee::Administrators, genericWrite}, false}}) {
        std::vector<AccessEntry> entries = installed;
        entries.push_back(c.added);
        EXPECT_EQ(AccessListLetsOthersWrite(entries), c.othersMayWrite) << std::hex << c.added.accessMask;
    }
}

TEST(FolderRights, EachRefusalNamesTheFolderAndWhatTheSupervisorShouldDo)
{
    const std::string folder = "/srv/vantor/31";
    struct Case {
        FolderRefusal refusal;
        std::string owner;
        std::string message;
    };
    for (const Case& c : std::vector<Case>{
             {FolderRefusal::None, "", ""},
             {FolderRefusal::Link, "",
              "A versenyző mappája másik helyre mutató link, ezért nem használható: /srv/vantor/31\n"
              "Képet nem lehet menteni. Kérd meg a felügyelőt, hogy törölje a linket. Utána indítsd újra a programot."},
             {FolderRefusal::OwnedByOther, "probe2",
              "A versenyző mappája egy másik felhasználóé (probe2), ezért nem használható: /srv/vantor/31\n"
              "Képet nem lehet menteni. Kérd meg a felügyelőt, hogy nevezze át a mappát. Utána indítsd újra a "
              "programot."},
             {FolderRefusal::OwnedByOther, "",
              "A versenyző mappája egy másik felhasználóé, ezért nem használható: /srv/vantor/31\n"
              "Képet nem lehet menteni. Kérd meg a felügyelőt, hogy nevezze át a mappát. Utána indítsd újra a "
              "programot."},
             {FolderRefusal::WritableByOthers, "anna",
              "A versenyző mappájába más felhasználók is írhatnak, ezért nem használható: /srv/vantor/31\n"
              "Képet nem lehet menteni. Kérd meg a felügyelőt, hogy vegye el a mappán a többi felhasználó írási "
              "jogát. Utána indítsd újra a programot."}})
        EXPECT_EQ(FolderRefusalMessage(c.refusal, folder, c.owner), c.message);
}

}
