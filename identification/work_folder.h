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
    // Nothing may be saved: the folder is not the contestant's own.
    bool refused = false;
};

// The title of the box that shows WorkPlace::error.
inline constexpr QLatin1StringView WorkPlaceErrorTitle("*** HIBA ***");

// Makes the working place of the accepted code the current directory,
// creating a contestant's folder inside rootFolder (which ends with '/')
// on first use and reusing it later. On failure the current directory is
// left alone and workFolder still names the missing folder, so that saving
// there fails where the user can see it instead of landing elsewhere.
// A contestant's folder that is a link, or that lies outside rootFolder, is
// refused: in a shared root anyone could have planted it to collect another's
// pictures; the jury's root itself may be a link.
WorkPlace EnterWorkPlace(const QString& rootFolder, const QString& code);

// Why the contestant's folder inside rootFolder may not hold pictures now (a
// link, another account's folder, one that others may write); empty when it
// may. Asked again at every save: in a root without the sticky bit another
// account can swap the folder after the start.
QString ContestantFolderRefusal(const QString& rootFolder, const QString& code);
