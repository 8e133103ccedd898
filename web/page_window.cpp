#include "web/page_window.h"

#include "core/band_readout.h"
#include "core/measurement.h"
#include "base/number_text.h"
#include "core/pass_band.h"
#include "core/settings_rules.h"
#include "spectrum/source_spectrum.h"
#include "ui/layout/colours.h"
#include "ui/layout/track_line.h"
#include "ui/layout/window_layout.h"
#include "ui/layout/window_texts.h"

#include <emscripten.h>

#include <string_view>

namespace {

// Track colours come as 0x00BBGGRR; the canvas's pixel, read as one number,
// is 0xAABBGGRR. White is no track: the apparatus shows through.
std::uint32_t CanvasPixel(std::uint32_t bgr)
{
    if ((bgr & 0xffffff) == 0xffffff)
        return 0;
    return 0xff000000 | bgr;
}

std::string WithText(std::string_view message, const std::string& text)
{
    std::string result(message);
    result.replace(result.find("%1"), 2, text);
    // The general error box ends every message with a full stop.
    return result + ".";
}

std::string FieldText(double voltsPerMetre)
{
    return FixedText(voltsPerMetre, 10, 5);
}

}

PageWindow::PageWindow()
{
    for (const ControlPlace& place : WindowLayout()) {
        ControlState& control = m_controls[std::string(place.name)];
        control.text = std::string(place.text);
        control.shown = place.shown;
        control.rect = place.rect;
        control.readOnly = place.kind == ControlKind::ReadOnlyEdit;
    }
    for (const char* checked : {"CheckBox3", "CheckBox4", "CheckBox5"})
        Control(checked).checked = true;
    // Continuing needs a measurement to continue: the first one is started with Start.
    Control("Button4").enabled = false;
    // The menu's source choice, which a run locks as it locks the settings.
    m_controls["Loadsource1"];

    // What the window's first activation does.
    Control("Blende3").colour = Colours::White;
    Control("BField").colour = Colours::NormalColor;
    Control("EField").colour = Colours::White;
    Control("Edit6").colour = Colours::NormalColor;
    Control("Edit7").colour = Colours::NormalColor;
    const ApparatusPlacement place = PlaceApparatusShapes(Control("Shape7").rect.width);
    Control("Shape6").rect.x = place.shape6.x;
    Control("Shape6").rect.y = place.shape6.y;
    Control("Shape7").rect.x = place.shape7.x;
    Control("Shape7").rect.y = place.shape7.y;
    Control("Shape8").rect = place.shape8;
    m_slitRightEdge = place.slitRightEdge;
    Control("StaticText4").rect.x = place.staticText4.x;
    Control("StaticText4").rect.y = place.staticText4.y;
    Control("StaticText5").rect.x = place.staticText5.x;
    Control("StaticText5").rect.y = place.staticText5.y;
    m_trackWidth = Control("Image2").rect.width;
    m_trackHeight = Control("Image2").rect.height;
    m_trackPixels.assign(std::size_t(m_trackWidth) * std::size_t(m_trackHeight), 0);
    m_changedLeft = m_trackWidth;
    m_changedTop = m_trackHeight;
    SetUpSimulation(m_sim, {});
    Control("Panel9").text = m_sim.source.Name;
    m_sim.view = this;
}

ControlState& PageWindow::Control(const std::string& name)
{
    return m_controls.at(name);
}

void PageWindow::Typed(const std::string& name, const std::string& text)
{
    ControlState& control = Control(name);
    if (control.readOnly || !control.enabled)
        return;
    control.text = text;
    if (name == "BField")
        FieldTyped();
    else if (name == "Edit7")
        control.colour = Colours::NormalColor;
}

bool PageWindow::Entered(const std::string& name)
{
    if (name == "Edit7")
        return EnergyEntered();
    if (name == "BField")
        return FieldEntered();
    if (name == "EField")
        return ElectricFieldEntered();
    if (name == "Edit6")
        return CountEntered();
    return true;
}

