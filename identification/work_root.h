#pragma once

#include <QString>

// Where the folder that holds the contestant folders may come from, in the
// order they are tried. An empty text means "not given".
struct WorkRootCandidates {
    QString option;            // --work-root
    QString environment;       // VANTOR_WORK_ROOT
    QString programFolder;     // the program file's folder
    QString documentsFolder;   // the user's documents folder
};

// The folder that holds the contestant folders and the jury's pictures.
struct WorkRoot {
    // Absolute, with a trailing '/'.
    QString folder;
    // Empty when the folder is ready; otherwise the message for the user,
    // and nothing may be saved.
    QString error;
};

// The name of the folder made in the documents folder.
inline constexpr QLatin1StringView DocumentsSubfolder("Vantor");

// The option when given, else the environment variable when set, else the
// program's folder when it can be written, else the documents folder's
// "Vantor" folder, created when missing. A root named by the option or the
// environment is never created nor replaced by a later choice: a mistyped
// name is reported rather than silently worked around.
WorkRoot ChooseWorkRoot(const WorkRootCandidates& candidates);
