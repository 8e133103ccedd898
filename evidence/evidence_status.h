#pragma once

#include <string_view>

// What the check of a picture finds (no Qt: the command line's help names them too).
enum class EvidenceStatus {
    Intact,       // a record whose digest matches the file
    Modified,     // a record that does not match the file, or a broken one
    NoRecord,     // a picture from elsewhere, or from a version before records
    Unreadable,   // not a readable JPEG file
    Implausible,  // intact, but no run of the program could have written the record
    Link,         // a symbolic link or a junction, which is never followed
    Leftover,     // the temporary file of a save killed before the picture took its name
    Practice,     // intact, but saved by the browser edition: never contest evidence
};

// The status's word in the listing, the CSV and the jury's page.
constexpr std::string_view StatusName(EvidenceStatus status)
{
    switch (status) {
    case EvidenceStatus::Intact: return "rendben";
    case EvidenceStatus::Modified: return "módosítva";
    case EvidenceStatus::NoRecord: return "nincs adat";
    case EvidenceStatus::Unreadable: return "hibás fájl";
    case EvidenceStatus::Implausible: return "valószínűtlen";
    case EvidenceStatus::Link: return "link";
    case EvidenceStatus::Leftover: return "ideiglenes fájl";
    case EvidenceStatus::Practice: return "gyakorló kép";
    }
    return "hibás fájl";
}
