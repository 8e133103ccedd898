#include "offscreen_gui.h"

#include <QGuiApplication>

void EnsureGuiApplication()
{
    if (QCoreApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The application keeps references to argc and argv for its whole life.
    static int argc = 1;
    static char name[] = "vantor-cli";
    static char* argv[] = {name, nullptr};
    static QGuiApplication application(argc, argv);
}
