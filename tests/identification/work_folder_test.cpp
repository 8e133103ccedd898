#include "identification/contestant_code.h"
#include "identification/work_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>

#include <aclapi.h>
#include <sddl.h>

#include <vector>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

class WorkFolder : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(temporary.isValid()); }
    void TearDown() override
    {
        QFile::setPermissions(temporary.path(), Writable);
        QDir::setCurrent(startFolder);
    }

    QString RootFolder() const { return temporary.path() + u'/'; }

    static QString Canonical(const QString& path) { return QFileInfo(path).canonicalFilePath(); }

    // Read-only permissions do not stop root, so where they fail to, a
    // regular file takes the folder's name instead.
    void BlockFolder(const QString& code)
    {
        const QString probe = QStringLiteral("probe");
        QFile::setPermissions(temporary.path(), ReadOnly);
        if (!QDir(temporary.path()).mkdir(probe))
            return;
        QDir(temporary.path()).rmdir(probe);
        QFile::setPermissions(temporary.path(), Writable);
        QFile occupant(RootFolder() + code);
        ASSERT_TRUE(occupant.open(QIODevice::WriteOnly));
    }

    static constexpr QFile::Permissions ReadOnly = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup
        | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;
    static constexpr QFile::Permissions Writable = ReadOnly | QFile::WriteOwner;

    const QString startFolder = QDir::currentPath();
    QTemporaryDir temporary;
};

TEST_F(WorkFolder, AContestantGetsAFolderOfTheirOwn)
{
    const WorkPlace place = EnterWorkPlace(RootFolder(), QStringLiteral("21"));
    EXPECT_TRUE(place.error.isEmpty());
    EXPECT_EQ(place.workFolder, RootFolder() + QStringLiteral("21/"));
    EXPECT_EQ(place.dialogFolder, place.workFolder);
    EXPECT_TRUE(QFileInfo(place.workFolder).isDir());
    EXPECT_EQ(Canonical(QDir::currentPath()), Canonical(place.workFolder));
}

TEST_F(WorkFolder, ALaterRunReusesTheFolderAndItsContents)
{
    const WorkPlace first = EnterWorkPlace(RootFolder(), QStringLiteral("71"));
    QFile picture(first.workFolder + QStringLiteral("01_kep.jpg"));
    ASSERT_TRUE(picture.open(QIODevice::WriteOnly));
    picture.close();
    QDir::setCurrent(startFolder);

    const WorkPlace second = EnterWorkPlace(RootFolder(), QStringLiteral("71"));
    EXPECT_TRUE(second.error.isEmpty());
    EXPECT_EQ(second.workFolder, first.workFolder);
    EXPECT_TRUE(QFileInfo::exists(second.workFolder + QStringLiteral("01_kep.jpg")));
    EXPECT_EQ(Canonical(QDir::currentPath()), Canonical(second.workFolder));
}

TEST_F(WorkFolder, TheFolderKeepsTheCodeAsTyped)
{
    EXPECT_EQ(EnterWorkPlace(RootFolder(), QStringLiteral("+21")).workFolder, RootFolder() + QStringLiteral("+21/"));
    EXPECT_EQ(EnterWorkPlace(RootFolder(), QStringLiteral("021")).workFolder, RootFolder() + QStringLiteral("021/"));
    EXPECT_TRUE(QFileInfo(RootFolder() + QStringLiteral("+21")).isDir());
    EXPECT_TRUE(QFileInfo(RootFolder() + QStringLiteral("021")).isDir());
    EXPECT_FALSE(QFileInfo::exists(RootFolder() + QStringLiteral("21")));
}

// On a drive's root, too, the folder found is the contestant's own: the
// system's own temporary folder stands in for one made earlier.
TEST_F(WorkFolder, AFolderOnTheRootOfADriveIsTheContestantsOwn)
{
    const QString drive = QFileInfo(QStringLiteral("/")).absoluteFilePath();
    const WorkPlace place = EnterWorkPlace(drive, QStringLiteral("tmp"));
    // Everyone may write the temporary folder, which is refused for that.
    EXPECT_FALSE(place.error.contains(QStringLiteral("link"))) << place.error.toStdString();
    EXPECT_EQ(place.workFolder, drive + QStringLiteral("tmp/"));
}

