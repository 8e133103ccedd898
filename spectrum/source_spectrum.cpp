#include "spectrum/source_spectrum.h"

#include "base/number_scan.h"
#include "base/reader_text.h"
#include "spectrum/acceptance_ceiling.h"
#include "spectrum/local_spline.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace {

struct TableRow {
    double energy;
    double intensity;
};

// Blanks, TABs and the other control characters around a field go; a NUL
// byte stays, since it is no part of a text file and the row must not pass
// as if it were not there.
bool IsTrimmed(char c)
{
    const auto code = static_cast<unsigned char>(c);
    return code != 0 && code <= 32;
}

std::string Trimmed(const std::string& text)
{
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && IsTrimmed(text[begin]))
        ++begin;
    while (end > begin && IsTrimmed(text[end - 1]))
        --end;
    return text.substr(begin, end - begin);
}

// A field as a message quotes it. A message is read in a box or on one
// line, so a long field, as in a binary file, is cut short at a character's
// start, and control characters show as '?'.
constexpr std::size_t MaxQuotedBytes = 40;

std::string Quoted(const std::string& text)
{
    std::size_t end = text.size();
    if (end > MaxQuotedBytes) {
        end = MaxQuotedBytes;
        while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
            --end;
    }
    std::string shown = text.substr(0, end);
    std::replace_if(shown.begin(), shown.end(), [](char c) { return static_cast<unsigned char>(c) < 32; }, '?');
    return "'" + shown + (end < text.size() ? "…'" : "'");
}

// Tables exported with the Hungarian decimal comma are the likeliest fault.
std::string CommaHint(const std::string& field)
{
    if (field.find('\0') != std::string::npos)
        return " (NUL bájt van benne: nem szöveges fájl?)";
    return field.find(',') != std::string::npos ? std::string(" (") + DecimalPointHint + ")" : "";
}

std::optional<SourceError> ReadRow(const std::string& line, int lineNumber, TableRow& row)
{
    const std::size_t tab = line.find('\t');
    if (tab == std::string::npos)
        return SourceError{lineNumber, "nincs TAB az energia és az intenzitás között"};
    const std::string energyField = Trimmed(line.substr(0, tab));
    const std::string intensityField = Trimmed(line.substr(tab + 1));
    const std::optional<double> energy = ScanWholeNumber(energyField);
    if (!energy)
        return SourceError{lineNumber, "az energia nem szám: " + Quoted(energyField) + CommaHint(energyField)};
    // A kinetic energy is never negative, and a table without a positive
    // energy would leave no range to draw energies from.
    if (*energy < 0.0)
        return SourceError{lineNumber, "az energia negatív: " + Quoted(energyField)};
    if (*energy > MaxSourceEnergyMeV)
        return SourceError{lineNumber, "az energia túl nagy (legfeljebb 5 MeV): " + Quoted(energyField)};
    const std::optional<double> intensity = ScanWholeNumber(intensityField);
    if (!intensity)
        return SourceError{lineNumber, "az intenzitás nem szám: " + Quoted(intensityField) + CommaHint(intensityField)};
    if (*intensity < 0.0)
        return SourceError{lineNumber, "az intenzitás negatív: " + Quoted(intensityField)};
    row = {*energy, *intensity};
    return std::nullopt;
}

bool IsFinite(const SplineSegment& segment)
{
    return std::isfinite(segment.a) && std::isfinite(segment.b) && std::isfinite(segment.c)
        && std::isfinite(segment.d);
}

// How far a piece may miss its own rows, as a share of the largest intensity.
// The built-in table misses by about 2e-6; a table the elimination cannot
// solve misses by percents and more.
constexpr double RowTolerance = 1e-4;

bool PassesThrough(const SplineSegment& segment, const Knot& knot, double tolerance)
{
    return std::fabs(static_cast<double>(SegmentValue(segment, knot.x)) - knot.y) <= tolerance;
}

