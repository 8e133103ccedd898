#include "tests/support/fake_dialogs.h"
#include "ui/picture_numbering.h"
#include "ui/picture_saving.h"

#include <QApplication>
#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMainWindow>
#include <QMenuBar>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

const QString JpegFilter = QStringLiteral("Kép fájlok (*.jpg)|*.jpg| Minden fájl (*.*)|*.*");

// A contestant's folder inside the program folder, the current directory as
// after identification, and a window whose client area is one colour.
class PictureSaving : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(programDir.isValid());
        ASSERT_TRUE(QDir(programDir.path()).mkdir(QStringLiteral("21")));
        ASSERT_TRUE(QDir::setCurrent(workFolder));
        clientArea = new QWidget;
        clientArea->setAutoFillBackground(true);
        clientArea->setPalette(QPalette(QColor(0, 160, 80)));
        window.setCentralWidget(clientArea);
        window.menuBar()->addMenu(QStringLiteral("Fájl"));
        window.resize(96, 64);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    void TearDown() override { QDir::setCurrent(startFolder); }

    static QStringList Entries(const QString& folder)
    {
        return QDir(folder).entryList(QDir::Files | QDir::Hidden);
    }

    void Place(const QString& path)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("earlier");
    }

    // Answers the dialog of "Képernyő mentése" with chosenPath.
    void SaveNumbered(const QString& chosenPath)
    {
        dialogs.savePath = chosenPath;
        saver.SaveNumberedPicture(*clientArea);
    }

    // Answers the dialog of "Mentés képként" with chosenPath.
    void SaveAs(const QString& chosenPath)
    {
        dialogs.savePath = chosenPath;
        saver.SavePictureAs(*clientArea);
    }

    // The file holds a picture of the client area, not of the whole window.
    void ExpectPictureOfClientArea(const QString& path)
    {
        const QImage picture(path);
        ASSERT_FALSE(picture.isNull()) << path.toStdString();
        EXPECT_EQ(picture.size(), clientArea->size());
        EXPECT_LT(clientArea->height(), window.height());
        const QColor centre = picture.pixelColor(picture.width() / 2, picture.height() / 2);
        EXPECT_NEAR(centre.red(), 0, 6);
        EXPECT_NEAR(centre.green(), 160, 6);
        EXPECT_NEAR(centre.blue(), 80, 6);
    }

    const QString startFolder = QDir::currentPath();
    QTemporaryDir programDir;
    const QString programFolder = programDir.path() + u'/';
    QString workFolder = programFolder + QStringLiteral("21/");
    FakeDialogs dialogs;
    PictureSaver saver{dialogs, programFolder, [this] { return workFolder; }, [] { return EvidenceRecord(); }};
    QMainWindow window;
    QWidget* clientArea = nullptr;
};

