#pragma once

#include "dialogs/dialogs.h"
#include "record/evidence_record.h"

#include <QString>

#include <functional>

class QWidget;

// The window's two commands that keep pictures of its client area as JPEG
// evidence, and the one save dialog they share, whose settings stay from one
// use to the next. Failures are shown in the general error box, titled with
// the application name, and the program goes on. Every picture carries the
// record of the moment it was taken.
class PictureSaver {
public:
    // Saving as starts in rootFolder until identification names the working
    // place; workFolder reads the working folder when a picture is saved,
    // since it is known only after identification; record asks the window
    // what the picture shows, just before it is taken.
    PictureSaver(Dialogs& dialogs, QString rootFolder, std::function<QString()> workFolder,
                 std::function<EvidenceRecord()> record);

    // Where the dialog starts next time; identification points it at the
    // working place.
    void SetInitialFolder(const QString& folder);

    // "Mentés képként": saves to exactly the path chosen in the dialog.
    void SavePictureAs(QWidget& clientArea);
    // "Képernyő mentése": saves into the working folder under a numbered name
    // made from the chosen one (see NumberedPicturePath).
    void SaveNumberedPicture(QWidget& clientArea);

private:
    bool NameRefused(QWidget& clientArea, const QString& chosen);
    void Save(QWidget& clientArea, const QString& path);
    void SaveNumbered(QWidget& clientArea, const QString& workFolder, const QString& chosen);

    Dialogs& m_dialogs;
    QString m_rootFolder;
    std::function<QString()> m_workFolder;
    std::function<EvidenceRecord()> m_record;
    SaveDialogRequest m_saveDialog1;
};