// The spline is solved in powers of the absolute energy as one dense system
// without pivoting, so numbers that are each a valid double can still
// overflow it, and long or ragged tables lose every digit. Either way the
// spline has nothing to draw energies from. Names the first row of the first
// piece that fails.
std::optional<SourceError> CheckSpline(const TResult& segments, const TPoints& knots)
{
    double largest = 0.0;
    for (const Knot& knot : knots)
        largest = std::max(largest, std::fabs(knot.y));
    const double tolerance = RowTolerance * largest;
    for (std::size_t i = 0; i < segments.size(); ++i) {
        const int firstRow = static_cast<int>(i) + 3;
        if (!IsFinite(segments[i]))
            return SourceError{firstRow, "a táblázatra nem illeszthető véges spline (a számok túl nagyok, vagy "
                                         "az energiák túl közel vannak egymáshoz)"};
        if (!PassesThrough(segments[i], knots[i], tolerance) || !PassesThrough(segments[i], knots[i + 1], tolerance))
            return SourceError{firstRow, "a táblázatra illesztett spline nem megy át a sorok pontjain "
                                         "(túl sok a sor, vagy túl szabálytalanok)"};
    }
    return std::nullopt;
}

// A peak so narrow against the sampling range that the rejection would
// mostly miss it: too many particles would give up and start with no energy
// instead of one the table gives. Names the row of the largest intensity.
std::optional<SourceError> CheckDrawable(const SourceSpectrum& source)
{
    if (AcceptanceRate(source) >= GivingUpRate)
        return std::nullopt;
    const auto peak = std::max_element(source.Knots.begin(), source.Knots.end(),
                                       [](const Knot& a, const Knot& b) { return a.y < b.y; });
    return SourceError{static_cast<int>(std::distance(source.Knots.begin(), peak)) + 3,
                       "a spektrum csúcsa túl keskeny a mintavételi tartományhoz képest: a sorsolás "
                       "túl sok részecskének nem találna energiát (szélesebb csúcs vagy simább táblázat kell)"};
}

// Where a table changes abruptly between rows far apart, the spline through
// it rings: it rises far above every row, or swings below zero, where the
// rejection clips it. Either way the energies drawn would follow the spline
// and not the table, so such a table is refused, naming the first row of the
// piece that rings most.
constexpr char RingingRemedy[] = ": a sorsolás nem azt adná, amit a táblázat mond "
                                 "(a hirtelen változások köré sűrűbb sorok kellenek)";

// A peak the rows bracket at ±σ rises to 1.65 times them; a spline that rises
// above twice the largest intensity shows no peak the table hints at. The
// shipped sources rise at most 0.3 % above their largest row.
constexpr double LargestRise = 2.0;

std::optional<SourceError> CheckRise(const SourceSpectrum& source)
{
    const double largestRow = std::max_element(source.Knots.begin(), source.Knots.end(),
                                               [](const Knot& a, const Knot& b) { return a.y < b.y; })->y;
    std::size_t highestPiece = 0;
    for (std::size_t i = 1; i < source.Segments.size(); ++i) {
        if (PieceMaximum(source, i) > PieceMaximum(source, highestPiece))
            highestPiece = i;
    }
    if (PieceMaximum(source, highestPiece) > LargestRise * largestRow)
        return SourceError{static_cast<int>(highestPiece) + 3,
                           "a táblázatra illesztett spline a sorok között a legnagyobb intenzitás "
                           "kétszeresénél is magasabbra lendül" + std::string(RingingRemedy)};
    return std::nullopt;
}

// A swing below zero under the endpoint drops electrons the table gives; past
// the endpoint the source gives none. It is material as clipping off the top
// is: above MaterialClipping of the drawn mass. The shipped sources lose at
// most 2.6e-6 so.
std::optional<SourceError> CheckSwing(const SourceSpectrum& source)
{
    double clipped = 0.0;
    double worstClipped = 0.0;
    std::size_t worstPiece = 0;
    for (std::size_t i = 0; i < source.Segments.size(); ++i) {
        const SplineSegment& piece = source.Segments[i];
        const double below = NegativeMass(source, static_cast<double>(piece.lower),
                                          std::min(static_cast<double>(piece.upper), source.EndpointEnergy));
        clipped += below;
        if (below > worstClipped) {
            worstClipped = below;
            worstPiece = i;
        }
    }
    const double drawn = AcceptedMass(source, SplineMaximum(source), SmallestCandidate, source.SampleRange);
    if (clipped > MaterialClipping * drawn)
        return SourceError{static_cast<int>(worstPiece) + 3, "a táblázatra illesztett spline a sorok között "
                                                             "nulla alá lendül" + std::string(RingingRemedy)};
    return std::nullopt;
}

}

