#include "identification/work_root.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// No one, root included, can create a file in /proc, while permission bits
// do not stop root.
const QString Unwritable = QStringLiteral("/proc");

// A folder as messages show it: absolute, in the system's own way
// ("Z:\proc\" under Wine).
QString Shown(const QString& folder)
{
    return QDir::toNativeSeparators(QFileInfo(folder).absoluteFilePath());
}

class WorkRootChoice : public testing::Test {
protected:
    void SetUp() override
    {
        for (const QTemporaryDir* dir : {&option, &environment, &program, &documents})
            ASSERT_TRUE(dir->isValid());
    }

    static QString Folder(const QTemporaryDir& dir) { return dir.path() + u'/'; }

    WorkRoot Choose(const QString& optionFolder, const QString& environmentFolder, const QString& programFolder)
    {
        return ChooseWorkRoot({optionFolder, environmentFolder, programFolder, documents.path()});
    }

    QTemporaryDir option;
    QTemporaryDir environment;
    QTemporaryDir program;
    QTemporaryDir documents;
};

TEST_F(WorkRootChoice, OptionThenEnvironmentThenProgramFolderThenDocuments)
{
    const WorkRoot byOption = Choose(option.path(), environment.path(), program.path());
    EXPECT_EQ(byOption.folder, Folder(option));
    EXPECT_TRUE(byOption.error.isEmpty());

    const WorkRoot byEnvironment = Choose(QString(), environment.path(), program.path());
    EXPECT_EQ(byEnvironment.folder, Folder(environment));
    EXPECT_TRUE(byEnvironment.error.isEmpty());

    const WorkRoot byProgram = Choose(QString(), QString(), Folder(program));
    EXPECT_EQ(byProgram.folder, Folder(program));
    EXPECT_TRUE(byProgram.error.isEmpty());

    const WorkRoot byDocuments = Choose(QString(), QString(), Unwritable);
    EXPECT_EQ(byDocuments.folder, documents.path() + QStringLiteral("/Vantor/"));
    EXPECT_TRUE(byDocuments.error.isEmpty());
    EXPECT_TRUE(QFileInfo(byDocuments.folder).isDir());
    EXPECT_EQ(Choose(QString(), QString(), Unwritable).folder, byDocuments.folder);

    // Nothing is left behind by the tests of writing.
    for (const QTemporaryDir* dir : {&option, &environment, &program})
        EXPECT_TRUE(QDir(dir->path()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
}

TEST_F(WorkRootChoice, ARelativeRootIsFixedAtStart)
{
    const QString startFolder = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(program.path()));
    ASSERT_TRUE(QDir().mkdir(QStringLiteral("verseny")));
    const WorkRoot root = Choose(QStringLiteral("verseny"), QString(), QString());
    QDir::setCurrent(startFolder);
    EXPECT_EQ(root.folder, program.path() + QStringLiteral("/verseny/"));
    EXPECT_TRUE(root.error.isEmpty());
}

// A lab may give a whole drive, such as D:\, for the work root.
TEST_F(WorkRootChoice, TheRootOfADriveKeepsItsOneSlash)
{
    const QString drive = QFileInfo(QStringLiteral("/")).absoluteFilePath();
    EXPECT_EQ(Choose(drive, QString(), QString()).folder, drive);
}

TEST_F(WorkRootChoice, ANamedRootMustExistAndBeWritable)
{
    const QString missing = option.path() + QStringLiteral("/nincs");
    const WorkRoot missingByOption = Choose(missing, environment.path(), program.path());
    EXPECT_EQ(missingByOption.error,
              QStringLiteral("A --work-root kapcsolóval megadott munkamappa nem létezik: %1\n"
                             "A versenyzők mappái nem hozhatók létre, és képet sem lehet menteni.")
                  .arg(QDir::toNativeSeparators(missing + u'/')));
    EXPECT_FALSE(QFileInfo::exists(missing));

    QFile file(missing);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    EXPECT_TRUE(Choose(missing, QString(), program.path()).error.contains(QStringLiteral("nem létezik")));

    const WorkRoot unwritableByOption = Choose(Unwritable, QString(), program.path());
    EXPECT_TRUE(unwritableByOption.error.startsWith(
        QStringLiteral("A --work-root kapcsolóval megadott munkamappába nem lehet írni: %1\n")
            .arg(Shown(Unwritable + u'/'))));

    const WorkRoot missingByEnvironment = Choose(QString(), missing + u'2', program.path());
    EXPECT_TRUE(missingByEnvironment.error.startsWith(
        QStringLiteral("A VANTOR_WORK_ROOT környezeti változóban megadott munkamappa nem létezik: ")));
    const WorkRoot unwritableByEnvironment = Choose(QString(), Unwritable, program.path());
    EXPECT_TRUE(unwritableByEnvironment.error.startsWith(
        QStringLiteral("A VANTOR_WORK_ROOT környezeti változóban megadott munkamappába nem lehet írni: ")));
}

TEST_F(WorkRootChoice, DocumentsThatCannotTakeTheFolderAreReported)
{
    const WorkRoot root = ChooseWorkRoot({QString(), QString(), Unwritable, Unwritable});
    EXPECT_EQ(root.error, QStringLiteral("A munkamappa nem hozható létre, vagy nem lehet beleírni: %1\n"
                                         "A versenyzők mappái nem hozhatók létre, és képet sem lehet menteni.")
                              .arg(Shown(Unwritable + QStringLiteral("/Vantor/"))));
    EXPECT_FALSE(ChooseWorkRoot({QString(), QString(), Unwritable, QString()}).error.isEmpty());
}

}
