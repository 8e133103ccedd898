#pragma once

#include "tests/support/ready_simulation.h"
#include "tests/support/recording_view.h"

#include <gtest/gtest.h>

#include <memory>

// A simulation as the window has it after its first activation, showing its
// counts, readouts and tracks on a view that keeps them.
class SimulationTest : public testing::Test {
protected:
    void SetUp() override
    {
        sim = ReadySimulation();
        sim->view = &view;
    }

    std::unique_ptr<Simulation> sim;
    RecordingView view;
};
