#include "app/typefaces.h"

#include <QApplication>

#include <gtest/gtest.h>

// GUI tests run on the offscreen platform, with no desktop theme that could
// bring native dialogs, and measure their texts in the program's typefaces.
int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qunsetenv("QT_QPA_PLATFORMTHEME");
    QApplication app(argc, argv);
    QApplication::setApplicationName("Vantor");
    UseMetricTwinTypefaces();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
