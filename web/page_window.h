#pragma once

#include "core/measurement_view.h"
#include "core/simulation.h"
#include "record/picture_sealing.h"
#include "ui/layout/apparatus_drawing.h"
#include "ui/layout/run_handlers.h"
#include "ui/layout/settings_handlers.h"
#include "ui/layout/source_handler.h"
#include "ui/layout/window_panel.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

// The window's controls as the page shows them: the page's script draws what
// is here and hands every click, entry and step back to the window.
struct ControlState {
    std::string text;
    std::uint32_t colour = 0xffffff;  // an input box's background, 0xRRGGBB
    bool enabled = true;
    bool readOnly = false;
    bool checked = false;
    bool shown = true;
    ControlRect rect;                 // where it sits in its parent now
};

// A message box the page is to show.
struct PageMessage {
    std::string title;
    std::string text;
};

// A picture "Képernyő mentése" is to download: its bytes with the record in
// place, to be sealed with the browser's SHA-256, and its numbered name.
struct PagePicture {
    UnsealedPicture picture;
    std::string fileName;
};

// The measurement window of the browser page: the handlers of the desktop
// window over the same simulation, without an event loop of its own. A run
// flies in slices (FlyFor) that end at the window's turns, so the browser
// repaints and takes Stop between them.
class PageWindow : public MeasurementView, private WindowPanel {
public:
    PageWindow();

    const std::map<std::string, ControlState>& Controls() const { return m_controls; }
    ControlState& Control(const std::string& name);

    // The text of a box changed as the user typed.
    void Typed(const std::string& name, const std::string& text);
    // The focus left a box, or Enter was pressed in it: false when the entry
    // was refused, and the box then wants the focus back with its text selected.
    bool Entered(const std::string& name);
    void Clicked(const std::string& name);
    // A stepper's arrow: +1 up, -1 down.
    void Stepped(const std::string& name, int by);

    // Flies particles until the time in milliseconds is up, ending at a turn;
    // true while the run goes on.
    bool FlyFor(double milliseconds);
    bool Running() const { return m_sim.run.running; }

    // Replaces the source with a source text; false, with a message, when it cannot be used.
    bool LoadSource(const std::string& name, const std::string& text);

    // The tracks' picture, the size of Image2, as the page's canvas holds its
    // pixels (bytes R, G, B, A; no track is transparent), and the part of it
    // changed since the last call, if any. However many pieces a slice drew,
    // the page copies no more than these pixels once a frame.
    const std::vector<std::uint32_t>& TrackPixels() const { return m_trackPixels; }
    int TrackPictureWidth() const { return m_trackWidth; }
    std::optional<ControlRect> TakeTracksChanged();
    std::vector<PageMessage> TakeMessages();
    const Simulation& Sim() const { return m_sim; }
    // Where the counts shown come from, which a saved picture states.
    const CountOrigin& Origin() const { return m_run.Origin(); }

    // "Képernyő mentése": jpeg, the page's client area as the window's picture
    // shows it, with the record of the window now, naming the browser edition
    // and no one, and the name the page's next picture takes after name.
    PagePicture PictureToSeal(std::string_view jpeg, const std::string& name, const std::string& savedAt,
                              bool teacherMode);

    // MeasurementView
    void ShowLaunched(const RunState& run) override;
    void ShowDetected(std::int32_t detectedCount) override;
    void ShowPassBand(const std::optional<PassBand>& band) override;
    bool TracksShown() const override;
    void DrawTrackPiece(int fromX, int fromY, int toX, int toY, std::uint32_t colour) override;

private:
    // WindowPanel
    std::string Text(std::string_view control) const override;
    void SetText(std::string_view control, const std::string& text) override;
    void SetEnabled(std::string_view control, bool enabled) override;
    bool Checked(std::string_view control) const override;
    void SetChecked(std::string_view control, bool checked) override;
    void SetColour(std::string_view control, std::uint32_t colour) override;
    void SetReadOnly(std::string_view control, bool readOnly) override;
    void SetShown(std::string_view control, bool shown) override;
    ControlRect Rect(std::string_view control) const override;
    void SetRect(std::string_view control, const ControlRect& rect) override;
    void ShowGeneralError(const std::string& message) override;
    void ShowRefusal(const std::string& text) override;
    void ShowSourceError(const std::string& message) override;
    void ShowSourceName(const std::string& name) override;
    void TakeFocusBack(std::string_view control) override;
    void ForgetLaunches() override;
    void ForgetDetections() override;
    void RefreshRunDisplays() override;
    CountSetting SettingNow() const override;

    Simulation m_sim;
    std::map<std::string, ControlState> m_controls;
    int m_slitStep = 0;
    int m_fieldStep = 0;
    bool m_launchesToShow = false;
    bool m_detectionsToShow = false;
    bool m_paused = false;   // the last slice ended at a turn, its particle waiting
    int m_picturesSaved = 0;
    std::vector<std::uint32_t> m_trackPixels;
    int m_trackWidth = 0;
    int m_trackHeight = 0;
    // The changed part: its first and last column and row, none when left > right.
    int m_changedLeft;
    int m_changedTop;
    int m_changedRight = -1;
    int m_changedBottom = -1;
    std::vector<PageMessage> m_messages;
    RunHandlers m_run{m_sim, *this};
    SettingsHandlers m_settings{m_sim, *this};
    SourceHandler m_source{m_sim, *this, m_run};
};
