#pragma once

#include "core/band_readout.h"
#include "core/measurement_view.h"
#include "core/run_state.h"

#include <string>
#include <vector>

struct TrackPiece {
    int fromX;
    int fromY;
    int toX;
    int toY;
    std::uint32_t colour;
};

// Keeps what the simulation shows, so that tests can count steps and readouts.
class RecordingView : public MeasurementView {
public:
    void ShowLaunched(const RunState& run) override { launched.push_back(run.launchedCount); }
    void ShowDetected(std::int32_t detectedCount) override { detected.push_back(detectedCount); }
    void ShowPassBand(const std::optional<PassBand>& band) override
    {
        const BandReadouts shown = BandReadoutsOf(band);
        readouts = {shown.lower, shown.upper, shown.width};
    }
    bool TracksShown() const override { return tracksShown; }
    void DrawTrackPiece(int fromX, int fromY, int toX, int toY, std::uint32_t colour) override
    {
        pieces.push_back({fromX, fromY, toX, toY, colour});
    }

    bool tracksShown = true;
    std::vector<std::int32_t> launched;
    std::vector<std::int32_t> detected;
    std::vector<std::string> readouts;
    std::vector<TrackPiece> pieces;
};
