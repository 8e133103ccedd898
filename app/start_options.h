#pragma once

#include <QCommandLineOption>
#include <QList>
#include <QString>
#include <QStringList>

// What the command line asks of the program.
struct StartOptions {
    enum class Action { Run, ShowHelp, ShowVersion, Refuse };
    Action action = Action::Run;
    // --work-root; empty when not given.
    QString workRoot;
    // --teacher: the program for class, with the help pages and the choice of source.
    bool teacher = false;
    // Why the command line was refused, in one line.
    QString refusal;
};

inline constexpr int ExitNoDisplay = 1;
inline constexpr int ExitRefusedCommandLine = 2;

// The program's own options, which its command line is read by.
QList<QCommandLineOption> StartCommandLineOptions();

// arguments begin with the program's name, as QCoreApplication::arguments()
// gives them (Qt's own options, such as -platform, already taken out).
StartOptions ParseStartOptions(const QStringList& arguments);

// The text of --help, complete enough for the manual page to follow it;
// qtTranslationFile is where Qt's Hungarian texts are looked for,
// sourcesFolder where the shipped sources are (empty when there are none).
QString StartHelpText(const QString& qtTranslationFile, const QString& sourcesFolder);
