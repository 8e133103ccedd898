#include "cli/evidence/evidence_command.h"
#include "cli/evidence/evidence_options.h"
#include "tests/support/evidence_pictures.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// A room: the folder that holds the contestants' folders, and the jury's
// pictures beside them.
class EvidenceCommand : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(temporary.isValid());
        ASSERT_TRUE(QDir(temporary.path()).mkpath(QStringLiteral("terem/21/regi")));
        ASSERT_TRUE(QDir(temporary.path()).mkpath(QStringLiteral("terem/22")));
    }

    QString Path(const QString& name) const { return temporary.filePath(QStringLiteral("terem/") + name); }
    std::string PathText(const QString& name) const { return Path(name).toStdString(); }

    void Save(const QString& name, const QByteArray& bytes) { ASSERT_TRUE(WriteBytes(Path(name), bytes)); }

    CommandOutcome Run(std::vector<std::string> paths, const std::string& csv = {}, const std::string& html = {})
    {
        EvidenceOptions options;
        options.paths = std::move(paths);
        options.csvPath = csv;
        options.htmlPath = html;
        return RunEvidenceCommand(options);
    }

    std::string Room() const { return PathText(QString()); }

    static EvidenceRecord RecordOf(const QString& contestant, qint32 launched)
    {
        EvidenceRecord record = MeasuredRecord(launched);
        record.contestant = contestant.toStdString();
        return record;
    }

    static QString Read(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    QTemporaryDir temporary;
};

TEST_F(EvidenceCommand, TheRoomIsListedByContestantAndFileWithACountPerStatus)
{
    Save(QStringLiteral("22/02_b.jpg"), SealedTestPicture(RecordOf(QStringLiteral("22"), 2000)));
    Save(QStringLiteral("22/01_a.JPG"), PlainJpeg());
    Save(QStringLiteral("21/01_spektrum.jpg"), SealedTestPicture(RecordOf(QStringLiteral("21"), 1000)));
    Save(QStringLiteral("21/03_hibas.jpeg"), "not a picture");
    Save(QStringLiteral("21/jegyzet.txt"), SealedTestPicture());
    Save(QStringLiteral("21/regi/01_melyebben.jpg"), SealedTestPicture());
    Save(QStringLiteral("01_zsuri.jpg"), SealedTestPicture(RecordOf(QStringLiteral("jury"), 3000)));

    const CommandOutcome outcome = Run({Room()});

    EXPECT_EQ(outcome.exitStatus, ExitFlagged);
    const QStringList lines = QString::fromStdString(outcome.output).split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 7) << outcome.output;
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("Mappa  Fájl")));
    const QStringList expected{
        QStringLiteral("21     01_spektrum.jpg  2024. 03. 15. 10:42:07       50    1000          0.5         1000          72"
                       "               7.122      0:00:02  rendben"),
        QStringLiteral("21     03_hibas.jpeg    -                             -       -            -            -           -"
                       "                   -            -  hibás fájl: nem JPEG-kép (nem a képkezdet jelével kezdődik)"),
        QStringLiteral("22     01_a.JPG         -                             -       -            -            -           -"
                       "                   -            -  nincs adat: nincs megjegyzés a képben"),
        QStringLiteral("22     02_b.jpg         2024. 03. 15. 10:42:07       50    1000          0.5         2000         144"
                       "               7.122      0:00:02  rendben"),
        QStringLiteral("terem  01_zsuri.jpg     2024. 03. 15. 10:42:07       50    1000          0.5         3000         216"
                       "               7.122      0:00:02  rendben"),
    };
    for (int i = 0; i < expected.size(); ++i)
        EXPECT_EQ(lines[i + 1].toStdString(), expected[i].toStdString());
    EXPECT_EQ(lines[6], QStringLiteral("Összesen 5 kép: 3 rendben, 0 valószínűtlen, 0 módosítva, 1 nincs adat, "
                                       "1 hibás fájl"));
}

TEST_F(EvidenceCommand, EveryPictureIntactExitsWith0AndAPictureIsListedOnce)
{
    Save(QStringLiteral("21/01_spektrum.jpg"), SealedTestPicture());

    const CommandOutcome outcome = Run({Room(), PathText(QStringLiteral("21/01_spektrum.jpg")), PathText(QStringLiteral("21"))});

    EXPECT_EQ(outcome.exitStatus, 0);
    EXPECT_NE(outcome.output.find("Összesen 1 kép: 1 rendben,"), std::string::npos) << outcome.output;
}

