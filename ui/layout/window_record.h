#pragma once

#include "core/count_origin.h"
#include "core/run_state.h"
#include "record/evidence_record.h"
#include "ui/layout/window_panel.h"

#include <string>

// What a picture saved now says of the window: its boxes, ticks and readouts
// as they show, the counts and where they come from. Who saved it, when and
// with which program are for the window that saves it to add.
EvidenceRecord WindowRecord(const WindowPanel& panel, int slitStep, const RunState& run, const CountOrigin& origin,
                            const std::string& sourceName);
