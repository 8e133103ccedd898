#include "files/file_writing.h"
#include "ui/picture_numbering.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>
#include <iostream>
#include <string>

// A second window, as far as saving goes: the numbering tests start two of
// these at once. Each says "ready", waits for a line on its standard input so
// that both begin together, then saves COUNT numbered pictures filled with
// MARK into FOLDER.
//
//   numbered_saver FOLDER MARK COUNT
int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 4)
        return 2;
    const QString folder = arguments[1] + u'/';
    const char mark = arguments[2].at(0).toLatin1();
    const int count = arguments[3].toInt();

    std::puts("ready");
    std::fflush(stdout);
    std::string go;
    std::getline(std::cin, go);
    for (int i = 0; i < count; ++i) {
        const QByteArray picture = QByteArray(20000, mark) + QByteArray::number(i);
        const NumberedSave save = SaveNumberedFile(folder, QStringLiteral("kep"), picture);
        if (save.failure) {
            std::fprintf(stderr, "%s\n", qPrintable(FaultText(*save.failure)));
            return 1;
        }
    }
    return 0;
}
