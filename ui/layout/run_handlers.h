#pragma once

#include "core/count_origin.h"
#include "core/run_state.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

struct Simulation;

// What the run's handlers ask of a window: its controls by the layout's
// names, and the few things each window shows in its own way.
class RunPanel {
public:
    virtual ~RunPanel() = default;

    virtual void SetText(std::string_view control, const std::string& text) = 0;
    virtual void SetEnabled(std::string_view control, bool enabled) = 0;
    virtual bool Checked(std::string_view control) const = 0;
    virtual void SetChecked(std::string_view control, bool checked) = 0;

    // The set count of Edit6, or nothing once the window has said that its text is no integer.
    virtual std::optional<std::int32_t> ReadSetCount() = 0;
    // The launched count is gone: its tracks and any launch not yet shown go too.
    virtual void ForgetLaunches() = 0;
    // The detected count is gone: a detection not yet shown is forgotten.
    virtual void ForgetDetections() = 0;
    // The counters and the measuring time as they are now.
    virtual void RefreshRunDisplays() = 0;
    // The setting the counts are being measured at.
    virtual CountSetting SettingNow() const = 0;
};

// Start, Stop, Continue and the two clears of the measurement window, in the
// order the window takes their steps, for every window that shows one. The
// particle loop itself is the window's: the desktop flies it in its Start
// handler, the page in slices between the browser's frames.
class RunHandlers {
public:
    RunHandlers(Simulation& sim, RunPanel& panel) : m_sim(sim), m_panel(panel) {}

    // Start (Button3): true when a run has begun and its particles are to fly.
    bool Start(RunClock::time_point now);
    // Stop, or Continue when stopped (Button4): true when the particles are to fly again.
    bool StopOrContinue(RunClock::time_point now);
    void Stop(RunClock::time_point now);
    bool Continue(RunClock::time_point now);
    // The particle loop has seen the run stopped.
    void Ended();
    void ClearParticles();   // "Részecskék törlése" (Button7)
    void ClearDetector();    // "Töröl" (Button5)

    // Where the counts shown come from.
    const CountOrigin& Origin() const { return m_origin; }

private:
    void EnableSettings();

    Simulation& m_sim;
    RunPanel& m_panel;
    CountOrigin m_origin;
};
