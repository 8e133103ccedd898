#include "cli/scan/scan_report.h"

#include "analysis/source_comparison.h"
#include "base/number_text.h"

namespace {

std::string Exact(const std::optional<double>& value)
{
    return value ? ExactNumberText(*value) : std::string();
}

std::string Column(const std::optional<double>& value, int width, int decimals)
{
    return value ? FixedText(*value, width, decimals) : std::string(width - 1, ' ') + "-";
}

std::string Padded(const std::string& text, std::size_t width)
{
    return text.size() < width ? std::string(width - text.size(), ' ') + text : text;
}

}

std::string ScanTable(const std::vector<ScanPoint>& points)
{
    std::string table = "  E (keV)  Kibocsátott   Beütés  E_min (keV)  E_max (keV)  Ablak (keV)  Beütés/keV"
                        "  ± hiba  Forrás (illesztve)    Várható  Eltérés (σ)  Visszafejtett/keV"
                        "    95% alsó   95% felső  Valódi/keV\n";
    for (const ScanPoint& p : points) {
        table += FixedText(p.energyKeV, 9, 3) + Padded(std::to_string(p.launched), 13)
            + Padded(std::to_string(p.detected), 9) + Column(p.passLowerKeV, 13, 3) + Column(p.passUpperKeV, 13, 3)
            + Column(p.passWidthKeV, 13, 3) + Column(p.ratePerKeV, 12, 2) + Column(p.rateErrorPerKeV, 8, 2)
            + FixedText(p.sourceScaled, 20, 2) + Column(p.expectedDetected, 11, 1) + Column(p.pull, 13, 2)
            + Column(p.unfoldedPerKeV, 19, 2) + Column(p.unfoldedLowerPerKeV, 12, 2)
            + Column(p.unfoldedUpperPerKeV, 12, 2) + FixedText(p.truePerKeV, 12, 2) + "\n";
    }
    const PullSummary pulls = SummarisePulls(points);
    if (pulls.count > 0) {
        table += "Eltérés a várható beütésszámtól, szórásban (" + std::to_string(pulls.count)
            + " pont): átlag " + FixedText(pulls.mean, 1, 2) + ", négyzetes közép " + FixedText(pulls.rms, 1, 2) + "\n";
    }
    return table;
}

std::string ScanCsv(const std::vector<ScanPoint>& points, std::uint32_t seed)
{
    std::string csv = "energy_keV,launched,detected,pass_lower_keV,pass_upper_keV,pass_width_keV,rate_per_keV,"
                      "rate_error_per_keV,source_intensity,source_scaled,response_lower_keV,response_upper_keV,"
                      "expected_detected,pull,unfolded_per_keV,unfolded_error_per_keV,unfolded_lower_per_keV,"
                      "unfolded_upper_per_keV,true_per_keV,seed\n";
    for (const ScanPoint& p : points) {
        csv += ExactNumberText(p.energyKeV) + "," + std::to_string(p.launched) + "," + std::to_string(p.detected)
            + "," + Exact(p.passLowerKeV) + "," + Exact(p.passUpperKeV) + "," + Exact(p.passWidthKeV) + ","
            + Exact(p.ratePerKeV) + "," + Exact(p.rateErrorPerKeV) + "," + ExactNumberText(p.sourceIntensity) + ","
            + ExactNumberText(p.sourceScaled) + "," + Exact(p.responseLowerKeV) + "," + Exact(p.responseUpperKeV)
            + "," + Exact(p.expectedDetected) + "," + Exact(p.pull) + "," + Exact(p.unfoldedPerKeV) + ","
            + Exact(p.unfoldedErrorPerKeV) + "," + Exact(p.unfoldedLowerPerKeV) + "," + Exact(p.unfoldedUpperPerKeV)
            + "," + ExactNumberText(p.truePerKeV) + "," + std::to_string(seed) + "\n";
    }
    return csv;
}
