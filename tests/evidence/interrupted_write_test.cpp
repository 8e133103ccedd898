#include "files/file_writing.h"
#include "evidence/picture_check.h"
#include "tests/support/evidence_pictures.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Writes that a kill stopped just before the file took its name, in a
// contestant's folder.
class InterruptedWrite : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder.isValid()); }

    QString Path(const QString& name) const { return folder.filePath(name); }

    // Starts the writer; a held one waits until Release.
    void Start(const char* mode, const char* stop, const QString& path)
    {
        writer.start(QStringLiteral(VANTOR_INTERRUPTED_WRITE), {QString::fromLatin1(mode), QString::fromLatin1(stop), path});
        ASSERT_TRUE(writer.waitForStarted());
    }

    void RunKilled(const char* mode, const QString& path)
    {
        Start(mode, "kill", path);
        ASSERT_TRUE(writer.waitForFinished(30000));
        ASSERT_FALSE(writer.exitStatus() == QProcess::NormalExit && writer.exitCode() == 0)
            << "the writer was to be killed";
    }

    QStringList Leftovers() const
    {
        return QDir(folder.path()).entryList({QStringLiteral(".*.tmp")}, QDir::Files | QDir::Hidden);
    }

    static QByteArray Read(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir folder;
    QProcess writer;
};

// The name is never taken by a file that is not whole: the picture saved
// is in the temporary file, which the check names for the jury.
TEST_F(InterruptedWrite, AKilledSaveLeavesNoPictureUnderItsNameAndTheCheckNamesWhatIsLeft)
{
    RunKilled("new", Path(QStringLiteral("03_halfkep.jpg")));

    EXPECT_FALSE(QFileInfo::exists(Path(QStringLiteral("03_halfkep.jpg"))));
    const QStringList leftovers = Leftovers();
    ASSERT_EQ(leftovers.size(), 1);
    EXPECT_EQ(TemporaryCopyTarget(leftovers[0]), QStringLiteral("03_halfkep.jpg"));
    const PictureCheck check = CheckPictureFile(Path(leftovers[0]));
    EXPECT_EQ(check.status, EvidenceStatus::Leftover);
    EXPECT_EQ(check.reason, QStringLiteral("félbemaradt mentés maradéka, a neve 03_halfkep.jpg lett volna; a benne lévő "
                                           "kép: rendben"));
    EXPECT_TRUE(check.record.has_value());
    EXPECT_EQ(StatusText(check.status), QStringLiteral("ideiglenes fájl"));
    // A whole picture that is no leftover is named as it is.
    EXPECT_FALSE(TemporaryCopyTarget(QStringLiteral(".03_halfkep.jpg.tmp")).has_value());
    EXPECT_FALSE(TemporaryCopyTarget(QStringLiteral("03_halfkep.jpg.1a2b3c4d.tmp")).has_value());
}

// An output written again, the CSV of the next run, leaves neither the old
// file nor the killed write's leftover behind.
TEST_F(InterruptedWrite, AKilledReplacementKeepsTheOldFileAndTheNextWriteClearsWhatWasLeft)
{
    const QString csv = Path(QStringLiteral("s.csv"));
    ASSERT_TRUE(WriteBytes(csv, "regi"));

    RunKilled("replacing", csv);

    EXPECT_EQ(Read(csv), QByteArray("regi"));
    ASSERT_EQ(Leftovers().size(), 1);
    ASSERT_FALSE(WriteFileReplacing(csv, "uj").has_value());
    EXPECT_EQ(Read(csv), QByteArray("uj"));
    EXPECT_TRUE(Leftovers().isEmpty()) << Leftovers().join(u' ').toStdString();
}

// Two writes of one output at once: the one that is still writing keeps its
// temporary file, and both end with their file written.
TEST_F(InterruptedWrite, AWriteUnderWayIsNotClearedAsALeftover)
{
    const QString csv = Path(QStringLiteral("s.csv"));
    Start("replacing", "hold", csv);
    ASSERT_TRUE(writer.waitForReadyRead(30000));
    ASSERT_EQ(writer.readLine().trimmed(), QByteArray("ready"));

    ASSERT_FALSE(WriteFileReplacing(csv, "uj").has_value());
    EXPECT_EQ(Leftovers().size(), 1);
    writer.write("\n");
    ASSERT_TRUE(writer.waitForFinished(30000));

    EXPECT_EQ(writer.exitCode(), 0) << writer.readAllStandardError().toStdString();
    EXPECT_EQ(Read(csv), SealedTestPicture());
    EXPECT_TRUE(Leftovers().isEmpty());
}

}
