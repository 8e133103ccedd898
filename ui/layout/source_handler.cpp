#include "ui/layout/source_handler.h"

#include "core/pass_band.h"
#include "core/simulation.h"
#include "spectrum/source_spectrum.h"
#include "ui/layout/run_handlers.h"
#include "ui/layout/window_panel.h"
#include "ui/layout/window_texts.h"

bool SourceHandler::Choosable() const
{
    return !m_sim.run.running;
}

bool SourceHandler::Chosen(const std::string& shownPath, const std::vector<std::string>& lines)
{
    if (!Choosable())
        return false;
    if (const std::optional<SourceError> error = LoadSourceSpectrum(lines, m_sim.source)) {
        m_panel.ShowSourceError(
            FilledText(SourceUnusableMessage, {shownPath, std::to_string(error->line), error->message}));
        return false;
    }
    m_panel.ShowSourceName(m_sim.source.Name);
    // Counts drawn from two spectra make no one measurement: the new source
    // is measured from the next Start, which also finds its maximum. The
    // counts and tracks of the source before go, so that no picture shows
    // them under the new name.
    m_panel.SetEnabled("Button4", false);
    m_panel.SetText("Button4", StopCaption);
    m_run.ClearParticles();
    m_run.ClearDetector();
    m_sim.run.accumulatedTime = {};
    m_panel.SetText("Edit1", "0");
    UpdatePassBand(m_sim);
    return true;
}
