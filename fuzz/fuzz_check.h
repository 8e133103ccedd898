#pragma once

#include <cstdio>
#include <cstdlib>

// A broken invariant ends the run like a sanitizer report does, so that
// libFuzzer keeps the input that broke it.
inline void Require(bool holds, const char* invariant)
{
    if (holds)
        return;
    std::fprintf(stderr, "invariant broken: %s\n", invariant);
    std::abort();
}
