#pragma once

#include "core/pass_band_record.h"

#include <cstdint>
#include <optional>

struct RunState;

// What the simulation shows of itself in the window: the counters, the
// measuring time, the pass-band readouts and the tracks. Headless callers
// have no view, and then nothing is formatted or drawn.
class MeasurementView {
public:
    virtual ~MeasurementView() = default;

    // A particle was launched: the launched count and the measuring time changed.
    virtual void ShowLaunched(const RunState& run) = 0;
    virtual void ShowDetected(std::int32_t detectedCount) = 0;
    // The band the filter lets through, or nothing when it cannot be computed.
    virtual void ShowPassBand(const std::optional<PassBand>& band) = 0;

    virtual bool TracksShown() const = 0;
    // A straight piece of track on the overlay, colour as 0x00BBGGRR.
    virtual void DrawTrackPiece(int fromX, int fromY, int toX, int toY, std::uint32_t colour) = 0;
};
