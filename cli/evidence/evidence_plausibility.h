#pragma once

#include "record/evidence_record.h"
#include "spectrum/source_spectrum.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// The spectra the check has. A contest window measures the built-in C-14
// alone; a teacher's window may load any file, and a teacher's own may carry
// a shipped source's name line with another shape, so only the file the user
// names vouches for the source a teacher-mode record names.
struct KnownSourceSet {
    SourceSpectrum builtin;
    std::vector<SourceSpectrum> shipped;
    std::optional<SourceSpectrum> named;
};

// What the check knows besides the record: its own version and time, and the
// sources whose spectra it has, known by their name lines.
struct PlausibilityContext {
    QString checkerVersion;
    QDateTime now;
    KnownSourceSet sources;
};

// The built-in C-14, the sources shipped in sourcesFolder (if any) and the
// file the user named (if any). A file that cannot be read is the caller's to
// refuse first.
KnownSourceSet KnownSources(const QString& sourcesFolder, const SourceSpectrum* named = nullptr);

// Whether a record is one that a run of the program could write.
struct Plausibility {
    std::optional<QString> implausible;   // why no run could have written it
    QStringList notes;                    // what could not be checked, and why
    bool checkerOlder = false;            // saved by a newer program: nothing vouched for
};

// A lab clock may be off by minutes or hours; a picture saved more than this
// after the check's own time was not saved by the clock of that lab.
inline constexpr int SavedAtToleranceDays = 1;

// Who saved a record, as a note names them: "a 21-es versenyző", "a zsűri".
QString SavedBy(const QString& contestant);

// folderOwner: whose pictures the window saves into the folder the picture
// lies in (PictureFile::owner); a record of anyone else there is flagged,
// since it was copied in. The counts, the set
// count, the slit, the measuring time, the band's readouts and the saving
// time are checked against what the program can show, and the layout against
// the program version named; where the record shows that the last Start's
// setting alone gave the counts, and the source is known, the band is
// searched again for that setting and the detected count compared with the
// count expected for the launched ones.
Plausibility CheckPlausibility(const EvidenceRecord& record, const QString& folderOwner,
                               const PlausibilityContext& context);
