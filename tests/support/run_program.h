#pragma once

#include <QProcess>
#include <QString>

#include <string>

struct ProgramOutcome {
    int status;   // the exit status, or -1 when the program did not end by itself
    std::string output;
};

// Runs a program with its arguments written as on a command line (quotes
// group, as a shell's would) and gives what it wrote, with Windows' line
// ends read as Unix ones so that one expected text serves both systems.
inline ProgramOutcome RunProgram(const QString& program, const std::string& arguments,
                                 QProcess::ProcessChannelMode channels = QProcess::MergedChannels)
{
    QProcess process;
    process.setProcessChannelMode(channels);
    process.start(program, QProcess::splitCommand(QString::fromStdString(arguments)));
    const bool ended = process.waitForFinished(-1) && process.exitStatus() == QProcess::NormalExit;
    const std::string output = process.readAllStandardOutput().replace("\r\n", "\n").toStdString();
    return {ended ? process.exitCode() : -1, output};
}
