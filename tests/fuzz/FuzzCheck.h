#pragma once

#include <cstdlib>

// A fuzzer's assertion: a failed check is a crash libFuzzer keeps the input of.
inline void Check(bool condition)
{
    if (!condition)
        std::abort();
}