void PageWindow::Clicked(const std::string& name)
{
    ControlState& control = Control(name);
    if (!control.enabled)
        return;
    if (name == "Button3")
        m_run.Start(RunClock::now());
    else if (name == "Button4")
        m_run.StopOrContinue(RunClock::now());
    else if (name == "Button5")
        m_run.ClearDetector();
    else if (name == "Button7")
        m_run.ClearParticles();
    else if (name.starts_with("CheckBox")) {
        control.checked = !control.checked;
        if (name == "CheckBox1")
            m_sim.run.stopAtCount = control.checked;
        else if (name == "CheckBox3")
            FieldsSwitched();
    }
}

void PageWindow::Stepped(const std::string& name, int by)
{
    if (!Control(name).enabled || !Control(name).shown)
        return;
    if (name == "UpDown3") {
        const int step = std::clamp(m_slitStep + by, MinSlitStep, MaxSlitStep);
        if (step != m_slitStep)
            SlitStepChanged(step);
    } else if (name == "UpDown4") {
        const int step = std::clamp(m_fieldStep + by, 0, MaxFieldStepperPosition);
        if (step != m_fieldStep)
            FieldStepChanged(step);
    }
}

bool PageWindow::ReadInteger(const std::string& text, std::int32_t& value)
{
    const std::optional<std::int32_t> read = ParseIntegerText(text);
    if (!read) {
        ShowError(WithText(NotAnIntegerMessage, text));
        return false;
    }
    value = *read;
    return true;
}

bool PageWindow::ReadDecimal(const std::string& text, double& value)
{
    const std::optional<double> read = ParseDecimalText(text);
    if (!read) {
        ShowError(WithText(NotADecimalMessage, text));
        return false;
    }
    value = *read;
    return true;
}

void PageWindow::ShowError(const std::string& text)
{
    m_messages.push_back({"Vantor", text});
}

void PageWindow::Refuse(const std::string& name, const char* message)
{
    Control(name).colour = Colours::ErrorColor;
    m_messages.push_back({ErrorBoxTitle, message});
}

void PageWindow::SlitStepChanged(int step)
{
    m_slitStep = step;
    Control("Edit3").text = std::to_string(step);
    Control("Blende3").text = GeneralNumberText(SlitHalfWidthMm(step));
    const int jawWidth = JawWidthForSlitStep(step);
    Control("Shape6").rect.width = jawWidth;
    ControlRect& rightJaw = Control("Shape7").rect;
    rightJaw.width = jawWidth;
    rightJaw.x = m_slitRightEdge - jawWidth;
    ApplySlitStep(m_sim.walls, step);
    UpdatePassBand(m_sim);
}

void PageWindow::FieldStepChanged(int step)
{
    m_fieldStep = step;
    Control("Edit4").text = std::to_string(step);
    FilterSettings& filter = m_sim.filter;
    filter.magneticField = step * TeslaPerFieldStep;
    Control("BField").text = GeneralNumberText(filter.magneticField * 1e6);
    FieldTyped();
    if (!Control("CheckBox3").checked)
        filter.magneticField = 0.0;
    FieldEntered();
}

void PageWindow::FieldTyped()
{
    Control("BField").colour = Colours::NormalColor;
    double keV = 0.0;
    if (!ReadDecimal(Control("Edit7").text, keV))
        return;
    FilterSettings& filter = m_sim.filter;
    filter.tunedEnergy = RetunedEnergyJoules(keV);
    filter.electricField = PassElectricField(filter.tunedEnergy, filter.magneticField);
    Control("EField").text = FieldText(filter.electricField);
}

bool PageWindow::FieldEntered()
{
    if (!Control("CheckBox3").checked)
        return true;
    ControlState& field = Control("BField");
    const std::optional<std::int32_t> microtesla = ParseIntegerText(field.text);
    if (!microtesla || !IsValidFieldMicrotesla(*microtesla)) {
        Refuse("BField", FieldRefusal);
        return false;
    }
    field.colour = Colours::NormalColor;
    field.text = std::to_string(*microtesla);
    m_sim.filter.magneticField = MicroteslaToTesla(*microtesla);
    FieldTyped();
    UpdatePassBand(m_sim);
    return true;
}

