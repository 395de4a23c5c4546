#pragma once

#include <cstddef>
#include <optional>
#include <vector>

namespace zandrel::cli {

/// Summary of repeated timings, in the unit of the samples (milliseconds).
struct Summary {
    std::size_t count = 0;
    double min = 0, median = 0, mean = 0, max = 0;
    /// (max - min) / median: 0.1 means the runs spread over 10 % of the median.
    double spread = 0;
};

/// Summarises samples (any order). An empty set gives a zero Summary; a
/// median of 0 gives a spread of 0.
Summary Summarise(std::vector<double> samples);

/// Spread above which a run is flagged as noisy.
inline constexpr double kNoisySpread = 0.20;

/// Growth of time with the bound: the least-squares slope of log(time)
/// against log(bound), so time ~ bound^exponent.
struct GrowthFit {
    double exponent = 0;
    double rSquared = 0;  ///< 1 for points on a straight line in log-log
    std::size_t points = 0;
};

/// Fits over the points with positive bound and time; nothing when fewer
/// than two such points with different bounds remain.
std::optional<GrowthFit> FitGrowth(const std::vector<double>& bounds, const std::vector<double>& times);

/// k bounds spaced geometrically from `from` to `to` inclusive, rounded to
/// whole numbers, duplicates removed (k >= 2, 1 <= from <= to).
std::vector<long long> GeometricBounds(long long from, long long to, int k);

}  // namespace zandrel::cli
