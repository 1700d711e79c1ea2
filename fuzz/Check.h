#pragma once
// Stopping a fuzz run on a broken property: the fault is printed and the
// process aborts, which libFuzzer reports as a crash and saves the input.

#include <cstdio>
#include <cstdlib>
#include <string>

[[noreturn]] inline void FuzzFault(const std::string& What) {
    std::fprintf(stderr, "\n*** property broken: %s\n", What.c_str());
    std::abort();
}

inline void FuzzCheck(bool Holds, const char* What) {
    if (!Holds) FuzzFault(What);
}