TEST_F(WorkFolder, TheJuryWorksInTheRoot)
{
    const WorkPlace place = EnterWorkPlace(RootFolder(), QString(JuryCode));
    EXPECT_TRUE(place.error.isEmpty());
    EXPECT_TRUE(place.workFolder.isEmpty());
    EXPECT_EQ(place.dialogFolder, RootFolder());
    EXPECT_EQ(Canonical(QDir::currentPath()), Canonical(RootFolder()));
    EXPECT_EQ(QDir(temporary.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
}

TEST_F(WorkFolder, AFolderThatCannotBeMadeIsReported)
{
    BlockFolder(QStringLiteral("42"));
    const WorkPlace place = EnterWorkPlace(RootFolder(), QStringLiteral("42"));

    const QString folder = RootFolder() + QStringLiteral("42/");
    EXPECT_EQ(place.error, QStringLiteral("A versenyző mappája nem hozható létre: ") + QDir::toNativeSeparators(folder));
    EXPECT_EQ(WorkPlaceErrorTitle, QLatin1StringView("*** HIBA ***"));
    EXPECT_EQ(place.workFolder, folder);
    EXPECT_EQ(place.dialogFolder, folder);
    EXPECT_FALSE(QFileInfo(folder).isDir());
    EXPECT_EQ(QDir::currentPath(), startFolder);
}

}

namespace {

TEST_F(WorkFolder, AContestantsFolderThatIsALinkIsRefused)
{
    QTemporaryDir elsewhere;
    ASSERT_TRUE(QFile::link(elsewhere.path(), RootFolder() + QStringLiteral("22")));
    const WorkPlace place = EnterWorkPlace(RootFolder(), QStringLiteral("22"));
    EXPECT_TRUE(place.refused);
    // The box speaks to the contestant as the code dialog does.
    EXPECT_EQ(place.error, QStringLiteral("A versenyző mappája másik helyre mutató link, ezért nem használható: %1\n"
                                          "Képet nem lehet menteni. Kérd meg a felügyelőt, hogy törölje a linket. Utána indítsd újra a programot.")
                               .arg(RootFolder() + QStringLiteral("22")));
    EXPECT_EQ(place.dialogFolder, RootFolder());
    EXPECT_EQ(QDir::currentPath(), startFolder);

    // A root that is itself a link is the jury's choice, and works.
    const QString linkedRoot = elsewhere.path() + QStringLiteral("/terem");
    ASSERT_TRUE(QFile::link(temporary.path(), linkedRoot));
    const WorkPlace throughLink = EnterWorkPlace(linkedRoot + u'/', QStringLiteral("23"));
    EXPECT_FALSE(throughLink.refused);
    EXPECT_TRUE(throughLink.error.isEmpty());
    EXPECT_TRUE(QFileInfo(RootFolder() + QStringLiteral("23")).isDir());
}

}

#ifndef _WIN32

namespace {

// In a shared root anyone may make the folder of a contestant's code in
// advance, and whoever may write it may delete the pictures saved there.
class ContestantFolderRights : public WorkFolder {
protected:
    // What the contestant would see; nothing entered, nothing saved.
    void ExpectRefused(const WorkPlace& place, const QString& message)
    {
        EXPECT_TRUE(place.refused);
        EXPECT_EQ(place.error, message);
        EXPECT_EQ(place.dialogFolder, RootFolder());
        EXPECT_EQ(QDir::currentPath(), startFolder);
    }

    static mode_t Mode(const QString& path)
    {
        struct stat status{};
        EXPECT_EQ(stat(QFile::encodeName(path).constData(), &status), 0);
        return status.st_mode & 07777;
    }
};

TEST_F(ContestantFolderRights, TheFolderMadeIsTheContestantsAlone)
{
    const mode_t previous = umask(0);
    const WorkPlace place = EnterWorkPlace(RootFolder(), QStringLiteral("31"));
    umask(previous);
    EXPECT_TRUE(place.error.isEmpty()) << place.error.toStdString();
    EXPECT_EQ(Mode(RootFolder() + QStringLiteral("31")), mode_t(0700));
}

TEST_F(ContestantFolderRights, AFolderOthersMayWriteIsRefused)
{
    ASSERT_TRUE(QDir(RootFolder()).mkdir(QStringLiteral("31")));
    ASSERT_EQ(chmod(QFile::encodeName(RootFolder() + QStringLiteral("31")).constData(), 0777), 0);
    ExpectRefused(EnterWorkPlace(RootFolder(), QStringLiteral("31")),
                  QStringLiteral("A versenyző mappájába más felhasználók is írhatnak, ezért nem használható: %1\n"
                                 "Képet nem lehet menteni. Kérd meg a felügyelőt, hogy vegye el a mappán a többi "
                                 "felhasználó írási jogát. Utána indítsd újra a programot.")
                      .arg(RootFolder() + QStringLiteral("31")));
    EXPECT_EQ(Mode(RootFolder() + QStringLiteral("31")), mode_t(0777));
}

// Only root can give a folder to another account.
TEST_F(ContestantFolderRights, AFolderOfAnotherAccountIsRefusedEvenWhenItIsClosed)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "only root can give a folder to another account";
    const QString folder = RootFolder() + QStringLiteral("31");
    ASSERT_TRUE(QDir(RootFolder()).mkdir(QStringLiteral("31")));
    ASSERT_EQ(chmod(QFile::encodeName(folder).constData(), 0700), 0);
    constexpr uid_t nobody = 65534;
    ASSERT_EQ(chown(QFile::encodeName(folder).constData(), nobody, nobody), 0);
    const WorkPlace place = EnterWorkPlace(RootFolder(), QStringLiteral("31"));
    EXPECT_TRUE(place.error.startsWith(QStringLiteral("A versenyző mappája egy másik felhasználóé (")))
        << place.error.toStdString();
    ExpectRefused(place, place.error);
    EXPECT_TRUE(place.error.contains(QStringLiteral("ezért nem használható: ") + folder + u'\n'));
}

}

