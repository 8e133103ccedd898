#include "ui/picture_numbering.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class PictureNumbering : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder.isValid()); }
    void TearDown() override { QDir::setCurrent(startFolder); }

    QString WorkFolder() const { return folder.path() + u'/'; }

    void Place(const QStringList& names)
    {
        for (const QString& name : names) {
            QFile file(WorkFolder() + name);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << name.toStdString();
        }
    }

    QString Numbered(const QString& chosenName) const
    {
        return NumberedPicturePath(WorkFolder(), WorkFolder() + chosenName);
    }

    const QString startFolder = QDir::currentPath();
    QTemporaryDir folder;
};

TEST_F(PictureNumbering, AnEmptyFolderStartsAt01)
{
    EXPECT_EQ(Numbered(QStringLiteral("spektrum")), WorkFolder() + QStringLiteral("01_spektrum.jpg"));
}

TEST_F(PictureNumbering, TheNextNumberFollowsTheLastPicture)
{
    Place({QStringLiteral("03_meres.jpg")});
    EXPECT_EQ(Numbered(QStringLiteral("spektrum")), WorkFolder() + QStringLiteral("04_spektrum.jpg"));
}

TEST_F(PictureNumbering, TheLargestNumberCounts)
{
    Place({QStringLiteral("02_a.jpg"), QStringLiteral("10_b.jpg"), QStringLiteral("05_c.jpg")});
    EXPECT_EQ(Numbered(QStringLiteral("spektrum")), WorkFolder() + QStringLiteral("11_spektrum.jpg"));
}

TEST_F(PictureNumbering, NamesWithoutTwoLeadingDigitsDoNotCount)
{
    Place({QStringLiteral("7_abc.jpg"), QStringLiteral("ab.jpg")});
    EXPECT_EQ(Numbered(QStringLiteral("spektrum")), WorkFolder() + QStringLiteral("01_spektrum.jpg"));
}

TEST_F(PictureNumbering, OnlyJpegNamesCount)
{
    Place({QStringLiteral("05_jegyzet.txt")});
    EXPECT_EQ(Numbered(QStringLiteral("spektrum")), WorkFolder() + QStringLiteral("01_spektrum.jpg"));
}

TEST_F(PictureNumbering, TheLetterCaseOfTheExtensionDoesNotMatter)
{
    Place({QStringLiteral("05_A.JPG")});
    EXPECT_EQ(Numbered(QStringLiteral("spektrum")), WorkFolder() + QStringLiteral("06_spektrum.jpg"));
}

TEST_F(PictureNumbering, FoldersHoldNumbersToo)
{
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("06_mappa.jpg")));
    EXPECT_EQ(Numbered(QStringLiteral("spektrum")), WorkFolder() + QStringLiteral("07_spektrum.jpg"));
}

TEST_F(PictureNumbering, After99ComesThreeDigit100)
{
    Place({QStringLiteral("99_x.jpg")});
    EXPECT_EQ(Numbered(QStringLiteral("spektrum")), WorkFolder() + QStringLiteral("100_spektrum.jpg"));
}

TEST_F(PictureNumbering, AnExistingNameIsPassedOver)
{
    Place({QStringLiteral("99_x.jpg"), QStringLiteral("100_spektrum.jpg")});
    EXPECT_EQ(Numbered(QStringLiteral("spektrum")), WorkFolder() + QStringLiteral("101_spektrum.jpg"));
}

TEST_F(PictureNumbering, ANumberInUseIsPassedOverWhateverTheName)
{
    Place({QStringLiteral("99_x.jpg"), QStringLiteral("100_meres.jpg"), QStringLiteral("101_hatter.jpg")});
    EXPECT_EQ(Numbered(QStringLiteral("spektrum")), WorkFolder() + QStringLiteral("102_spektrum.jpg"));
}

