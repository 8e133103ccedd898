#pragma once

#include <QString>

#include <functional>

class Dialogs;

// What the main window needs from the world around it; tests give their own.
struct WindowServices {
    Dialogs& dialogs;
    // The folder of the program file, with its trailing separator.
    QString programFolder;
    // Ends the program at once, without the closing question.
    std::function<void()> endProgram;
};
