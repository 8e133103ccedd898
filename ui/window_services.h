#pragma once

#include "core/run_state.h"
#include "identification/work_root.h"

#include <chrono>
#include <functional>

class Dialogs;

// The contest program, or the same program for class after the contest, with
// the theory, the usage page and the choice of source.
enum class StartMode { Contest, Teacher };

// Where the window reads the time: the steady clock for how long the run
// goes, the wall clock for the moment a picture is saved.
struct WindowClock {
    std::function<RunClock::time_point()> steady = [] { return RunClock::now(); };
    std::function<std::chrono::system_clock::time_point()> wall = [] { return std::chrono::system_clock::now(); };
};

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
    WindowClock clock{};
};
