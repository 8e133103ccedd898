#pragma once

#include "identification/work_root.h"

#include <functional>

class Dialogs;

// The contest program, or the same program for class after the contest, with
// the theory, the usage page and the choice of source.
enum class StartMode { Contest, Teacher };

// What the main window needs from the world around it; tests give their own.
struct WindowServices {
    Dialogs& dialogs;
    // The folder of the contestant folders and the jury's pictures.
    WorkRoot workRoot;
    // Ends the program at once, without the closing question.
    std::function<void()> endProgram;
    StartMode mode = StartMode::Contest;
    // The source files shipped with the program, offered beside the open
    // dialog's list; empty when none are found.
    QString sourcesFolder{};
};
