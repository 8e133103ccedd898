#include "tests/support/evidence_pictures.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <sys/wait.h>

namespace {

struct Outcome {
    int status;
    std::string output;   // standard output and standard error together
};

// Runs vantor-cli through the shell, which may set limits first.
Outcome RunShell(const std::string& command)
{
    FILE* pipe = popen((command + " 2>&1").c_str(), "r");
    Outcome outcome{-1, {}};
    if (!pipe)
        return outcome;
    char buffer[4096];
    std::size_t read;
    while ((read = fread(buffer, 1, sizeof buffer, pipe)) > 0)
        outcome.output.append(buffer, read);
    const int status = pclose(pipe);
    outcome.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return outcome;
}

QByteArray Contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

bool Succeeds(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished() && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

// A room of pictures, and an output folder holding the reports and the scan
// of an earlier run, which a failed run must leave byte for byte.
class OutputFiles : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(temporary.isValid());
        ASSERT_TRUE(QDir(temporary.path()).mkpath(QStringLiteral("terem/21")));
        ASSERT_TRUE(QDir(temporary.path()).mkpath(QStringLiteral("ki")));
        SavePictures(1);
    }

    void SavePictures(int count)
    {
        for (int i = 0; i < count; ++i)
            ASSERT_TRUE(WriteBytes(temporary.filePath(QStringLiteral("terem/21/%1_kep.jpg").arg(i, 2, 10, QChar(u'0'))),
                                   SealedTestPicture()));
    }

    std::string Cli() const { return VANTOR_CLI_PATH; }
    std::string Room() const { return temporary.filePath(QStringLiteral("terem")).toStdString(); }
    QString Output(const QString& name) const { return outputs + u'/' + name; }
    std::string OutputText(const QString& name) const { return Output(name).toStdString(); }

    std::string Reports() const
    {
        return Cli() + " evidence " + Room() + " --csv " + OutputText("e.csv") + " --xlsx " + OutputText("e.xlsx")
            + " --html " + OutputText("e.html");
    }
    std::string Scan() const
    {
        return Cli() + ScanSettings + " --csv " + OutputText("s.csv") + " --xlsx " + OutputText("s.xlsx") + " --plot "
            + OutputText("s.png");
    }
    // The spreadsheets alone, so that they are what meets the fault.
    std::string Spreadsheets(const std::string& evidence, const std::string& scan) const
    {
        return "(" + Cli() + " evidence " + Room() + " --xlsx " + evidence + "; " + Cli() + ScanSettings + " --xlsx " + scan
            + ")";
    }
    static constexpr const char* ScanSettings = " scan --field 1000 --from 10 --to 30 --step 10 --count 100";

    // Writes the earlier outputs, and notes them.
    void WriteEarlierOutputs()
    {
        ASSERT_EQ(RunShell(Reports()).status, 0);
        ASSERT_EQ(RunShell(Scan()).status, 0);
        for (const QString& name : Names)
            earlier << Contents(Output(name));
    }

    void ExpectEarlierOutputs(const QStringList& alsoThere = {})
    {
        for (qsizetype i = 0; i < Names.size(); ++i)
            EXPECT_EQ(Contents(Output(Names[i])), earlier[i]) << Names[i].toStdString();
        QStringList expected = Names + alsoThere;
        expected.sort();
        EXPECT_EQ(QDir(outputs).entryList(QDir::Files | QDir::Hidden, QDir::Name), expected);
    }

    const QStringList Names{QStringLiteral("e.csv"), QStringLiteral("e.html"), QStringLiteral("e.xlsx"),
                            QStringLiteral("s.csv"), QStringLiteral("s.png"), QStringLiteral("s.xlsx")};
    QTemporaryDir temporary;
    QString outputs = temporary.filePath(QStringLiteral("ki"));
    QList<QByteArray> earlier;
};