// The browser edition identifies no one: its pictures are practice wherever
// they lie and never pass, but their counts are still judged.
TEST_F(EvidenceCommand, TheBrowserEditionsPicturesArePracticeWhereverTheyLie)
{
    EvidenceRecord practice = RecordOf(QString(), 1000);
    practice.program = BrowserEditionProgram(practice.program);
    Save(QStringLiteral("21/01_gyakorlas.jpg"), SealedTestPicture(practice));
    EvidenceRecord impossible = practice;
    impossible.detected = 500;
    Save(QStringLiteral("22/01_sok.jpg"), SealedTestPicture(impossible));

    const CommandOutcome room = Run({Room()});

    EXPECT_EQ(room.exitStatus, ExitFlagged);
    const std::string reason = "gyakorló kép: a böngészős változat mentette, versenyeredménynek nem számít";
    EXPECT_NE(room.output.find(reason + "\n"), std::string::npos) << room.output;
    EXPECT_NE(room.output.find(reason + "; valószínűtlen is: a beütésszám (500)"), std::string::npos) << room.output;
    EXPECT_NE(room.output.find("Összesen 2 kép: 0 rendben, 0 valószínűtlen, 0 módosítva, 0 nincs adat, 0 hibás fájl; "
                               "2 gyakorló kép\n"),
              std::string::npos)
        << room.output;
    const CommandOutcome alone = Run({PathText(QStringLiteral("21/01_gyakorlas.jpg"))});
    EXPECT_EQ(alone.exitStatus, ExitFlagged);
    EXPECT_NE(alone.output.find(reason + "\n"), std::string::npos) << alone.output;
}

TEST_F(EvidenceCommand, APathThatDoesNotExistIsABadArgument)
{
    const CommandOutcome outcome = Run({Room(), PathText(QStringLiteral("23"))});

    EXPECT_EQ(outcome.exitStatus, ExitRefused);
    EXPECT_EQ(outcome.error, "vantor-cli: nincs ilyen fájl vagy mappa: „" + PathText(QStringLiteral("23")) + "”");
    EXPECT_TRUE(outcome.output.empty());
}

TEST_F(EvidenceCommand, RecordTextsCannotSteerTheTerminalOrTheSpreadsheet)
{
    EvidenceRecord record = RecordOf(QStringLiteral("22"), 1000);
    record.energyKeV = "\x1b[2J50";
    record.teacherMode = true;
    record.source = "=HYPERLINK(\"http://x\",\"ok\")";
    Save(QStringLiteral("21/01_masolt.jpg"), SealedTestPicture(record));
    const QString csv = temporary.filePath(QStringLiteral("terem.csv"));

    const CommandOutcome outcome = Run({Room()}, csv.toStdString());

    EXPECT_EQ(outcome.output.find('\x1b'), std::string::npos);
    EXPECT_NE(outcome.output.find("?[2J50"), std::string::npos) << outcome.output;
    // A picture copied from another contestant's folder is flagged.
    EXPECT_EQ(outcome.exitStatus, ExitFlagged);
    EXPECT_NE(outcome.output.find("valószínűtlen: a 22-es versenyző mentette, nem a mappa versenyzője; tanári módban "
                                  "mentve"),
              std::string::npos)
        << outcome.output;
    EXPECT_NE(outcome.output.find("Összesen 1 kép: 0 rendben, 1 valószínűtlen, 0 módosítva, 0 nincs adat, 0 hibás "
                                  "fájl; 1 tanári módban mentve\n"),
              std::string::npos)
        << outcome.output;
    const QStringList rows = Read(csv).split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(rows.size(), 2);
    QStringList header{QStringLiteral("folder"), QStringLiteral("file"), QStringLiteral("status"), QStringLiteral("note")};
    for (const EvidenceField& field : EvidenceFields())
        header << QString::fromLatin1(field.name);
    EXPECT_EQ(rows[0], header.join(u','));
    EXPECT_TRUE(rows[1].startsWith(QStringLiteral("21,01_masolt.jpg,valószínűtlen,\"a 22-es versenyző mentette, nem a "
                                                  "mappa versenyzője; tanári módban mentve\",vantor-evidence/3,2.2.0.3,"
                                                  "22,true,2024-03-15T10:42:07+01:00,")))
        << rows[1].toStdString();
    EXPECT_TRUE(rows[1].contains(QStringLiteral(",\"'=HYPERLINK(\"\"http://x\"\",\"\"ok\"\")\",")))
        << rows[1].toStdString();
}

