#pragma once

#include <string>

// The About box's heading lines and its version line, which the window's box
// and the page's show alike.

inline constexpr const char* AboutCompetitionLine = "Országos Kelvora Fizikaverseny  ";
inline constexpr const char* AboutTaskLine = "Számítógépes feladat 2024";
inline constexpr const char* AboutProgramLine = "Vantor";
// The page's version line ends with it: a picture or a question names the edition.
inline constexpr const char* BrowserEditionNote = " (böngészős változat)";

// The version line is this and the version's four numbers, each written whole.
inline constexpr const char* VersionLineStart = "Verzió:  ";
std::string VersionLineText(unsigned major, unsigned minor, unsigned release, unsigned build);