bool PageWindow::ElectricFieldEntered()
{
    if (!Control("CheckBox3").checked)
        return true;
    ControlState& field = Control("EField");
    const std::optional<double> voltsPerMetre = ParseDecimalText(field.text);
    if (!voltsPerMetre) {
        field.colour = Colours::ErrorColor;
        return false;
    }
    field.colour = Colours::NormalColor;
    m_sim.filter.electricField = *voltsPerMetre;
    return true;
}

bool PageWindow::EnergyEntered()
{
    if (!Control("CheckBox3").checked)
        return true;
    ControlState& energy = Control("Edit7");
    const std::optional<double> keV = ParseDecimalText(energy.text);
    if (!keV || !IsValidPassEnergy(*keV)) {
        Refuse("Edit7", PassEnergyRefusal);
        return false;
    }
    energy.text = GeneralNumberText(*keV);
    // The energy is taken even when the induction cannot be read.
    m_sim.filter.tunedEnergy = EnteredEnergyJoules(*keV);
    double microtesla = 0.0;
    if (!ReadDecimal(Control("BField").text, microtesla))
        return true;
    ApplyEnergyEntry(m_sim.filter, *keV, microtesla);
    Control("EField").text = FieldText(m_sim.filter.electricField);
    UpdatePassBand(m_sim);
    return true;
}

bool PageWindow::CountEntered()
{
    ControlState& count = Control("Edit6");
    const std::optional<std::int32_t> value = ParseIntegerText(count.text);
    if (!value || !IsValidParticleCount(*value)) {
        Refuse("Edit6", ParticleCountRefusal);
        return false;
    }
    count.text = std::to_string(*value);
    m_sim.run.setCount = *value;
    count.colour = Colours::NormalColor;
    return true;
}

void PageWindow::FieldsSwitched()
{
    FilterSettings& filter = m_sim.filter;
    if (Control("CheckBox3").checked) {
        if (!ReadDecimal(Control("EField").text, filter.electricField))
            return;
        double microtesla = 0.0;
        if (!ReadDecimal(Control("BField").text, microtesla))
            return;
        filter.magneticField = MicroteslaToTesla(microtesla);
        Control("EField").colour = Colours::White;
        for (const char* name : {"BField", "Edit7"}) {
            Control(name).colour = Colours::NormalColor;
            Control(name).readOnly = false;
        }
        Control("UpDown4").shown = true;
    } else {
        filter.electricField = 0.0;
        filter.magneticField = 0.0;
        for (const char* name : {"EField", "BField", "Edit7"})
            Control(name).colour = Colours::OffColor;
        Control("BField").readOnly = true;
        Control("Edit7").readOnly = true;
        Control("UpDown4").shown = false;
    }
}

bool PageWindow::FlyFor(double milliseconds)
{
    // Stop and Continue between two slices are Stop and Continue in one turn
    // of the window: its loop goes on with the waiting particle. Once a slice
    // has seen the run stopped, the next run launches anew.
    if (!m_sim.run.running) {
        m_paused = false;
        return false;
    }
    const double deadline = emscripten_get_now() + milliseconds;
    const RunCallbacks callbacks{.setCountReached = [this] { m_run.Stop(RunClock::now()); },
                                 .turn = [this] { RefreshRunDisplays(); },
                                 .pauseAtTurn = [deadline] { return emscripten_get_now() >= deadline; }};
    // A run just started, or continued after its stop was seen, launches its
    // first particle, as the window's loop does; a paused one has its particle waiting.
    const RunEnd end = m_paused ? ResumeParticles(m_sim, callbacks) : RunParticles(m_sim, callbacks);
    m_paused = end == RunEnd::Paused;
    RefreshRunDisplays();
    if (!m_sim.run.running)
        m_run.Ended();
    return m_sim.run.running;
}

void PageWindow::RefreshRunDisplays()
{
    const RunState& run = m_sim.run;
    if (m_launchesToShow) {
        Control("Edit9").text = std::to_string(run.launchedCount);
        if (run.running)
            Control("Edit1").text = ElapsedTimeText(MeasuringTime(run, RunClock::now()));
        m_launchesToShow = false;
    }
    if (m_detectionsToShow) {
        Control("Edit8").text = std::to_string(run.detectedCount);
        m_detectionsToShow = false;
    }
}

