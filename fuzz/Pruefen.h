#pragma once

#include <cstdlib>

// A broken expectation of a fuzz target: the abort makes libFuzzer keep the input as a finding.
inline void pruefen(bool bedingung)
{
    if (!bedingung)
        std::abort();
}