#endif

#ifdef _WIN32

namespace {

class ContestantFolderRights : public WorkFolder {
protected:
    std::wstring NativePath(const QString& code) const
    {
        return QDir::toNativeSeparators(RootFolder() + code).toStdWString();
    }
};

// Like drwx------ on Linux: only the contestant, the system and the
// administrators have an entry in the folder's access list, whatever the
// root lets others do.
TEST_F(ContestantFolderRights, TheFolderMadeIsTheContestantsAlone)
{
    const WorkPlace place = EnterWorkPlace(RootFolder(), QStringLiteral("31"));
    ASSERT_TRUE(place.error.isEmpty()) << place.error.toStdString();
    HANDLE token = nullptr;
    ASSERT_TRUE(OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token));
    std::vector<unsigned char> user(256);
    DWORD size = 0;
    ASSERT_TRUE(GetTokenInformation(token, TokenUser, user.data(), DWORD(user.size()), &size));
    CloseHandle(token);
    const PSID userSid = reinterpret_cast<TOKEN_USER*>(user.data())->User.Sid;

    PACL dacl = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    ASSERT_EQ(GetNamedSecurityInfoW(NativePath(QStringLiteral("31")).c_str(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION,
                                    nullptr, nullptr, &dacl, nullptr, &descriptor),
              DWORD(ERROR_SUCCESS));
    ASSERT_NE(dacl, nullptr);
    for (DWORD i = 0; i < dacl->AceCount; ++i) {
        void* ace = nullptr;
        ASSERT_TRUE(GetAce(dacl, i, &ace));
        const PSID sid = &static_cast<ACCESS_ALLOWED_ACE*>(ace)->SidStart;
        EXPECT_TRUE(EqualSid(sid, userSid) || IsWellKnownSid(sid, WinLocalSystemSid)
                    || IsWellKnownSid(sid, WinBuiltinAdministratorsSid))
            << "entry " << i;
    }
    LocalFree(descriptor);
}

// Wine keeps no access lists (see tests/windows-exclusions.txt).
TEST_F(ContestantFolderRights, AFolderEveryoneMayWriteIsRefused)
{
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    ASSERT_TRUE(ConvertStringSecurityDescriptorToSecurityDescriptorW(L"D:P(A;OICI;FA;;;WD)", SDDL_REVISION_1,
                                                                     &descriptor, nullptr));
    SECURITY_ATTRIBUTES attributes{sizeof(SECURITY_ATTRIBUTES), descriptor, FALSE};
    ASSERT_TRUE(CreateDirectoryW(NativePath(QStringLiteral("31")).c_str(), &attributes));
    LocalFree(descriptor);
    const WorkPlace place = EnterWorkPlace(RootFolder(), QStringLiteral("31"));
    EXPECT_TRUE(place.refused);
    EXPECT_TRUE(place.error.startsWith(QStringLiteral("A versenyző mappájába más felhasználók is írhatnak")))
        << place.error.toStdString();
    EXPECT_EQ(QDir::currentPath(), startFolder);
}

}

#endif
