#include "cli/scan_report.h"

#include "core/number_text.h"

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
                        "  ± hiba  Forrás (illesztve)\n";
    for (const ScanPoint& p : points) {
        table += FixedText(p.energyKeV, 9, 3) + Padded(std::to_string(p.launched), 13)
            + Padded(std::to_string(p.detected), 9) + Column(p.passLowerKeV, 13, 3) + Column(p.passUpperKeV, 13, 3)
            + Column(p.passWidthKeV, 13, 3) + Column(p.ratePerKeV, 12, 2) + Column(p.rateErrorPerKeV, 8, 2)
            + FixedText(p.sourceScaled, 20, 2) + "\n";
    }
    return table;
}

std::string ScanCsv(const std::vector<ScanPoint>& points)
{
    std::string csv = "energy_keV,launched,detected,pass_lower_keV,pass_upper_keV,pass_width_keV,rate_per_keV,"
                      "rate_error_per_keV,source_intensity,source_scaled\n";
    for (const ScanPoint& p : points) {
        csv += ExactNumberText(p.energyKeV) + "," + std::to_string(p.launched) + "," + std::to_string(p.detected)
            + "," + Exact(p.passLowerKeV) + "," + Exact(p.passUpperKeV) + "," + Exact(p.passWidthKeV) + ","
            + Exact(p.ratePerKeV) + "," + Exact(p.rateErrorPerKeV) + "," + ExactNumberText(p.sourceIntensity) + ","
            + ExactNumberText(p.sourceScaled) + "\n";
    }
    return csv;
}
