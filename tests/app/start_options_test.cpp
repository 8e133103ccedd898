#include "app/start_options.h"
#include "tests/support/manual_page.h"

#include <gtest/gtest.h>

#include <QRegularExpression>

#include <set>
#include <string>

namespace {

using Action = StartOptions::Action;

StartOptions Parse(const QStringList& arguments)
{
    return ParseStartOptions(QStringList{QStringLiteral("vantor")} + arguments);
}

TEST(StartOptions, WorkRootHelpAndVersion)
{
    const StartOptions plain = Parse({});
    EXPECT_EQ(plain.action, Action::Run);
    EXPECT_TRUE(plain.workRoot.isEmpty());
    for (const QStringList& arguments : {QStringList{"--work-root", "/srv/verseny"}, {"--work-root=/srv/verseny"}}) {
        const StartOptions options = Parse(arguments);
        EXPECT_EQ(options.action, Action::Run) << arguments.join(' ').toStdString();
        EXPECT_EQ(options.workRoot, "/srv/verseny");
    }
    EXPECT_EQ(Parse({"--help"}).action, Action::ShowHelp);
    EXPECT_EQ(Parse({"-h"}).action, Action::ShowHelp);
    EXPECT_EQ(Parse({"--version"}).action, Action::ShowVersion);
}

TEST(StartOptions, TeacherModeIsAskedForByItsOption)
{
    EXPECT_FALSE(Parse({}).teacher);
    const StartOptions teacher = Parse({"--teacher", "--work-root", "/srv/tanora"});
    EXPECT_EQ(teacher.action, Action::Run);
    EXPECT_TRUE(teacher.teacher);
    EXPECT_EQ(teacher.workRoot, "/srv/tanora");
}

TEST(StartOptions, RefusedCommandLines)
{
    const StartOptions unknown = Parse({"--tanar"});
    EXPECT_EQ(unknown.action, Action::Refuse);
    EXPECT_TRUE(unknown.refusal.contains("tanar")) << unknown.refusal.toStdString();
    EXPECT_EQ(Parse({"--work-root"}).action, Action::Refuse);
    EXPECT_EQ(Parse({"--work-root="}).refusal, "A --work-root után hiányzik a mappa neve.");
    EXPECT_EQ(Parse({"/srv/verseny"}).refusal, "Fölösleges argumentum: „/srv/verseny”.");
    EXPECT_EQ(Parse({"--help", "--bogus"}).action, Action::Refuse);
}

TEST(StartOptions, HelpNamesEveryOptionTheOrderOfRootsAndTheTranslation)
{
    const QString help = StartHelpText("/usr/share/qt6/translations/qtbase_hu.qm", "/usr/share/vantor/sources");
    for (const char* part : {"--work-root MAPPA", "--teacher", "--version", "-h, --help", "VANTOR_WORK_ROOT",
                             "a program saját mappája", "/usr/share/qt6/translations/qtbase_hu.qm", "Kilépési kód",
                             "/usr/share/vantor/sources\n"})
        EXPECT_TRUE(help.contains(QString::fromUtf8(part))) << part;
#ifdef Q_OS_WIN
    EXPECT_FALSE(help.contains(QStringLiteral("Debian"))) << "Windows has no packages to name";
#else
    EXPECT_TRUE(help.contains(QStringLiteral("~/Documents")));
#endif
    EXPECT_FALSE(StartHelpText("/x/qtbase_hu.qm", QString()).contains(QStringLiteral("szállított források (")));
}

// The options are read from the parser's own table, so that a new option
// without its help or its manual entry fails here.
TEST(StartOptions, EveryOptionIsInTheHelpAndInTheManualPage)
{
    const QString help = StartHelpText("/usr/share/qt6/translations/qtbase_hu.qm", "/usr/share/vantor/sources");
    const QString optionsPart = help.section(QStringLiteral("\nKapcsolók:\n"), 1).section(QStringLiteral("\n\n"), 0, 0);
    ASSERT_FALSE(optionsPart.isEmpty()) << help.toStdString();
    const std::string manual = VANTOR_MAN_DIR "/vantor.1";
    const std::set<std::string> entries = ManualEntries(manual, "KAPCSOLÓK");
    for (const QCommandLineOption& option : StartCommandLineOptions()) {
        for (const QString& name : option.names()) {
            const QString written = (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
            const QString entry = option.valueName().isEmpty() ? written : written + ' ' + option.valueName();
            const QRegularExpression inHelp(QStringLiteral("(^|[ ,])%1([ ,]|$)").arg(QRegularExpression::escape(entry)),
                                            QRegularExpression::MultilineOption);
            EXPECT_TRUE(optionsPart.contains(inHelp)) << entry.toStdString() << "\n" << optionsPart.toStdString();
            EXPECT_TRUE(entries.contains(written.toStdString())) << written.toStdString() << " has no entry in " << manual;
        }
    }
}

}