// The reports are far smaller than Qt's write buffer, so that only the last
// flush fails: the case where renaming regardless destroyed the earlier file.
TEST_F(OutputFiles, AFailedFlushLeavesTheEarlierOutputs)
{
    WriteEarlierOutputs();
    SavePictures(8);
    // dash counts the limit in 512-byte blocks; a process over it is told so
    // by a failed write, not killed, when the signal is ignored.
    for (const std::string& command : {Reports(), Scan()}) {
        const Outcome outcome = RunShell("trap '' XFSZ; ulimit -f 2; exec " + command);
        EXPECT_EQ(outcome.status, 1) << outcome.output;
        EXPECT_NE(outcome.output.find("nem írható: "), std::string::npos) << outcome.output;
    }
    ExpectEarlierOutputs();
}

// A full disk: a small file system of its own, which only root can mount.
class FullDisk : public OutputFiles {
protected:
    void SetUp() override
    {
        OutputFiles::SetUp();
        if (!Succeeds(QStringLiteral("mount"), {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                                           QStringLiteral("size=1m"), QStringLiteral("tmpfs"), outputs}))
            GTEST_SKIP() << "a small file system cannot be mounted here (not root)";
        mounted = true;
    }

    void TearDown() override
    {
        if (mounted)
            Succeeds(QStringLiteral("umount"), {outputs});
    }

    void FillTheDisk()
    {
        QFile filler(Output(QStringLiteral("toltelek")));
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly));
        const QByteArray block(4096, 'x');
        while (filler.write(block) == block.size() && filler.flush()) {
        }
    }

    bool mounted = false;
};

TEST_F(FullDisk, EveryOutputNamesTheCauseAndLeavesTheEarlierOne)
{
    WriteEarlierOutputs();
    SavePictures(8);
    FillTheDisk();
    for (const std::string& command : {Reports(), Scan()}) {
        const Outcome outcome = RunShell(command);
        EXPECT_EQ(outcome.status, 1) << outcome.output;
        EXPECT_NE(outcome.output.find("nem írható: megtelt a lemez ("), std::string::npos) << outcome.output;
    }
    ExpectEarlierOutputs({QStringLiteral("toltelek")});
}

// Room for blocks but none for another file: the temporary beside each
// output cannot be made.
TEST_F(FullDisk, AFileSystemWithoutRoomForAnotherFileIsNamed)
{
    WriteEarlierOutputs();
    const std::string folder = outputs.toStdString();
    ASSERT_EQ(RunShell("mount -o remount,nr_inodes=$(($(stat -f -c '%c-%d' " + folder + "))) " + folder).status, 0);
    for (const std::string& command : {Reports(), Scan()}) {
        const Outcome outcome = RunShell(command);
        EXPECT_EQ(outcome.status, 1) << outcome.output;
        EXPECT_NE(outcome.output.find("nem írható: a lemezen nem hozható létre több fájl ("), std::string::npos)
            << outcome.output;
    }
    ExpectEarlierOutputs();
}

// libxlsxwriter writes its own files in the temporary folder first: a full
// disk there, or where the spreadsheet goes, leaves nothing in either.
TEST_F(FullDisk, ASpreadsheetLeavesNothingOnAFullDisk)
{
    WriteEarlierOutputs();
    SavePictures(8);
    FillTheDisk();
    for (const std::string& command : {Spreadsheets(OutputText("e.xlsx"), OutputText("s.xlsx")),
                                       Spreadsheets(OutputText("e.xlsx"), OutputText("s.xlsx"))
                                           .replace(0, 0, "export TMPDIR=" + outputs.toStdString() + "; ")}) {
        const Outcome outcome = RunShell(command);
        EXPECT_EQ(outcome.status, 1) << outcome.output;
        const QString said = QString::fromStdString(outcome.output);
        EXPECT_EQ(said.count(QStringLiteral("vantor-cli: a munkafüzet nem írható: megtelt a lemez (")), 2) << outcome.output;
    }
    ExpectEarlierOutputs({QStringLiteral("toltelek")});
    EXPECT_EQ(QDir(outputs).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
}

TEST_F(FullDisk, AReadOnlyFileSystemIsNamed)
{
    WriteEarlierOutputs();
    ASSERT_TRUE(Succeeds(QStringLiteral("mount"), {QStringLiteral("-o"), QStringLiteral("remount,ro"), outputs}));
    const Outcome outcome = RunShell(Reports());
    EXPECT_EQ(outcome.status, 1);
    EXPECT_NE(outcome.output.find("nem írható: csak olvasható a fájlrendszer ("), std::string::npos)
        << outcome.output;
    ExpectEarlierOutputs();
}

// Root passes every permission check, so an ordinary user runs the program.
TEST_F(OutputFiles, AFolderTheUserCannotWriteIsNamed)
{
    if (!Succeeds(QStringLiteral("runuser"), {QStringLiteral("-u"), QStringLiteral("nobody"), QStringLiteral("--"),
                                         QStringLiteral("true")}))
        GTEST_SKIP() << "no ordinary user to run as (not root)";
    WriteEarlierOutputs();
    // The pictures readable by all, the outputs' folder writable by root alone.
    ASSERT_TRUE(Succeeds(QStringLiteral("chmod"), {QStringLiteral("-R"), QStringLiteral("a+rX"), temporary.path()}));
    const Outcome outcome = RunShell("runuser -u nobody -- " + Reports());
    EXPECT_EQ(outcome.status, 1);
    EXPECT_NE(outcome.output.find("nem írható: nincs írási jog ("), std::string::npos) << outcome.output;
    ExpectEarlierOutputs();
}

}

