#include "Statistics.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace zandrel::cli {

Summary Summarise(std::vector<double> samples) {
    Summary s;
    s.count = samples.size();
    if (samples.empty()) {
        return s;
    }
    std::sort(samples.begin(), samples.end());
    s.min = samples.front();
    s.max = samples.back();
    const std::size_t mid = samples.size() / 2;
    s.median = samples.size() % 2 == 1 ? samples[mid] : (samples[mid - 1] + samples[mid]) / 2.0;
    s.mean = std::accumulate(samples.begin(), samples.end(), 0.0) / static_cast<double>(samples.size());
    s.spread = s.median > 0 ? (s.max - s.min) / s.median : 0.0;
    return s;
}

std::optional<GrowthFit> FitGrowth(const std::vector<double>& bounds, const std::vector<double>& times) {
    std::vector<double> xs;
    std::vector<double> ys;
    for (std::size_t i = 0; i < std::min(bounds.size(), times.size()); ++i) {
        if (bounds[i] > 0 && times[i] > 0) {
            xs.push_back(std::log(bounds[i]));
            ys.push_back(std::log(times[i]));
        }
    }
    const auto n = static_cast<double>(xs.size());
    if (xs.size() < 2) {
        return std::nullopt;
    }
    const double mx = std::accumulate(xs.begin(), xs.end(), 0.0) / n;
    const double my = std::accumulate(ys.begin(), ys.end(), 0.0) / n;
    double sxx = 0, sxy = 0, syy = 0;
    for (std::size_t i = 0; i < xs.size(); ++i) {
        sxx += (xs[i] - mx) * (xs[i] - mx);
        sxy += (xs[i] - mx) * (ys[i] - my);
        syy += (ys[i] - my) * (ys[i] - my);
    }
    if (sxx == 0) {
        return std::nullopt;
    }
    GrowthFit fit;
    fit.exponent = sxy / sxx;
    fit.rSquared = syy == 0 ? 1.0 : (sxy * sxy) / (sxx * syy);
    fit.points = xs.size();
    return fit;
}

std::vector<long long> GeometricBounds(long long from, long long to, int k) {
    std::vector<long long> bounds;
    const double ratio =
        k > 1 ? std::pow(static_cast<double>(to) / static_cast<double>(from), 1.0 / (k - 1)) : 1.0;
    for (int i = 0; i < k; ++i) {
        const long long b = i == k - 1 ? to : std::llround(static_cast<double>(from) * std::pow(ratio, i));
        if (bounds.empty() || b > bounds.back()) {
            bounds.push_back(b);
        }
    }
    return bounds;
}

}  // namespace zandrel::cli
