#include "core/simulation.h"
#include "dialogs/qt_dialogs.h"
#include "ui/tform1.h"

#include <QApplication>
#include <QFont>
#include <QIcon>

#include <cstdio>

namespace {

bool DisplayAvailable()
{
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        || !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
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
    WindowServices services{dialogs, QCoreApplication::applicationDirPath() + "/", [] { QCoreApplication::exit(0); }};
    TForm1 form(sim, services);
    sim.view = &form;
    form.show();
    return QApplication::exec();
}
