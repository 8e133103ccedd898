#include <QApplication>

#include <gtest/gtest.h>

// GUI tests run on the offscreen platform, with no desktop theme that could
// bring native dialogs.
int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qunsetenv("QT_QPA_PLATFORMTHEME");
    QApplication app(argc, argv);
    QApplication::setApplicationName("Vantor");
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
