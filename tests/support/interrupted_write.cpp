#include "files/file_writing.h"
#include "tests/support/evidence_pictures.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>
#include <iostream>
#include <string>

#ifdef _WIN32
#include <windows.h>
#else
#include <csignal>
#endif

namespace {

// Ends the program at once, as the task manager or a power cut would: no
// destructor and no clean-up runs.
void Kill()
{
#ifdef _WIN32
    TerminateProcess(GetCurrentProcess(), 9);
#else
    std::raise(SIGKILL);
#endif
}

void WaitForALine()
{
    std::puts("ready");
    std::fflush(stdout);
    std::string line;
    std::getline(std::cin, line);
}

}

// Writes a sealed picture to PATH, as a new file or replacing one, and stops
// just before it takes its name: killed, or held until a line comes on the
// standard input.
//
//   interrupted_write new|replacing kill|hold PATH
int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 4)
        return 2;
    const BeforeNaming stop = arguments[2] == QStringLiteral("kill") ? BeforeNaming(Kill) : BeforeNaming(WaitForALine);
    const QByteArray picture = SealedTestPicture();
    const std::optional<WriteFailure> failure = arguments[1] == QStringLiteral("new")
                                                    ? WriteNewFile(arguments[3], picture, stop)
                                                    : WriteFileReplacing(arguments[3], picture, AtLink::Refuse, stop);
    if (failure) {
        std::fprintf(stderr, "%s\n", qPrintable(FaultText(*failure)));
        return 1;
    }
    return 0;
}
