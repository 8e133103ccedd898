#include "ui/picture_numbering.h"

#include <QDir>
#include <QFile>
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

}
