#include "cli/evidence/evidence_command.h"
#include "cli/evidence/evidence_options.h"
#include "generated/vantor_version.h"
#include "tests/support/evidence_pictures.h"
#include "tests/support/run_program.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// openpyxl, a reader apart from the writer, reads the spreadsheet back
// and compares it with the CSV of the same run.
ProgramOutcome ReadBack(const char* kind, const QString& xlsx, const QString& csv)
{
    return RunProgram(QStringLiteral(VANTOR_PYTHON),
                      std::string(VANTOR_XLSX_READBACK) + " " + kind + " " + xlsx.toStdString() + " "
                          + csv.toStdString() + " " + VantorVersion);
}

TEST(Spreadsheet, AScanReadsBackAsTheCsvsNumbersUnderHungarianHeadings)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString csv = folder.filePath(QStringLiteral("scan.csv"));
    const QString xlsx = folder.filePath(QStringLiteral("scan.xlsx"));
    const ProgramOutcome scan = RunProgram(
        QStringLiteral(VANTOR_CLI_PATH), "scan --field 3000 --from 10 --to 150 --step 10 --count 2000 --seed 7 --unfold"
                                         " --csv " + csv.toStdString() + " --xlsx " + xlsx.toStdString());
    ASSERT_EQ(scan.status, 0) << scan.output;

    const ProgramOutcome read = ReadBack("scan", xlsx, csv);
    EXPECT_EQ(read.status, 0);
    EXPECT_EQ(read.output, "");
}

TEST(Spreadsheet, AJuryRoomReadsBackWithOneRowPerPicture)
{
    QTemporaryDir room;
    ASSERT_TRUE(room.isValid());
    ASSERT_TRUE(QDir(room.path()).mkpath(QStringLiteral("21")));
    ASSERT_TRUE(QDir(room.path()).mkpath(QStringLiteral("22")));
    EvidenceRecord other = MeasuredRecord(2000);
    other.contestant = "22";
    other.passWidthKeV = "Nem számolható";
    QByteArray modified = SealedTestPicture();
    modified[modified.size() / 2] ^= 1;
    ASSERT_TRUE(WriteBytes(room.filePath(QStringLiteral("21/01_spektrum.jpg")), SealedTestPicture()));
    ASSERT_TRUE(WriteBytes(room.filePath(QStringLiteral("21/02_spektrum.jpg")), modified));
    ASSERT_TRUE(WriteBytes(room.filePath(QStringLiteral("22/01_a.jpg")), SealedTestPicture(other)));
    ASSERT_TRUE(WriteBytes(room.filePath(QStringLiteral("22/02_b.jpg")), PlainJpeg()));

    QTemporaryDir outputs;
    ASSERT_TRUE(outputs.isValid());
    EvidenceOptions options;
    options.paths = {room.path().toStdString()};
    options.csvPath = outputs.filePath(QStringLiteral("zsuri.csv")).toStdString();
    options.xlsxPath = outputs.filePath(QStringLiteral("zsuri.xlsx")).toStdString();
    const CommandOutcome outcome = RunEvidenceCommand(options);
    ASSERT_EQ(outcome.error, "");

    const ProgramOutcome read = ReadBack("jury", QString::fromStdString(options.xlsxPath),
                                         QString::fromStdString(options.csvPath));
    EXPECT_EQ(read.status, 0);
    EXPECT_EQ(read.output, "");
}

}
