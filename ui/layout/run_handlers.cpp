#include "ui/layout/run_handlers.h"

#include "core/measurement.h"
#include "core/pass_band.h"
#include "core/simulation.h"
#include "ui/layout/window_panel.h"
#include "ui/layout/window_texts.h"

namespace {

// What may not change while particles fly.
constexpr const char* LockedWhileRunning[]{"CheckBox3", "Edit7",    "UpDown4",   "BField",  "Edit6",   "CheckBox1",
                                           "Button7",   "Button5",  "CheckBox5", "Blende3", "UpDown3", "Loadsource1"};

}

bool RunHandlers::Start(RunClock::time_point now)
{
    const std::optional<std::int32_t> count = ReadInteger(m_panel, "Edit6");
    if (!count)
        return false;
    m_panel.SetText("Edit12", "");
    m_panel.SetText("Edit13", "");
    m_panel.SetText("Edit14", BandNotYetText);
    ClearParticles();
    const bool clearDetector = m_panel.Checked("CheckBox5");
    if (clearDetector)
        ClearDetector();
    const bool detectorEmpty = m_sim.run.detectedCount == 0;
    m_panel.SetEnabled("Button4", true);
    m_panel.SetText("Button4", StopCaption);
    m_panel.SetEnabled("Button3", false);
    BeginMeasurement(m_sim, {.setCount = *count,
                             .stopAtSetCount = m_panel.Checked("CheckBox1"),
                             .clearDetector = clearDetector},
                     now);
    m_origin = OriginOfStart(m_sim, m_panel.SettingNow(), clearDetector, detectorEmpty);
    EnableSettings();
    m_panel.SetText("Edit1", RunningText);
    return true;
}

bool RunHandlers::StopOrContinue(RunClock::time_point now)
{
    if (!m_sim.run.running)
        return Continue(now);
    Stop(now);
    return false;
}

void RunHandlers::Stop(RunClock::time_point now)
{
    StopMeasurement(m_sim.run, now);
    EnableSettings();
    ShowPassBand(m_sim);
    m_panel.SetText("Button4", ContinueCaption);
    m_panel.SetEnabled("Button3", true);
    m_panel.RefreshRunDisplays();
    m_panel.SetText("Edit1", ElapsedTimeText(m_sim.run.accumulatedTime));
}

bool RunHandlers::Continue(RunClock::time_point now)
{
    const Continuation continuation = ContinueMeasurement(m_sim.run, now);
    if (continuation == Continuation::Refused)
        return false;
    if (continuation == Continuation::ContinuedUnlimited)
        m_panel.SetChecked("CheckBox1", false);
    m_panel.SetText("Button4", StopCaption);
    m_panel.SetEnabled("Button3", false);
    NoteContinue(m_origin, m_panel.SettingNow());
    EnableSettings();
    m_panel.SetText("Edit1", RunningText);
    return true;
}

void RunHandlers::Ended()
{
    m_panel.SetText("Button4", ContinueCaption);
    m_panel.SetEnabled("Button3", true);
    ShowPassBand(m_sim);
}

// The particle launched at the last turn goes with its count, so a loop
// going on after this launches anew.
void RunHandlers::ClearParticles()
{
    NoteCountCleared(m_origin);
    m_sim.MeasuredParticle.Alive = false;
    m_panel.ForgetLaunches();
    m_panel.SetText("Edit9", "0");
    m_sim.run.launchedCount = 0;
}

void RunHandlers::ClearDetector()
{
    NoteCountCleared(m_origin);
    m_sim.run.detectedCount = 0;
    m_panel.SetText("Edit8", "0");
    m_panel.ForgetDetections();
}

void RunHandlers::EnableSettings()
{
    for (const char* control : LockedWhileRunning)
        m_panel.SetEnabled(control, !m_sim.run.running);
}