TEST_F(PictureSaving, AnEmptyContestantFolderGetsPicture01)
{
    SaveNumbered(workFolder + QStringLiteral("spektrum"));

    EXPECT_EQ(Entries(workFolder), QStringList{QStringLiteral("01_spektrum.jpg")});
    ExpectPictureOfClientArea(workFolder + QStringLiteral("01_spektrum.jpg"));
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(PictureSaving, TheNumberFollowsTheLargestInTheFolder)
{
    Place(workFolder + QStringLiteral("03_meres.jpg"));
    SaveNumbered(workFolder + QStringLiteral("spektrum"));

    ExpectPictureOfClientArea(workFolder + QStringLiteral("04_spektrum.jpg"));
}

TEST_F(PictureSaving, ANumberedPictureNeverReplacesAnEarlierOne)
{
    SaveNumbered(workFolder + QStringLiteral("spektrum"));
    SaveNumbered(workFolder + QStringLiteral("spektrum"));

    EXPECT_EQ(Entries(workFolder), (QStringList{QStringLiteral("01_spektrum.jpg"), QStringLiteral("02_spektrum.jpg")}));
}

TEST_F(PictureSaving, ATypedExtensionStaysInTheNumberedName)
{
    SaveNumbered(workFolder + QStringLiteral("spektrum.jpg"));

    ExpectPictureOfClientArea(workFolder + QStringLiteral("01_spektrum.jpg.jpg"));
}

TEST_F(PictureSaving, ANumberedPictureLandsInTheWorkFolderWhereverTheDialogPointed)
{
    SaveNumbered(programFolder + QStringLiteral("spektrum"));

    ExpectPictureOfClientArea(workFolder + QStringLiteral("01_spektrum.jpg"));
    EXPECT_TRUE(Entries(programFolder).isEmpty());
}

TEST_F(PictureSaving, TheJuryNumbersInTheProgramFolder)
{
    workFolder.clear();
    ASSERT_TRUE(QDir::setCurrent(programFolder));
    Place(programFolder + QStringLiteral("03_meres.jpg"));
    SaveNumbered(programFolder + QStringLiteral("21/spektrum"));

    ExpectPictureOfClientArea(programFolder + QStringLiteral("04_spektrum.jpg"));
    ASSERT_EQ(dialogs.saveRequests.size(), 1u);
    EXPECT_TRUE(dialogs.saveRequests[0].initialFolder.isEmpty());
}

TEST_F(PictureSaving, SavingAsAsksInTheProgramFolderForJpegFiles)
{
    saver.SavePictureAs(*clientArea);

    ASSERT_EQ(dialogs.saveRequests.size(), 1u);
    EXPECT_EQ(dialogs.saveRequests[0].initialFolder, programFolder);
    EXPECT_EQ(dialogs.saveRequests[0].filter, JpegFilter);
    EXPECT_EQ(dialogs.saveRequests[0].defaultExtension, QStringLiteral(".jpg"));
}

TEST_F(PictureSaving, SavingAsStartsWhereIdentificationPointed)
{
    saver.SetInitialFolder(workFolder);
    saver.SavePictureAs(*clientArea);

    ASSERT_EQ(dialogs.saveRequests.size(), 1u);
    EXPECT_EQ(dialogs.saveRequests[0].initialFolder, workFolder);
}

TEST_F(PictureSaving, NumberedSavingAsksInTheWorkFolderWithoutDefaultExtension)
{
    saver.SaveNumberedPicture(*clientArea);

    ASSERT_EQ(dialogs.saveRequests.size(), 1u);
    EXPECT_EQ(dialogs.saveRequests[0].initialFolder, workFolder);
    EXPECT_TRUE(dialogs.saveRequests[0].filter.isEmpty());
    EXPECT_TRUE(dialogs.saveRequests[0].defaultExtension.isEmpty());
}

TEST_F(PictureSaving, ACancelledDialogSavesNothingAndKeepsItsSettings)
{
    saver.SavePictureAs(*clientArea);
    saver.SaveNumberedPicture(*clientArea);
    saver.SavePictureAs(*clientArea);

    ASSERT_EQ(dialogs.saveRequests.size(), 3u);
    EXPECT_EQ(dialogs.saveRequests[1].initialFolder, workFolder);
    EXPECT_EQ(dialogs.saveRequests[1].filter, JpegFilter);
    EXPECT_TRUE(dialogs.saveRequests[1].defaultExtension.isEmpty());
    EXPECT_EQ(dialogs.saveRequests[2].initialFolder, workFolder);
    EXPECT_EQ(dialogs.saveRequests[2].defaultExtension, QStringLiteral(".jpg"));
    EXPECT_TRUE(Entries(workFolder).isEmpty());
    EXPECT_TRUE(Entries(programFolder).isEmpty());
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(PictureSaving, SavingAsWritesExactlyTheChosenPath)
{
    SaveAs(programFolder + QStringLiteral("kep"));

    EXPECT_EQ(Entries(programFolder), QStringList{QStringLiteral("kep")});
    ExpectPictureOfClientArea(programFolder + QStringLiteral("kep"));
}

TEST_F(PictureSaving, SavingAsReplacesAnExistingFile)
{
    const QString path = workFolder + QStringLiteral("spektrum.jpg");
    Place(path);
    SaveAs(path);

    EXPECT_EQ(Entries(workFolder), QStringList{QStringLiteral("spektrum.jpg")});
    ExpectPictureOfClientArea(path);
}

TEST_F(PictureSaving, AnUncreatableFileIsReportedAndTheProgramGoesOn)
{
    const QString missing = programFolder + QStringLiteral("nincs/kep.jpg");
    SaveAs(missing);

    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].title, QStringLiteral("Vantor"));
    EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("A kép nem menthető: nincs ilyen mappa (%1).").arg(QDir::toNativeSeparators(missing)));
    EXPECT_EQ(dialogs.messages[0].icon, Dialogs::Icon::Error);
    EXPECT_FALSE(QDir(programFolder + QStringLiteral("nincs")).exists());

    SaveAs(programFolder + QStringLiteral("kep.jpg"));
    EXPECT_EQ(dialogs.messages.size(), 1u);
    ExpectPictureOfClientArea(programFolder + QStringLiteral("kep.jpg"));
}

