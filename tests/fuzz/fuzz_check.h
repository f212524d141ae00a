// What every fuzz target does when a property fails: says which, and aborts,
// which libFuzzer records as a crash with the input that caused it.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

inline void require(bool holds, const std::string& what)
{
    if (holds)
        return;
    std::fprintf(stderr, "property broken: %s\n", what.c_str());
    std::abort();
}