TEST_F(PictureNumbering, TheNumberOfAKilledSaveIsPassedOver)
{
    Place({QStringLiteral("02_a.jpg"), QStringLiteral(".03_spektrum.jpg.1a2b3c4d.tmp"),
           QStringLiteral(".s.csv.0badcafe.tmp")});
    EXPECT_EQ(Numbered(QStringLiteral("spektrum")), WorkFolder() + QStringLiteral("04_spektrum.jpg"));
}

TEST_F(PictureNumbering, ATypedExtensionStaysPartOfTheName)
{
    Place({QStringLiteral("03_meres.jpg")});
    EXPECT_EQ(Numbered(QStringLiteral("spektrum.jpg")), WorkFolder() + QStringLiteral("04_spektrum.jpg.jpg"));
}

TEST_F(PictureNumbering, TheChosenFolderIsDropped)
{
    EXPECT_EQ(NumberedPicturePath(WorkFolder(), QStringLiteral("/mashol/melyebben/spektrum")),
              WorkFolder() + QStringLiteral("01_spektrum.jpg"));
}

TEST_F(PictureNumbering, AnEmptyWorkFolderMeansTheCurrentFolder)
{
    Place({QStringLiteral("03_meres.jpg")});
    ASSERT_TRUE(QDir::setCurrent(folder.path()));
    EXPECT_EQ(NumberedPicturePath(QString(), QStringLiteral("/mashol/spektrum")), QStringLiteral("04_spektrum.jpg"));
}

// Two windows of one contestant saving at the same moments: each picture
// keeps a name of its own, whatever number the other took meanwhile.
TEST_F(PictureNumbering, TwoWindowsSavingAtOnceKeepEveryPicture)
{
    constexpr int SavesEach = 15;
    QProcess windows[2];
    for (int i = 0; i < 2; ++i) {
        windows[i].start(QStringLiteral(VANTOR_NUMBERED_SAVER),
                         {folder.path(), QString(QChar(u'a' + i)), QString::number(SavesEach)});
        ASSERT_TRUE(windows[i].waitForReadyRead(60000)) << "saver " << i << " did not start";
    }
    for (QProcess& window : windows) {
        window.write("go\n");
        ASSERT_TRUE(window.waitForBytesWritten(60000));
    }
    for (QProcess& window : windows) {
        ASSERT_TRUE(window.waitForFinished(60000));
        EXPECT_EQ(window.exitCode(), 0) << window.readAllStandardError().toStdString();
    }

    QSet<QByteArray> kept;
    for (const QString& name : QDir(folder.path()).entryList(QDir::Files | QDir::Hidden)) {
        QFile file(WorkFolder() + name);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        kept.insert(file.readAll());
    }
    EXPECT_EQ(kept.size(), 2 * SavesEach);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(), 2 * SavesEach);
}

TEST_F(PictureNumbering, ANewFileNeverTakesAnExistingName)
{
    Place({QStringLiteral("03_kep.jpg")});
    const std::optional<WriteFailure> failure = WriteNewFile(WorkFolder() + QStringLiteral("03_kep.jpg"), "uj");
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->fault, WriteFault::NameTaken);
    EXPECT_EQ(QFileInfo(WorkFolder() + QStringLiteral("03_kep.jpg")).size(), 0);
}

// Windows refuses these characters, and takes "x:y" for the name "y" on a
// drive X:, which would save the picture under another name.
TEST(WindowsNames, AreRefusedWhereWindowsWouldRefuseOrChangeThem)
{
    for (const char* refused : {"C:/Verseny/21/a|b", "C:/Verseny/21/mérés 14:30", "C:/Verseny/21/mi?", "x:y", "X:"})
        EXPECT_TRUE(WindowsRefusesName(QString::fromUtf8(refused))) << refused;
    for (const char* taken : {"C:/Verseny/21/spektrum", "//gep/verseny/21/50 keV, 1000 µT.jpg", "/home/tanulo/21/a"})
        EXPECT_FALSE(WindowsRefusesName(QString::fromUtf8(taken))) << taken;
}

}
