#pragma once

#include <cstdio>
#include <vector>

// The benchmarks hand every timed sample to bench/run.sh, one "key value" line each; the script
// pools the samples of all its runs per key and prints the table. Samples are printed after the
// timed loop, so that the printing costs nothing inside it.
inline void printSamples(const char *key, const std::vector<double> &samples)
{
    for (double value : samples)
        std::printf("%s %.3f\n", key, value);
    std::fflush(stdout);
}

inline void printSample(const char *key, double value)
{
    printSamples(key, {value});
}
