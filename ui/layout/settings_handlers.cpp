#include "ui/layout/settings_handlers.h"

#include "base/number_text.h"
#include "core/pass_band.h"
#include "core/settings_rules.h"
#include "core/simulation.h"
#include "ui/layout/colours.h"
#include "ui/layout/window_panel.h"

#include <optional>

namespace {

std::string FieldText(double voltsPerMetre)
{
    return FixedText(voltsPerMetre, 10, 5);
}

}

void SettingsHandlers::SlitStepChanged()
{
    const std::optional<std::int32_t> step = ReadInteger(m_panel, "Edit3");
    if (!step)
        return;
    m_panel.SetText("Blende3", GeneralNumberText(SlitHalfWidthMm(*step)));
    const int jawWidth = JawWidthForSlitStep(*step);
    ControlRect leftJaw = m_panel.Rect("Shape6");
    leftJaw.width = jawWidth;
    m_panel.SetRect("Shape6", leftJaw);
    // The right jaw keeps its outer edge.
    ControlRect rightJaw = m_panel.Rect("Shape7");
    rightJaw.x = rightJaw.Right() - jawWidth;
    rightJaw.width = jawWidth;
    m_panel.SetRect("Shape7", rightJaw);
    ApplySlitStep(m_sim.walls, *step);
    UpdatePassBand(m_sim);
}

void SettingsHandlers::FieldStepChanged()
{
    const std::optional<std::int32_t> step = ReadInteger(m_panel, "Edit4");
    if (!step)
        return;
    FilterSettings& filter = m_sim.filter;
    filter.magneticField = *step * TeslaPerFieldStep;
    m_panel.SetText("BField", GeneralNumberText(filter.magneticField * 1e6));
    if (!m_panel.Checked("CheckBox3"))
        filter.magneticField = 0.0;
    FieldEntered();
}

void SettingsHandlers::ElectricStepChanged()
{
    const std::optional<std::int32_t> step = ReadInteger(m_panel, "Edit5");
    if (!step)
        return;
    FilterSettings& filter = m_sim.filter;
    filter.electricField = *step * 1e4;
    m_panel.SetText("EField", FieldText(filter.electricField));
    if (!m_panel.Checked("CheckBox3"))
        filter.electricField = 0.0;
    ElectricFieldEntered();
}

void SettingsHandlers::FieldTyped()
{
    m_panel.SetColour("BField", Colours::NormalColor);
    const std::optional<double> keV = ReadDecimal(m_panel, "Edit7");
    if (!keV)
        return;
    FilterSettings& filter = m_sim.filter;
    filter.tunedEnergy = RetunedEnergyJoules(*keV);
    filter.electricField = PassElectricField(filter.tunedEnergy, filter.magneticField);
    m_panel.SetText("EField", FieldText(filter.electricField));
}

bool SettingsHandlers::FieldEntered()
{
    if (!m_panel.Checked("CheckBox3"))
        return true;
    const std::optional<std::int32_t> microtesla = ParseIntegerText(m_panel.Text("BField"));
    if (!microtesla || !IsValidFieldMicrotesla(*microtesla))
        return Refuse("BField", FieldRefusal);
    m_panel.SetColour("BField", Colours::NormalColor);
    m_panel.SetText("BField", std::to_string(*microtesla));
    m_sim.filter.magneticField = MicroteslaToTesla(*microtesla);
    FieldTyped();
    UpdatePassBand(m_sim);
    return true;
}

// A refusal here shows no box.
bool SettingsHandlers::ElectricFieldEntered()
{
    if (!m_panel.Checked("CheckBox3"))
        return true;
    const std::optional<double> field = ParseDecimalText(m_panel.Text("EField"));
    if (!field) {
        m_panel.SetColour("EField", Colours::ErrorColor);
        m_panel.TakeFocusBack("EField");
        return false;
    }
    m_panel.SetColour("EField", Colours::NormalColor);
    m_sim.filter.electricField = *field;
    return true;
}

void SettingsHandlers::EnergyTyped()
{
    m_panel.SetColour("Edit7", Colours::NormalColor);
}

bool SettingsHandlers::EnergyEntered()
{
    if (!m_panel.Checked("CheckBox3"))
        return true;
    const std::optional<double> keV = ParseDecimalText(m_panel.Text("Edit7"));
    if (!keV || !IsValidPassEnergy(*keV))
        return Refuse("Edit7", PassEnergyRefusal);
    m_panel.SetText("Edit7", GeneralNumberText(*keV));
    // The energy is taken even when the induction cannot be read.
    m_sim.filter.tunedEnergy = EnteredEnergyJoules(*keV);
    const std::optional<double> microtesla = ReadDecimal(m_panel, "BField");
    if (!microtesla)
        return true;
    ApplyEnergyEntry(m_sim.filter, *keV, *microtesla);
    m_panel.SetText("EField", FieldText(m_sim.filter.electricField));
    UpdatePassBand(m_sim);
    return true;
}

void SettingsHandlers::FieldsSwitched()
{
    FilterSettings& filter = m_sim.filter;
    if (m_panel.Checked("CheckBox3")) {
        const std::optional<double> voltsPerMetre = ReadDecimal(m_panel, "EField");
        if (!voltsPerMetre)
            return;
        filter.electricField = *voltsPerMetre;
        const std::optional<double> microtesla = ReadDecimal(m_panel, "BField");
        if (!microtesla)
            return;
        filter.magneticField = MicroteslaToTesla(*microtesla);
        m_panel.SetColour("EField", Colours::White);
        for (const char* control : {"BField", "Edit7"}) {
            m_panel.SetColour(control, Colours::NormalColor);
            m_panel.SetReadOnly(control, false);
        }
        m_panel.SetShown("UpDown4", true);
    } else {
        filter.electricField = 0.0;
        filter.magneticField = 0.0;
        for (const char* control : {"EField", "BField", "Edit7"})
            m_panel.SetColour(control, Colours::OffColor);
        m_panel.SetReadOnly("BField", true);
        m_panel.SetReadOnly("Edit7", true);
        m_panel.SetShown("UpDown4", false);
    }
}

bool SettingsHandlers::CountEntered()
{
    const std::optional<std::int32_t> count = ParseIntegerText(m_panel.Text("Edit6"));
    if (!count || !IsValidParticleCount(*count))
        return Refuse("Edit6", ParticleCountRefusal);
    m_panel.SetText("Edit6", std::to_string(*count));
    m_sim.run.setCount = *count;
    m_panel.SetColour("Edit6", Colours::NormalColor);
    return true;
}

bool SettingsHandlers::Refuse(std::string_view control, const char* text)
{
    m_panel.SetColour(control, Colours::ErrorColor);
    m_panel.TakeFocusBack(control);
    m_panel.ShowRefusal(text);
    return false;
}
