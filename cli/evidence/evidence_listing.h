#pragma once

#include <QString>

#include <string>
#include <variant>
#include <vector>

// A picture to check, and the folder it lies in, which names the contestant.
struct PictureFile {
    QString folder;   // the name of the folder that really holds it
    QString name;
    QString path;
    // Whose pictures the window saves into that folder: the contestant's
    // code for a contestant's folder, which is named by the code (a number),
    // JuryContestant for the work root, the folder that holds contestants'
    // folders; empty for any other folder.
    QString owner;
};

// A path given that does not exist, in one line that names it.
struct ListingError {
    std::string message;
};

// The pictures the paths name: a file as it is, whatever its name; a folder's
// JPEG files (*.jpg, *.jpeg, hidden ones too) and those of its direct
// subfolders, so that the folder holding the contestants' folders lists every
// contestant. Sorted by folder and then by name, each file once, in the
// folder it really lies in. A link among them (a symbolic link or a
// junction: a JPEG name, or a subfolder) is never followed but listed itself,
// in the folder that holds it, for CheckPictureFile to name; only a folder
// named in paths is looked into when it is a link.
std::variant<std::vector<PictureFile>, ListingError> ListPictures(const std::vector<std::string>& paths);
