#include "core/simulation.h"
#include "dialogs/qt_dialogs.h"
#include "ui/tform1.h"

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QIcon>

#include <cstdio>

namespace {

bool DisplayAvailable()
{
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        || !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

// The source files shipped with the program, found from its own folder as
// vantor-cli finds them; empty when there are none.
QString ShippedSourcesFolder()
{
    const QDir folder(QCoreApplication::applicationDirPath() + "/" VANTOR_SOURCES_FROM_PROGRAM);
    return folder.exists() ? folder.absolutePath() : QString();
}

}

int main(int argc, char* argv[])
{
    if (!DisplayAvailable()) {
        std::fputs("vantor: nincs grafikus kijelző (a DISPLAY nincs beállítva), az ablak nem nyitható meg.\n", stderr);
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName("Vantor");
    // Desktops match the window to its menu entry and icon by this name.
    QGuiApplication::setDesktopFileName("hu.vantor.Vantor");
    QIcon icon(":/icon/256.png");
    icon.addFile(":/icon/64.png");
    QApplication::setWindowIcon(icon);
    // The window's own typeface is not on this platform; its metric twin is.
    QFont::insertSubstitution("MS Sans Serif", "Liberation Sans");

    QtDialogs dialogs;
    Simulation sim;
    const StartMode mode =
        QCoreApplication::arguments().contains("--teacher") ? StartMode::Teacher : StartMode::Contest;
    WindowServices services{dialogs, QCoreApplication::applicationDirPath() + "/", [] { QCoreApplication::exit(0); },
                            mode, ShippedSourcesFolder()};
    TForm1 form(sim, services);
    sim.view = &form;
    form.show();
    return QApplication::exec();
}
