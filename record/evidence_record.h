#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

// The name and version of the record's layout, the first thing a reader checks.
// Version 1 had no teacherMode: the program that wrote it had no teacher mode.
// Version 2 had nothing of the last Start.
inline constexpr std::string_view EvidenceFormat("vantor-evidence/3");
inline constexpr std::string_view EvidenceFormatPrefix("vantor-evidence/");
inline constexpr int EvidenceFormatVersion = 3;

// The first version of the program to write each layout, from layout 1 on:
// a version writes the newest layout of those it has reached. Records came
// with 2.2.0.3; its builds in development wrote layouts 1 and 2, and every
// build of it given out writes layout 3.
inline constexpr std::array<std::string_view, EvidenceFormatVersion> FirstVersionWritingLayout{
    std::string_view("2.2.0.3"), std::string_view("2.2.0.3"), std::string_view("2.2.0.3")};

// The browser edition writes its version with this mark after it
// ("2.2.0.3-web"): its pictures are for practice, never contest evidence.
inline constexpr std::string_view BrowserEditionMark("-web");

// The contestant of a picture that the jury saved.
inline constexpr std::string_view JuryContestant("jury");

// What a saved picture of the window says about itself: who saved it and
// when, the settings and the run as the window showed them, and the digest
// that tells an altered file from the one the program wrote. Texts are the
// boxes' own, so that the record reads like the picture; all texts are UTF-8.
struct EvidenceRecord {
    std::string format{EvidenceFormat};
    std::string program;           // the program's version
    std::string contestant;        // the contestant's code, or "jury"
    bool teacherMode = false;      // saved in class, where the theory and other sources are at hand
    std::string savedAt;           // local date and time, ISO 8601 with the offset
    std::string energyKeV;         // the pass-energy box
    std::optional<std::int32_t> fieldMicrotesla;   // the induction box; none when it holds no whole number
    std::string electricFieldVPerM;   // the electric-field box
    bool fieldsOn = false;
    std::int32_t slitStep = 0;
    std::string slitMm;            // the slit box
    std::optional<std::int32_t> setCount;   // the set-count box; none when it holds no whole number
    bool stopAtSetCount = false;
    bool clearDetectorOnStart = false;
    bool tracksShown = false;
    std::int32_t launched = 0;
    std::int32_t detected = 0;
    std::string measuringTime;     // the time box
    bool running = false;          // saved while particles were flying
    std::string passLowerKeV;      // the band readouts, "Nem számolható" included
    std::string passUpperKeV;
    std::string passWidthKeV;
    std::string source;            // the source's name line
    // What the counts come from. The boxes may show other settings than the
    // ones the counts were measured with (Stop, a new energy, save), and with
    // "Indításkor töröl" off the detector sums several Starts. So the record
    // keeps the filter as the last Start set it, to the last bit, and whether the two
    // counts shown come from that setting alone.
    bool countsFromLastStart = false;   // one setting gave both counts, from the last Start on
    bool detectorClearedAtStart = false;
    double startTunedEnergyJoules = 0.0;   // the tuned kinetic energy, J
    double startMagneticFieldTesla = 0.0;   // T; 0 with the fields off
    double startElectricFieldVPerM = 0.0;   // V/m
    std::int32_t startSlitStep = 0;
    std::string startSource;       // the source's name line
    std::string startPassLowerKeV; // the band searched at that Start, as readouts
    std::string startPassUpperKeV;
    std::string startPassWidthKeV;
    std::string digest;            // lowercase hexadecimal SHA-256, see picture_sealing.h
};

using EvidenceMember = std::variant<std::string EvidenceRecord::*, bool EvidenceRecord::*, std::int32_t EvidenceRecord::*,
                                    std::optional<std::int32_t> EvidenceRecord::*, double EvidenceRecord::*>;

// One field of the record: its name in the picture's JSON, its label where a
// person reads it (a heading, a message), where the record keeps it, and the
// first version of the layout that has it.
struct EvidenceField {
    const char* name;
    const char* label;   // UTF-8
    EvidenceMember member;
    int since = 1;
};

// Every field, in the order of the record above, so that the JSON, its
// reader and the reports cannot disagree on the list.
std::span<const EvidenceField> EvidenceFields();

// The program field of a picture that the browser edition of version saves.
std::string BrowserEditionProgram(std::string_view version);

// Whether the browser edition saved the record.
bool SavedByBrowserEdition(const EvidenceRecord& record);

// The version of the program that saved the record, without the edition's mark.
std::string_view ProgramVersion(const EvidenceRecord& record);

// A field's value as plain text: numbers in decimal (the shortest text that
// reads back the same double), "true" or "false", empty for a missing number.
std::string FieldText(const EvidenceRecord& record, const EvidenceField& field);
