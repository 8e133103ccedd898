#pragma once

#include "identification/work_root.h"

#include <functional>

class Dialogs;

// What the main window needs from the world around it; tests give their own.
struct WindowServices {
    Dialogs& dialogs;
    // The folder of the contestant folders and the jury's pictures.
    WorkRoot workRoot;
    // Ends the program at once, without the closing question.
    std::function<void()> endProgram;
};
