#pragma once

#include "core/count_origin.h"
#include "core/run_state.h"

class WindowPanel;
struct Simulation;

// Start, Stop, Continue and the two clears of the measurement window, in the
// order the window takes their steps, for every window that shows one. The
// particle loop itself is the window's: the desktop flies it in its Start
// handler, the page in slices between the browser's frames.
class RunHandlers {
public:
    RunHandlers(Simulation& sim, WindowPanel& panel) : m_sim(sim), m_panel(panel) {}

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
    WindowPanel& m_panel;
    CountOrigin m_origin;
};
