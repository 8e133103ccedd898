#pragma once

#include <string>
#include <vector>

class RunHandlers;
class WindowPanel;
struct Simulation;

// The teacher's source choice ("Forrás választás"), in the order the window
// takes its steps, for every window that shows one. Where the source's lines
// come from, a file dialog or the browser's file picker, is the window's.
class SourceHandler {
public:
    SourceHandler(Simulation& sim, WindowPanel& panel, RunHandlers& run) : m_sim(sim), m_panel(panel), m_run(run) {}

    // Particles in flight are drawn from the spectrum in use until the run stops.
    bool Choosable() const;
    // The source of these lines, named by the path shown, replaces the one in
    // use; false, after the source's error box, when it cannot be used.
    bool Chosen(const std::string& shownPath, const std::vector<std::string>& lines);

private:
    Simulation& m_sim;
    WindowPanel& m_panel;
    RunHandlers& m_run;
};