// The work root holds the jury's pictures only: a contestant's picture
// there was copied in, as one in another contestant's folder was.
TEST_F(EvidenceCommand, AContestantsPictureInTheJurysFolderIsFlagged)
{
    Save(QStringLiteral("01_zsuri.jpg"), SealedTestPicture(RecordOf(QStringLiteral("jury"), 1000)));
    Save(QStringLiteral("02_masolt.jpg"), SealedTestPicture(RecordOf(QStringLiteral("21"), 1000)));

    const CommandOutcome outcome = Run({Room()});

    EXPECT_EQ(outcome.exitStatus, ExitFlagged);
    const QStringList lines = QString::fromStdString(outcome.output).split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 4) << outcome.output;
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("terem  01_zsuri.jpg "))) << outcome.output;
    EXPECT_TRUE(lines[1].endsWith(QStringLiteral("  rendben"))) << outcome.output;
    EXPECT_TRUE(lines[2].startsWith(QStringLiteral("terem  02_masolt.jpg "))) << outcome.output;
    EXPECT_TRUE(lines[2].endsWith(QStringLiteral("  valószínűtlen: a 21-es versenyző mentette, nem a zsűri")))
        << outcome.output;
}

// A folder of years holds no contestants: its pictures have no owner to
// differ from.
TEST_F(EvidenceCommand, AFolderWithNumberedSubfoldersIsNoRoomOfContestants)
{
    ASSERT_TRUE(QDir(temporary.path()).mkpath(QStringLiteral("terem/atnezes/2025")));
    Save(QStringLiteral("atnezes/02_masolt.jpg"), SealedTestPicture(RecordOf(QStringLiteral("21"), 1000)));

    const CommandOutcome outcome = Run({PathText(QStringLiteral("atnezes"))});

    EXPECT_EQ(outcome.exitStatus, 0) << outcome.output;
}

TEST_F(EvidenceCommand, ThePageLinksThePicturesFromItsOwnFolderAndEscapesTheRecords)
{
    EvidenceRecord record = MeasuredRecord();
    record.source = "<script>alert(1)</script>";
    record.teacherMode = true;
    Save(QStringLiteral("21/01 első #1.jpg"), SealedTestPicture(record));
    Save(QStringLiteral("22/01_a.jpg"), PlainJpeg());
    QByteArray broken = SealedTestPicture();
    ASSERT_GT(broken.indexOf("\"program\":"), 0);
    Save(QStringLiteral("22/02_b.jpg"), broken.replace("\"program\":", "\"prograx\":"));
    ASSERT_TRUE(QDir(temporary.path()).mkdir(QStringLiteral("zsuri")));
    const QString page = temporary.filePath(QStringLiteral("zsuri/terem.html"));

    EXPECT_EQ(Run({Room()}, {}, page.toStdString()).exitStatus, ExitFlagged);

    const QString html = Read(page);
    EXPECT_TRUE(html.contains(QStringLiteral("<a class=\"thumb\" href=\"../terem/21/01%20els%C5%91%20%231.jpg\">"
                                             "<img src=\"../terem/21/01%20els%C5%91%20%231.jpg\"")));
    EXPECT_TRUE(html.contains(QStringLiteral("&lt;script&gt;alert(1)&lt;/script&gt;")));
    EXPECT_FALSE(html.contains(QStringLiteral("<script>")));
    // Dates and computed figures as a Hungarian reader writes them.
    EXPECT_TRUE(html.contains(QStringLiteral("<dt>Mentve</dt><dd>2024. 03. 15. 10:42:07</dd>")));
    EXPECT_TRUE(html.contains(QStringLiteral("<dt>Indításkor: áteresztett energia (J)</dt><dd>8,011 · 10⁻¹⁵</dd>")));
    EXPECT_TRUE(html.contains(QStringLiteral("<dt>E_min (keV)</dt><dd>46,741</dd>")));
    EXPECT_TRUE(html.contains(QStringLiteral("<article class=\"norecord flagged\">")));
    EXPECT_EQ(html.count(QStringLiteral("<p>A képben nincs adatlap.</p>")), 1);
    EXPECT_TRUE(html.contains(QStringLiteral("<p>A kép adatlapja hibás, ezért nem mutatható meg.</p>")));
    // Intact, but saved in class: the jury looks at it all the same.
    EXPECT_TRUE(html.contains(QStringLiteral("<article class=\"intact flagged\">")));
    EXPECT_TRUE(html.contains(QStringLiteral("<a href=\"#mappa-1\" class=\"flagged\">21</a>")));
    EXPECT_TRUE(html.contains(QStringLiteral("<a href=\"#mappa-2\" class=\"flagged\">22</a>")));
    EXPECT_EQ(html.count(QStringLiteral("<section")), 2);
}

