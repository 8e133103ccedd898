#pragma once

// The band of the built-in C-14 source at 50 keV, 1000 µT and the narrowest
// slit, as the readouts show it.
struct KnownReadouts {
    const char* lower;
    const char* upper;
    const char* width;
};

inline constexpr KnownReadouts BandAt50KeV{"    46.741", "    53.863", "     7.122"};
