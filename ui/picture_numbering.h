#pragma once

#include "files/file_writing.h"

#include <QByteArrayView>
#include <QString>

#include <optional>

// Where "Képernyő mentése" puts a picture: workFolder (ending with '/', or
// empty for the current folder) + number + "_" + name + ".jpg", where name
// is the file-name part of chosenPath, any extension typed kept, so that
// 'spektrum.jpg' gives '04_spektrum.jpg.jpg'.
//
// The number is one more than the largest two-digit prefix among the *.jpg
// names of the folder (names whose first two characters are decimal digits;
// '7_abc.jpg' and 'ab.jpg' do not count), or 1 when there is none. A number
// already in use, by a name beginning with it and "_" or by the resulting
// name itself, is passed over for the next one, so an earlier picture is
// never replaced; so is the number of a save that was killed before its
// picture took its name (see TemporaryCopyTarget). Numbers have two digits up to 99 and go on with 100, 101,
// ... rather than starting again.
QString NumberedPicturePath(const QString& workFolder, const QString& chosenPath);

// Whether Windows would refuse the name the contestant typed, or take part of
// it for a drive or a stream and save the picture under another name:
// chosenPath is as the file dialog gives it, with '/' between folders.
bool WindowsRefusesName(const QString& chosenPath);

// The box's text when it does.
QString WindowsRefusedNameText();

// Where a numbered picture went, or why it could not be written there.
struct NumberedSave {
    QString path;
    std::optional<WriteFailure> failure;
};

// Writes bytes as a new file under the name NumberedPicturePath gives. The
// name is claimed, so that two windows saving at the same moment never write
// over each other: the one that finds its number taken takes the next.
NumberedSave SaveNumberedFile(const QString& workFolder, const QString& chosenPath, QByteArrayView bytes);