bool PageWindow::LoadSource(const std::string& name, const std::string& text)
{
    if (m_sim.run.running)
        return false;
    if (const std::optional<SourceError> error = LoadSourceSpectrum(SplitLines(text), m_sim.source)) {
        std::string message = SourceUnusableMessage;
        const std::pair<const char*, std::string> fills[]{
            {"%1", name}, {"%2", std::to_string(error->line)}, {"%3", error->message}};
        for (const auto& [mark, text] : fills)
            message.replace(message.find(mark), 2, text);
        m_messages.push_back({SourceErrorTitle, message});
        return false;
    }
    Control("Panel9").text = m_sim.source.Name;
    // Counts drawn from two spectra make no one measurement: the new source is
    // measured from the next Start.
    Control("Button4").enabled = false;
    Control("Button4").text = StopCaption;
    m_run.ClearParticles();
    m_run.ClearDetector();
    m_sim.run.accumulatedTime = {};
    Control("Edit1").text = "0";
    UpdatePassBand(m_sim);
    return true;
}

void PageWindow::SetText(std::string_view control, const std::string& text)
{
    Control(std::string(control)).text = text;
}

void PageWindow::SetEnabled(std::string_view control, bool enabled)
{
    Control(std::string(control)).enabled = enabled;
}

bool PageWindow::Checked(std::string_view control) const
{
    return m_controls.at(std::string(control)).checked;
}

void PageWindow::SetChecked(std::string_view control, bool checked)
{
    Control(std::string(control)).checked = checked;
}

std::optional<std::int32_t> PageWindow::ReadSetCount()
{
    std::int32_t count = 0;
    if (!ReadInteger(Control("Edit6").text, count))
        return std::nullopt;
    return count;
}

// The waiting particle goes with its count.
void PageWindow::ForgetLaunches()
{
    std::fill(m_trackPixels.begin(), m_trackPixels.end(), 0);
    m_changedLeft = 0;
    m_changedTop = 0;
    m_changedRight = m_trackWidth - 1;
    m_changedBottom = m_trackHeight - 1;
    m_paused = false;
    m_launchesToShow = false;
}

void PageWindow::ForgetDetections()
{
    m_detectionsToShow = false;
}

CountSetting PageWindow::SettingNow() const
{
    return {m_sim.filter, m_slitStep, m_sim.source.Name};
}

std::optional<ControlRect> PageWindow::TakeTracksChanged()
{
    if (m_changedLeft > m_changedRight)
        return std::nullopt;
    const ControlRect changed{m_changedLeft, m_changedTop, m_changedRight - m_changedLeft + 1,
                              m_changedBottom - m_changedTop + 1};
    m_changedLeft = m_trackWidth;
    m_changedTop = m_trackHeight;
    m_changedRight = -1;
    m_changedBottom = -1;
    return changed;
}

std::vector<PageMessage> PageWindow::TakeMessages()
{
    return std::exchange(m_messages, {});
}

void PageWindow::ShowLaunched(const RunState&)
{
    m_launchesToShow = true;
}

void PageWindow::ShowDetected(std::int32_t)
{
    m_detectionsToShow = true;
}

void PageWindow::ShowPassBand(const std::optional<PassBand>& band)
{
    const BandReadouts readouts = BandReadoutsOf(band);
    Control("Edit12").text = readouts.lower;
    Control("Edit13").text = readouts.upper;
    Control("Edit14").text = readouts.width;
}

bool PageWindow::TracksShown() const
{
    return m_controls.at("CheckBox4").checked;
}

void PageWindow::DrawTrackPiece(int fromX, int fromY, int toX, int toY, std::uint32_t colour)
{
    const std::uint32_t pixel = CanvasPixel(colour);
    PlotTrackLine(fromX, fromY, toX, toY, m_trackWidth, m_trackHeight, [&](int x, int y) {
        m_trackPixels[std::size_t(y) * std::size_t(m_trackWidth) + std::size_t(x)] = pixel;
        m_changedLeft = std::min(m_changedLeft, x);
        m_changedRight = std::max(m_changedRight, x);
        m_changedTop = std::min(m_changedTop, y);
        m_changedBottom = std::max(m_changedBottom, y);
    });
}
