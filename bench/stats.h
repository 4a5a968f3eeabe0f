#pragma once

#include <algorithm>
#include <vector>

// The figures the benchmarks report for a run of timed samples.
struct Stats
{
    double mean;
    double median;
    double p99;
    double max;
};

inline Stats stats(std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    double sum = 0;
    for (double s : samples)
        sum += s;
    return {sum / double(samples.size()), samples[samples.size() / 2], samples[samples.size() * 99 / 100],
            samples.back()};
}
