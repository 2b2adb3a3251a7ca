#pragma once

#include <algorithm>
#include <cstdint>
#include <ctime>
#include <fstream>
#include <string>
#include <vector>

// Small measuring helpers shared by the bench programs that time whole frames.

/// Milliseconds on one of the POSIX clocks.
inline double clockMs(clockid_t clock)
{
    timespec t{};
    clock_gettime(clock, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) * 1e-6;
}

/// The value at fraction q (0 to 1) of the sorted samples, nearest rank; 0 for none.
inline double quantile(std::vector<double> samples, double q)
{
    if (samples.empty()) return 0.0;
    std::sort(samples.begin(), samples.end());
    auto rank = static_cast<std::size_t>(q * static_cast<double>(samples.size()) + 0.999999);
    if (rank == 0) rank = 1;
    if (rank > samples.size()) rank = samples.size();
    return samples[rank - 1];
}

inline double median(const std::vector<double>& samples)
{
    return quantile(samples, 0.5);
}

/// A "Name:  1234 kB" field of /proc/self/status in kilobytes, or -1.
inline long procStatusKb(const std::string& field)
{
    std::ifstream in("/proc/self/status");
    std::string line;
    while (std::getline(in, line)) {
        if (line.compare(0, field.size() + 1, field + ":") != 0) continue;
        return std::stol(line.substr(field.size() + 1));
    }
    return -1;
}
