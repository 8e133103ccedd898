#pragma once

#include <QLatin1StringView>
#include <QString>

// Where the identified user works for the rest of the program run.
struct WorkPlace {
    // The contestant's own folder with a trailing '/'; empty for the jury,
    // whose pictures go to the current directory, the work root.
    QString workFolder;
    // Where the open and save dialogs start.
    QString dialogFolder;
    // Empty when the folder is ready; otherwise the message for the user.
    QString error;
};

// The title of the box that shows WorkPlace::error.
inline constexpr QLatin1StringView WorkPlaceErrorTitle("*** HIBA ***");

// Makes the working place of the accepted code the current directory,
// creating a contestant's folder inside rootFolder (which ends with '/')
// on first use and reusing it later. On failure the current directory is
// left alone and workFolder still names the missing folder, so that saving
// there fails where the user can see it instead of landing elsewhere.
WorkPlace EnterWorkPlace(const QString& rootFolder, const QString& code);