// A folder linked under another contestant's code shows their pictures
// nowhere but in their own folder: the link is a row of the table, the CSV
// and the page, and the jury is told to look.
TEST_F(EvidenceCommand, APlantedLinkIsARowOfItsOwnEverywhere)
{
    Save(QStringLiteral("21/01_spektrum.jpg"), SealedTestPicture());
    ASSERT_TRUE(QFile::link(QStringLiteral("21"), Path(QStringLiteral("23"))));
    const QString csv = temporary.filePath(QStringLiteral("terem.csv"));
    const QString page = temporary.filePath(QStringLiteral("terem.html"));

    const CommandOutcome outcome = Run({Room()}, csv.toStdString(), page.toStdString());

    EXPECT_EQ(outcome.exitStatus, ExitFlagged);
    const QStringList lines = QString::fromStdString(outcome.output).split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 4) << outcome.output;
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("21     01_spektrum.jpg"))) << outcome.output;
    const QString link = QStringLiteral("ide mutat: ") + Path(QStringLiteral("21"));
    EXPECT_TRUE(lines[2].startsWith(QStringLiteral("terem  23    "))) << outcome.output;
    EXPECT_TRUE(lines[2].endsWith(QStringLiteral("  link: ") + link)) << outcome.output;
    EXPECT_EQ(lines[3], QStringLiteral("Összesen 1 kép: 1 rendben, 0 valószínűtlen, 0 módosítva, 0 nincs adat, "
                                       "0 hibás fájl; 1 link"));
    EXPECT_TRUE(Read(csv).contains(QStringLiteral("\nterem,23,link,") + link + u',')) << Read(csv).toStdString();
    const QString html = Read(page);
    EXPECT_TRUE(html.contains(QStringLiteral("<article class=\"link flagged\">")));
    EXPECT_TRUE(html.contains(QStringLiteral("<span class=\"link\">1 link</span>")));
    EXPECT_FALSE(html.contains(QStringLiteral("terem/23"))) << "the browser would follow the link";
}

TEST_F(EvidenceCommand, AnOutputThatCannotBeWrittenFails)
{
    Save(QStringLiteral("21/01_spektrum.jpg"), SealedTestPicture());
    const std::string missing = temporary.filePath(QStringLiteral("nincs/a")).toStdString();

    const CommandOutcome csv = Run({Room()}, missing + ".csv");
    EXPECT_EQ(csv.exitStatus, ExitFailed);
    EXPECT_EQ(csv.error, "vantor-cli: a CSV-fájl nem írható: nincs ilyen mappa (" + missing + ".csv)");
    EXPECT_NE(csv.output.find("rendben"), std::string::npos);
    const CommandOutcome html = Run({Room()}, {}, missing + ".html");
    EXPECT_EQ(html.exitStatus, ExitFailed);
    EXPECT_EQ(html.error, "vantor-cli: a HTML-oldal nem írható: nincs ilyen mappa (" + missing + ".html)");
}

// The jury's outputs never replace a contestant's picture, nor each other.
TEST_F(EvidenceCommand, AnOutputOnAPictureOrOnTheOtherOutputIsRefused)
{
    Save(QStringLiteral("21/01_spektrum.jpg"), SealedTestPicture());
    const QByteArray before = SealedTestPicture();

    const CommandOutcome onPicture = Run({Room()}, PathText(QStringLiteral("21/01_spektrum.jpg")));
    EXPECT_EQ(onPicture.exitStatus, ExitRefused);
    QFile picture(Path(QStringLiteral("21/01_spektrum.jpg")));
    ASSERT_TRUE(picture.open(QIODevice::ReadOnly));
    EXPECT_EQ(picture.readAll(), before);
    const std::string page = temporary.filePath(QStringLiteral("lap")).toStdString();
    EXPECT_EQ(Run({Room()}, page, page).exitStatus, ExitRefused);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(page)));
}

}

namespace {

TEST_F(EvidenceCommand, AFolderNameWithPercentSignsIsShownAsItIs)
{
    ASSERT_TRUE(QDir(temporary.path()).mkpath(QStringLiteral("terem/x%1y")));
    Save(QStringLiteral("x%1y/01_kep.jpg"), SealedTestPicture());
    const std::string page = temporary.filePath(QStringLiteral("lap.html")).toStdString();
    ASSERT_EQ(Run({PathText(QStringLiteral("x%1y"))}, {}, page).exitStatus, 0);
    EXPECT_TRUE(Read(QString::fromStdString(page)).contains(QStringLiteral("<h2>x%1y <small>(1 kép)</small></h2>")));
}

}
