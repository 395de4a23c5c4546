#include <gtest/gtest.h>

#include <cmath>

#include "Statistics.h"

namespace zandrel::cli {
namespace {

TEST(Summarise, KnownSamples) {
    struct Case {
        std::vector<double> samples;
        Summary expected;
    };
    const Case cases[] = {
        {{}, {0, 0, 0, 0, 0, 0}},
        {{5}, {1, 5, 5, 5, 5, 0}},
        {{3, 1, 2}, {3, 1, 2, 2, 3, 1.0}},
        {{4, 1, 3, 2}, {4, 1, 2.5, 2.5, 4, 1.2}},
        {{10, 10, 10, 13}, {4, 10, 10, 10.75, 13, 0.3}},
        {{0, 0, 0}, {3, 0, 0, 0, 0, 0}},  // no spread from a zero median
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.samples.size());
        const Summary s = Summarise(c.samples);
        EXPECT_EQ(s.count, c.expected.count);
        EXPECT_DOUBLE_EQ(s.min, c.expected.min);
        EXPECT_DOUBLE_EQ(s.median, c.expected.median);
        EXPECT_DOUBLE_EQ(s.mean, c.expected.mean);
        EXPECT_DOUBLE_EQ(s.max, c.expected.max);
        EXPECT_DOUBLE_EQ(s.spread, c.expected.spread);
    }
}

TEST(FitGrowth, RecoversKnownExponents) {
    for (double exponent : {1.0, 1.5, 2.0, 0.5}) {
        SCOPED_TRACE(exponent);
        std::vector<double> bounds;
        std::vector<double> times;
        for (double n = 1e3; n <= 1e7; n *= 3.7) {
            bounds.push_back(n);
            times.push_back(0.002 * std::pow(n, exponent));
        }
        const auto fit = FitGrowth(bounds, times);
        ASSERT_TRUE(fit);
        EXPECT_NEAR(fit->exponent, exponent, 1e-9);
        EXPECT_NEAR(fit->rSquared, 1.0, 1e-9);
    }
}

TEST(FitGrowth, NoisyDataFitsNearTheTrueExponentWithRSquaredBelowOne) {
    const std::vector<double> bounds{1e3, 1e4, 1e5, 1e6};
    const std::vector<double> times{1.1, 9.0, 110, 950};  // about n^1 with +-10 %
    const auto fit = FitGrowth(bounds, times);
    ASSERT_TRUE(fit);
    EXPECT_NEAR(fit->exponent, 0.96, 0.05);
    EXPECT_LT(fit->rSquared, 1.0);
    EXPECT_GT(fit->rSquared, 0.99);
}

TEST(FitGrowth, SkipsPointsALogCannotTakeAndNeedsTwoBounds) {
    EXPECT_FALSE(FitGrowth({1e3}, {1.0}));
    EXPECT_FALSE(FitGrowth({1e3, 1e3}, {1.0, 2.0}));
    EXPECT_FALSE(FitGrowth({1e3, 1e4}, {0.0, 2.0}));
    const auto fit = FitGrowth({1e2, 1e3, 1e4}, {-1.0, 1.0, 100.0});
    ASSERT_TRUE(fit);
    EXPECT_EQ(fit->points, 2u);
    EXPECT_NEAR(fit->exponent, 2.0, 1e-12);
}

TEST(GeometricBounds, SpacedEvenlyInLogAndEndingAtTo) {
    EXPECT_EQ(GeometricBounds(1000, 10'000'000, 5),
              (std::vector<long long>{1000, 10000, 100000, 1000000, 10000000}));
    EXPECT_EQ(GeometricBounds(1, 4, 8), (std::vector<long long>{1, 2, 3, 4}));  // duplicates dropped
    EXPECT_EQ(GeometricBounds(7, 7, 3), (std::vector<long long>{7}));
}

}  // namespace
}  // namespace zandrel::cli
