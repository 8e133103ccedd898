#include "cli/scan/scan_columns.h"

namespace {

template <auto Field>
std::optional<double> Read(const ScanPoint& point)
{
    return point.*Field;
}

}

const std::vector<ScanColumn>& ScanColumns()
{
    using P = ScanPoint;
    static const std::vector<ScanColumn> columns{
        {"energy_keV", "Áteresztett energia (keV)", 3, Read<&P::energyKeV>, {"E (keV)", 9}},
        {"launched", "Kibocsátott", 0, Read<&P::launched>, {"Kibocsátott", 13}, {}, true},
        {"detected", "Beütésszám", 0, Read<&P::detected>, {"Beütésszám", 12}, {}, true},
        {"pass_lower_keV", "E_min (keV)", 3, Read<&P::passLowerKeV>, {"E_min (keV)", 13}},
        {"pass_upper_keV", "E_max (keV)", 3, Read<&P::passUpperKeV>, {"E_max (keV)", 13}},
        {"pass_width_keV", "Energiaablak szélessége (keV)", 3, Read<&P::passWidthKeV>, {"Energiaablak (keV)", 20}},
        {"rate_per_keV", "Beütésszám/keV", 2, Read<&P::ratePerKeV>, {"Beütésszám/keV", 16}},
        {"rate_error_per_keV", "Beütésszám/keV hibája", 2, Read<&P::rateErrorPerKeV>, {"± hiba", 8}},
        {"source_intensity", "Forrás intenzitása", 2, Read<&P::sourceIntensity>},
        {"source_scaled", "Forrás (illesztve)", 2, Read<&P::sourceScaled>, {"Forrás (illesztve)", 20}},
        {"response_lower_keV", "Teljes energiaablak alsó széle (keV)", 3, Read<&P::responseLowerKeV>},
        {"response_upper_keV", "Teljes energiaablak felső széle (keV)", 3, Read<&P::responseUpperKeV>, {},
         "az energiaablak a határenergiánál való levágás előtt"},
        {"expected_detected", "Várható beütésszám", 1, Read<&P::expectedDetected>, {"Várható", 11}},
        {"pull", "Eltérés (szórásban)", 2, Read<&P::pull>, {"Eltérés (σ)", 13}},
        {"unfolded_per_keV", "Visszafejtett/keV", 2, Read<&P::unfoldedPerKeV>, {"Visszafejtett/keV", 19}},
        {"unfolded_error_per_keV", "Visszafejtett/keV hibája", 2, Read<&P::unfoldedErrorPerKeV>},
        {"unfolded_lower_per_keV", "95%-os alsó határ/keV", 2, Read<&P::unfoldedLowerPerKeV>, {"95% alsó", 12}},
        {"unfolded_upper_per_keV", "95%-os felső határ/keV", 2, Read<&P::unfoldedUpperPerKeV>, {"95% felső", 12},
         "a visszafejtett érték 95%-os intervalluma"},
        {"true_per_keV", "Valódi/keV", 2, Read<&P::truePerKeV>, {"Valódi/keV", 12}},
    };
    return columns;
}
