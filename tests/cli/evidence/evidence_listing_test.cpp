#include "cli/evidence/evidence_listing.h"
#include "evidence/picture_check.h"
#include "tests/support/evidence_pictures.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <utility>

namespace {

// A shared room where contestant 30 saved two pictures, and anyone who may
// write there planted links.
class PlantedLinks : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(temporary.isValid());
        ASSERT_TRUE(QDir(temporary.path()).mkpath(QStringLiteral("terem/30")));
        ASSERT_TRUE(QDir(temporary.path()).mkpath(QStringLiteral("terem/23")));
        ASSERT_TRUE(QDir(temporary.path()).mkpath(QStringLiteral("mashol")));
        EvidenceRecord record = MeasuredRecord();
        record.contestant = "30";
        ASSERT_TRUE(WriteBytes(Room() + QStringLiteral("/30/01_eredmeny.jpg"), SealedTestPicture(record)));
        ASSERT_TRUE(WriteBytes(Room() + QStringLiteral("/30/02_meres.jpg"), SealedTestPicture(record)));
        ASSERT_TRUE(WriteBytes(temporary.filePath(QStringLiteral("mashol/01_kint.jpg")), SealedTestPicture(record)));
    }

    QString Room() const { return temporary.filePath(QStringLiteral("terem")); }

    // Rows as folder/name.
    static std::vector<std::string> Rows(const std::vector<PictureFile>& pictures)
    {
        std::vector<std::string> rows;
        for (const PictureFile& picture : pictures)
            rows.push_back((picture.folder + u'/' + picture.name).toStdString());
        return rows;
    }

    QTemporaryDir temporary;
};

TEST_F(PlantedLinks, EachLinkIsARowWhereItLiesAndEveryPictureStaysInItsOwnFolder)
{
    const std::pair<const char*, const char*> links[] = {
        {"+30", "30"},                             // a folder named by the code's other spelling
        {"20", "30"},                              // another contestant's folder
        {"23/01_x.jpg", "../30/02_meres.jpg"},     // a picture in one's own folder
        {"24", "../mashol"},                       // a folder outside the room
        {"31", "nincs"},                           // nothing, for now
        {"23/02_hurok.jpg", "02_hurok.jpg"},       // itself
        {"23/03_mappa.jpg", "../30"},              // a folder under a picture's name
        {"jegyzet.txt", "30/01_eredmeny.jpg"},     // no picture's name, beside the folders
    };
    for (const auto& [link, target] : links)
        ASSERT_TRUE(QFile::link(QString::fromLatin1(target), Room() + u'/' + QString::fromLatin1(link))) << link;

    const auto listed = ListPictures({Room().toStdString()});

    const auto& pictures = std::get<std::vector<PictureFile>>(listed);
    const std::vector<std::string> expected{"23/01_x.jpg",   "23/02_hurok.jpg", "23/03_mappa.jpg",
                                            "30/01_eredmeny.jpg", "30/02_meres.jpg", "terem/+30",
                                            "terem/20",      "terem/24",        "terem/31"};
    EXPECT_EQ(Rows(pictures), expected);
    for (const PictureFile& picture : pictures) {
        const PictureCheck check = CheckPictureFile(picture.path);
        if (picture.folder == QStringLiteral("30")) {
            EXPECT_EQ(check.status, EvidenceStatus::Intact) << picture.name.toStdString();
            continue;
        }
        EXPECT_EQ(check.status, EvidenceStatus::Link) << picture.name.toStdString();
        EXPECT_FALSE(check.record.has_value());
        EXPECT_TRUE(check.reason.startsWith(QStringLiteral("ide mutat: "))) << check.reason.toStdString();
    }
    EXPECT_EQ(CheckPictureFile(Room() + QStringLiteral("/23/01_x.jpg")).reason,
              QStringLiteral("ide mutat: ") + Room() + QStringLiteral("/30/02_meres.jpg"));
    EXPECT_EQ(CheckPictureFile(Room() + QStringLiteral("/20")).reason,
              QStringLiteral("ide mutat: ") + Room() + QStringLiteral("/30"));
}

// The one who runs the check named the folder: it is looked into, and its
// pictures are listed in the folder they really lie in, once.
TEST_F(PlantedLinks, AFolderNamedThroughALinkIsListedAsTheFolderItIs)
{
    ASSERT_TRUE(QFile::link(QStringLiteral("30"), Room() + QStringLiteral("/+30")));

    const auto listed = ListPictures({(Room() + QStringLiteral("/+30")).toStdString(), Room().toStdString()});

    const auto& pictures = std::get<std::vector<PictureFile>>(listed);
    const std::vector<std::string> expected{"30/01_eredmeny.jpg", "30/02_meres.jpg", "terem/+30"};
    EXPECT_EQ(Rows(pictures), expected);
    EXPECT_EQ(pictures[0].owner, QStringLiteral("30"));
}

// A save killed before its picture took its name left the picture in a
// temporary file: the jury sees it; an output's is no evidence.
TEST_F(PlantedLinks, ThePictureOfAKilledSaveIsListedWhereItWasToBe)
{
    ASSERT_TRUE(WriteBytes(Room() + QStringLiteral("/30/.03_halfkep.jpg.1a2b3c4d.tmp"), SealedTestPicture()));
    ASSERT_TRUE(WriteBytes(Room() + QStringLiteral("/.terem.csv.0badcafe.tmp"), "folder,file"));
    ASSERT_TRUE(WriteBytes(Room() + QStringLiteral("/30/.jegyzet.tmp"), "nem mentés"));

    const auto listed = ListPictures({Room().toStdString()});

    const std::vector<std::string> expected{"30/.03_halfkep.jpg.1a2b3c4d.tmp", "30/01_eredmeny.jpg",
                                            "30/02_meres.jpg"};
    EXPECT_EQ(Rows(std::get<std::vector<PictureFile>>(listed)), expected);
}

}
