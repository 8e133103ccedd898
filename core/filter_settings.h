#pragma once

// The state of the Wien filter that the settings hand to the flight.
struct FilterSettings {
    double magneticField = 0.0;   // T
    double electricField = 0.0;   // V/m
    double tunedEnergy = 0.0;     // J, kinetic energy that passes undeflected
};
