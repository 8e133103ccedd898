#include "web/page_window.h"

#include "core/band_readout.h"
#include "core/measurement.h"
#include "core/settings_rules.h"
#include "generated/vantor_version.h"
#include "spectrum/source_spectrum.h"
#include "ui/layout/colours.h"
#include "ui/layout/picture_name.h"
#include "ui/layout/track_line.h"
#include "ui/layout/window_layout.h"
#include "ui/layout/window_record.h"
#include "ui/layout/window_texts.h"

#include <emscripten.h>

#include <string_view>

namespace {

// No track is a transparent pixel of the canvas.
std::uint32_t CanvasPixel(std::uint32_t colour)
{
    const std::optional<std::uint32_t> rgb = Colours::TrackColour(colour);
    return rgb ? Colours::RgbaPixel(*rgb) : 0;
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
        control.colour = place.start.colour;
        control.checked = place.start.checked;
        control.enabled = place.start.enabled;
    }
    // The menu's source choice, which a run locks as it locks the settings.
    m_controls["Loadsource1"];

    // What the window's first activation does.
    for (const ActivatedColour& box : ActivatedBoxColours())
        Control(std::string(box.name)).colour = box.colour;
    const ApparatusPlacement place = PlaceApparatusShapes(Control("Shape7").rect.width);
    Control("Shape6").rect.x = place.shape6.x;
    Control("Shape6").rect.y = place.shape6.y;
    Control("Shape7").rect.x = place.shape7.x;
    Control("Shape7").rect.y = place.shape7.y;
    Control("Shape8").rect = place.shape8;
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
    ShowSourceName(m_sim.source.Name);
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
    SetText(name, text);
}

bool PageWindow::Entered(const std::string& name)
{
    if (name == "Edit7")
        return m_settings.EnergyEntered();
    if (name == "BField")
        return m_settings.FieldEntered();
    if (name == "EField")
        return m_settings.ElectricFieldEntered();
    if (name == "Edit6")
        return m_settings.CountEntered();
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
            m_settings.FieldsSwitched();
    }
}

void PageWindow::Stepped(const std::string& name, int by)
{
    if (!Control(name).enabled || !Control(name).shown)
        return;
    if (name == "UpDown3") {
        const int step = std::clamp(m_slitStep + by, MinSlitStep, MaxSlitStep);
        if (step != m_slitStep) {
            m_slitStep = step;
            SetText("Edit3", std::to_string(step));
        }
    } else if (name == "UpDown4") {
        const int step = std::clamp(m_fieldStep + by, 0, MaxFieldStepperPosition);
        if (step != m_fieldStep) {
            m_fieldStep = step;
            SetText("Edit4", std::to_string(step));
        }
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
    return m_source.Chosen(name, SplitLines(text));
}

std::string PageWindow::Text(std::string_view control) const
{
    return m_controls.at(std::string(control)).text;
}

void PageWindow::SetText(std::string_view control, const std::string& text)
{
    std::string& shown = Control(std::string(control)).text;
    if (shown == text)
        return;
    shown = text;
    if (control == "Edit3")
        m_settings.SlitStepChanged();
    else if (control == "Edit4")
        m_settings.FieldStepChanged();
    else if (control == "BField")
        m_settings.FieldTyped();
    else if (control == "Edit7")
        m_settings.EnergyTyped();
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

void PageWindow::SetColour(std::string_view control, std::uint32_t colour)
{
    Control(std::string(control)).colour = colour;
}

void PageWindow::SetReadOnly(std::string_view control, bool readOnly)
{
    Control(std::string(control)).readOnly = readOnly;
}

void PageWindow::SetShown(std::string_view control, bool shown)
{
    Control(std::string(control)).shown = shown;
}

ControlRect PageWindow::Rect(std::string_view control) const
{
    return m_controls.at(std::string(control)).rect;
}

void PageWindow::SetRect(std::string_view control, const ControlRect& rect)
{
    Control(std::string(control)).rect = rect;
}

void PageWindow::ShowGeneralError(const std::string& message)
{
    m_messages.push_back({GeneralErrorTitle, GeneralErrorText(message)});
}

void PageWindow::ShowRefusal(const std::string& text)
{
    m_messages.push_back({ErrorBoxTitle, text});
}

void PageWindow::ShowSourceError(const std::string& message)
{
    m_messages.push_back({SourceErrorTitle, message});
}

PagePicture PageWindow::PictureToSeal(std::string_view jpeg, const std::string& name, const std::string& savedAt,
                                      bool teacherMode)
{
    EvidenceRecord record = WindowRecord(*this, m_slitStep, m_sim.run, m_run.Origin(), Control("Panel9").text);
    record.program = BrowserEditionProgram(VantorVersion);
    record.teacherMode = teacherMode;
    record.savedAt = savedAt;
    return {::PictureToSeal(jpeg, std::move(record)), NumberedPictureName(++m_picturesSaved, name)};
}

void PageWindow::ShowSourceName(const std::string& name)
{
    Control("Panel9").text = name;
}

// The page's script gives the focus back when the entry handler answers false.
void PageWindow::TakeFocusBack(std::string_view) {}

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