namespace {

// Someone planted links where the jury's outputs will go, to another
// user's file: that file is never written, through the link or otherwise.
TEST_F(OutputFiles, APlantedLinkAtAnOutputIsNotFollowed)
{
    auto victim = [&](const QString& name) { return temporary.filePath(QStringLiteral("masoke-") + name); };
    for (const QString& name : Names) {
        ASSERT_TRUE(WriteBytes(victim(name), "valaki más fájlja"));
        ASSERT_TRUE(QFile::link(victim(name), Output(name)));
    }
    for (const std::string& command : {Reports(), Scan()}) {
        const Outcome outcome = RunShell(command);
        EXPECT_EQ(outcome.status, 1) << outcome.output;
        EXPECT_NE(outcome.output.find("nem írható: a helyén szimbolikus link áll ("), std::string::npos)
            << outcome.output;
    }
    for (const QString& name : Names) {
        EXPECT_EQ(Contents(victim(name)), QByteArray("valaki más fájlja"));
        EXPECT_TRUE(QFileInfo(Output(name)).isSymLink());
    }

    // Named by the path it resolves to, the file is the jury's own choice.
    const std::string chosen = victim(QStringLiteral("e.csv")).toStdString();
    EXPECT_EQ(RunShell(Cli() + " evidence " + Room() + " --csv " + chosen).status, 0);
    EXPECT_TRUE(Contents(victim(QStringLiteral("e.csv"))).startsWith("folder,file,status"));
}

// A link planted at a folder on the way leads as far as one at the name.
TEST_F(OutputFiles, APlantedLinkAtAFolderOnTheWayIsNotFollowed)
{
    const QString elsewhere = temporary.filePath(QStringLiteral("masoke"));
    ASSERT_TRUE(QDir().mkdir(elsewhere));
    for (const QString& name : Names)
        ASSERT_TRUE(WriteBytes(elsewhere + u'/' + name, "valaki más fájlja"));
    ASSERT_TRUE(QFile::link(elsewhere, Output(QStringLiteral("mappa"))));
    outputs = Output(QStringLiteral("mappa"));
    for (const std::string& command : {Reports(), Scan()}) {
        const Outcome outcome = RunShell(command);
        EXPECT_EQ(outcome.status, 1) << outcome.output;
        EXPECT_NE(outcome.output.find("nem írható: szimbolikus link áll az útvonalában: "
                                      + temporary.filePath(QStringLiteral("ki/mappa")).toStdString() + " ("),
                  std::string::npos)
            << outcome.output;
    }
    for (const QString& name : Names)
        EXPECT_EQ(Contents(elsewhere + u'/' + name), QByteArray("valaki más fájlja"));
    EXPECT_EQ(QDir(elsewhere).entryList(QDir::Files | QDir::Hidden).size(), Names.size());

    // Named by the path the link resolves to, the folder is the jury's own choice.
    outputs = elsewhere;
    EXPECT_EQ(RunShell(Reports()).status, 0);
    EXPECT_TRUE(Contents(elsewhere + QStringLiteral("/e.csv")).startsWith("folder,file,status"));
}

}