std::optional<SourceError> LoadSourceSpectrum(const std::vector<std::string>& lines,
                                              SourceSpectrum& source)
{
    if (lines.empty())
        return SourceError{1, "a fájl üres"};
    const std::string endpointText = lines.size() > 1 ? lines[1] : std::string();
    const std::optional<double> endpoint = ScanWholeNumber(endpointText);
    if (!endpoint)
        return SourceError{2, "a határenergia nem szám (MeV, tizedesponttal): " + Quoted(endpointText)};
    // The endpoint bounds the band readouts from above: at or below zero no
    // energy the source gives would lie under it.
    if (!(*endpoint > 0.0))
        return SourceError{2, "a határenergia nem pozitív: " + Quoted(endpointText)};
    if (*endpoint > MaxSourceEnergyMeV)
        return SourceError{2, "a határenergia túl nagy (legfeljebb 5 MeV): " + Quoted(endpointText)};

    std::size_t rowsEnd = lines.size();
    while (rowsEnd > 2 && Trimmed(lines[rowsEnd - 1]).empty())
        --rowsEnd;
    TPoints knots;
    for (std::size_t i = 2; i < rowsEnd; ++i) {
        const int lineNumber = static_cast<int>(i) + 1;
        if (knots.size() == MostSourceRows)
            return SourceError{lineNumber, "legfeljebb " + std::to_string(MostSourceRows) + " táblázatsor lehet"};
        TableRow row{};
        if (auto error = ReadRow(lines[i], lineNumber, row))
            return error;
        if (!knots.empty() && !(row.energy > knots.back().x))
            return SourceError{lineNumber, "az energia nem nagyobb, mint az előző soré"};
        knots.push_back({row.energy, row.intensity});
    }
    if (knots.size() < FewestSourceRows)
        return SourceError{static_cast<int>(rowsEnd) + 1, "legalább két táblázatsor kell"};
    // Without intensity there is nothing to draw energies from; and the band
    // readouts, cut at the endpoint, would hide electrons the table gives.
    const auto lastGiven = std::find_if(knots.rbegin(), knots.rend(), [](const Knot& knot) { return knot.y > 0.0; });
    if (lastGiven == knots.rend())
        return SourceError{3, "a táblázat minden intenzitása nulla"};
    if (lastGiven->x > *endpoint) {
        // Table rows start on the third line.
        const auto lastGivenLine = static_cast<std::uint64_t>(2 + std::distance(lastGiven, knots.rend()));
        return SourceError{2, "a határenergia kisebb, mint " + std::string(ReaderArticle(lastGivenLine)) + " "
                                  + std::to_string(lastGivenLine) + ". sor energiája, ahol az intenzitás még nem nulla"};
    }

    const double startSlope = (knots[1].y - knots[0].y) / (knots[1].x - knots[0].x);
    TResult segments = BuildSpline(knots, startSlope, 0.0);
    // The dense system is what every count of the shipped tables rests on,
    // so it stays wherever it holds; where it fails, the same spline is
    // found the stable way.
    if (CheckSpline(segments, knots)) {
        segments = BuildLocalSpline(knots, startSlope, 0.0);
        if (auto error = CheckSpline(segments, knots))
            return error;
    }
    SourceSpectrum loaded;
    loaded.Name = lines[0];
    loaded.EndpointEnergy = *endpoint;
    loaded.Segments = std::move(segments);
    loaded.Knots = std::move(knots);
    loaded.SampleRange = 1.1 * loaded.Knots.back().x;
    loaded.SampleStep = loaded.SampleRange / 1500;
    if (auto error = CheckDrawable(loaded))
        return error;
    if (auto error = CheckRise(loaded))
        return error;
    if (auto error = CheckSwing(loaded))
        return error;
    // Nothing is written before the whole text has passed, so that a refused
    // text leaves the spectrum in use exactly as it was.
    loaded.SpectrumMax = source.SpectrumMax;
    source = std::move(loaded);
    return std::nullopt;
}

std::vector<std::string> SplitLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(std::move(line));
        start = end + 1;
    }
    return lines;
}
