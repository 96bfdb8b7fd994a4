#pragma once

// Wall-clock timing and percentiles shared by the benchmarks that time one step by hand.

#include <algorithm>
#include <chrono>
#include <vector>

namespace lw::bench {

inline double microseconds(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start)
            .count();
}

inline double percentile(std::vector<double> times, double share)
{
    const auto at = times.begin() + static_cast<std::ptrdiff_t>(share * (times.size() - 1));
    std::nth_element(times.begin(), at, times.end());
    return *at;
}

} // namespace lw::bench
