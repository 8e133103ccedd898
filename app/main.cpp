#include "app/console_output.h"
#include "app/start_options.h"
#include "app/typefaces.h"
#include "core/simulation.h"
#include "dialogs/qt_dialogs.h"
#include "generated/vantor_version.h"
#include "identification/work_root.h"
#include "spectrum/shipped_sources_folder.h"
#include "translation/qt_translation.h"
#include "ui/tform1.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QLocale>
#include <QStandardPaths>
#include <QTranslator>

#include <cstdio>
#include <cstring>
#include <memory>

namespace {

bool DisplayAvailable(int argc, char* argv[])
{
#ifdef Q_OS_WIN
    // A Windows session always has its desktop.
    return true;
#endif
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            return true;
    }
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        || !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

void Print(std::FILE* stream, const QString& text)
{
    std::fputs(text.toUtf8().constData(), stream);
}

// Help, the version and a refused command line are answered without a
// display, so only the window needs a graphical application object.
std::unique_ptr<QCoreApplication> MakeApplication(int& argc, char* argv[], bool display)
{
    if (display)
        return std::make_unique<QApplication>(argc, argv);
    return std::make_unique<QCoreApplication>(argc, argv);
}

// The source files shipped with the program; empty when there are none.
QString ShippedSources()
{
    const QDir folder(QString::fromStdU16String(ShippedSourcesFolder().u16string()));
    return folder.exists() ? folder.absolutePath() : QString();
}

}

int main(int argc, char* argv[])
{
    UseParentConsole();
    const bool display = DisplayAvailable(argc, argv);
    const std::unique_ptr<QCoreApplication> app = MakeApplication(argc, argv, display);
    QCoreApplication::setApplicationName("Vantor");

    QTranslator qtTexts;
    if (!InstallTranslation(qtTexts, QtHungarianFile()))
        Print(stderr, QStringLiteral("vantor: a Qt magyar fordítása nem tölthető be (%1), a párbeszédablakok "
                                     "angolul jelennek meg.\n")
                          .arg(QDir::toNativeSeparators(QtHungarianFile())));

    // What Qt writes by the default locale, such as the file types in the
    // file dialog, in Hungarian; the window's own numbers keep their points
    // whatever the locale.
    QLocale::setDefault(QLocale(QLocale::Hungarian, QLocale::Hungary));

    const StartOptions options = ParseStartOptions(QCoreApplication::arguments());
    switch (options.action) {
    case StartOptions::Action::ShowHelp:
        Print(stdout, StartHelpText(QDir::toNativeSeparators(QtHungarianFile()),
                                    QDir::toNativeSeparators(ShippedSources())));
        return 0;
    case StartOptions::Action::ShowVersion:
        std::printf("%s\n", VantorVersion);
        return 0;
    case StartOptions::Action::Refuse:
        Print(stderr, QStringLiteral("vantor: %1\nA lehetőségeket a vantor --help sorolja fel.\n").arg(options.refusal));
        return ExitRefusedCommandLine;
    case StartOptions::Action::Run:
        break;
    }
    if (!display) {
        std::fputs("vantor: nincs grafikus kijelző (a DISPLAY nincs beállítva), az ablak nem nyitható meg.\n", stderr);
        return ExitNoDisplay;
    }

    // Desktops match the window to its menu entry and icon by this name.
    QGuiApplication::setDesktopFileName("hu.vantor.Vantor");
    QIcon icon(":/icon/256.png");
    icon.addFile(":/icon/64.png");
    QApplication::setWindowIcon(icon);

    UseMetricTwinTypefaces();
    const WorkRoot root = ChooseWorkRoot({options.workRoot, qEnvironmentVariable("VANTOR_WORK_ROOT"),
                                          QCoreApplication::applicationDirPath(),
                                          QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)});
    QtDialogs dialogs;
    Simulation sim;
    WindowServices services{dialogs, root, [] { QCoreApplication::exit(0); },
                            options.teacher ? StartMode::Teacher : StartMode::Contest, ShippedSources()};
    TForm1 form(sim, services);
    form.show();
    return QApplication::exec();
}
