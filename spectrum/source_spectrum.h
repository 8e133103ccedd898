#pragma once

#include "spectrum/source_spectrum_record.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

// A spline needs two rows. It is solved as one dense system of four
// equations a row, whose memory grows with the square and whose time with the
// cube of the rows: a thousand rows would take minutes. 200 rows load in a
// fraction of a second, ten times as many as the shipped tables have.
inline constexpr std::size_t FewestSourceRows = 2;
inline constexpr std::size_t MostSourceRows = 200;

// Beta sources end at a few MeV, the hardest in use below 4. Beyond 5 MeV
// a table is in other units, and the band search, which reaches about
// 2 MeV either side of the pass energy, could no longer bound the band.
inline constexpr double MaxSourceEnergyMeV = 5.0;

struct SourceError {
    int line;              // 1-based line of the source text; past its end when a line is missing
    std::string message;   // in Hungarian, for the user
};

// Reads a source text: a name line, the endpoint energy (positive), then
// rows of energy TAB intensity: 2 to 200 rows, energies ascending, neither
// energies nor intensities negative, and a finite spline through them; blank
// lines at the end are no rows. A text that
// cannot give a spectrum is refused with the line at fault, and the spectrum
// keeps every field as it was. SpectrumMax is left for the next Start.
std::optional<SourceError> LoadSourceSpectrum(const std::vector<std::string>& lines,
                                              SourceSpectrum& source);

std::vector<std::string> SplitLines(const std::string& text);

// The C-14 source the window carries.
const std::vector<std::string>& BuiltinSourceText();