TEST_F(PictureSaving, ANameWindowsRefusesIsReportedThereAndNothingIsSaved)
{
#ifndef Q_OS_WIN
    GTEST_SKIP() << "Linux takes every name";
#endif
    SaveNumbered(workFolder + QStringLiteral("a|b"));
    SaveAs(workFolder + QStringLiteral("x:y"));

    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[0].text, WindowsRefusedNameText());
    EXPECT_TRUE(Entries(workFolder).isEmpty());
}

TEST_F(PictureSaving, AMissingWorkFolderIsReportedWithTheNumberedPath)
{
    workFolder = programFolder + QStringLiteral("22/");
    SaveNumbered(programFolder + QStringLiteral("spektrum"));

    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text,
              QStringLiteral("A kép nem menthető: nincs ilyen mappa (%1).")
                  .arg(QDir::toNativeSeparators(workFolder + QStringLiteral("01_spektrum.jpg"))));
    EXPECT_EQ(Entries(programFolder), QStringList());
}

bool Succeeds(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished() && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

// The contestant's folder on a small file system of its own, which only root
// can mount, filled to the last byte.
TEST_F(PictureSaving, AFullDiskIsNamedInHungarianAndTheEarlierPictureStays)
{
    if (!Succeeds(QStringLiteral("mount"), {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                                            QStringLiteral("size=512k"), QStringLiteral("tmpfs"), workFolder}))
        GTEST_SKIP() << "a small file system cannot be mounted here (not root)";
    struct Unmount {
        QString folder;
        ~Unmount() { Succeeds(QStringLiteral("umount"), {folder}); }
    } unmount{workFolder};
    const QString earlierPath = workFolder + QStringLiteral("01_spektrum.jpg");
    SaveNumbered(QStringLiteral("spektrum"));
    QFile earlierFile(earlierPath);
    ASSERT_TRUE(earlierFile.open(QIODevice::ReadOnly));
    const QByteArray earlier = earlierFile.readAll();
    earlierFile.close();
    {
        QFile filler(workFolder + QStringLiteral("toltelek"));
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly));
        const QByteArray block(4096, 'x');
        while (filler.write(block) == block.size() && filler.flush()) {
        }
    }

    SaveAs(earlierPath);
    SaveNumbered(QStringLiteral("spektrum"));

    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("A kép nem menthető: megtelt a lemez (%1).").arg(earlierPath));
    EXPECT_EQ(dialogs.messages[1].text, QStringLiteral("A kép nem menthető: megtelt a lemez (%1).")
                                            .arg(workFolder + QStringLiteral("02_spektrum.jpg")));
    ASSERT_TRUE(earlierFile.open(QIODevice::ReadOnly));
    EXPECT_EQ(earlierFile.readAll(), earlier);
    EXPECT_EQ(Entries(workFolder), (QStringList{QStringLiteral("01_spektrum.jpg"), QStringLiteral("toltelek")}));
}

}
