#pragma once
// A broken invariant ends the run with its name on stderr, so that a crash
// report says which rule a reproducer breaks.

#include <cstdio>
#include <cstdlib>

inline void fuzzCheck(bool ok, const char* what)
{
    if (!ok) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}
