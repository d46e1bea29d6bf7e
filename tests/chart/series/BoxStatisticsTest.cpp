// Box statistics against the worked sample and against an independent reading of the same
// rules on random samples; the fences decide which samples are outliers, edges included.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "chart/series/algo/BoxStatistics.h"

namespace {

// The quartile at p by the (n + 1) p rule read afresh: the position r counted from 1, below the
// first sample the first, from the last sample on the last, else between the two around it.
double ReferenceQuantile(const std::vector<double>& x, double p) {
    const double r = (double(x.size()) + 1) * p;
    if (r <= 1) return x.front();
    if (r >= double(x.size())) return x.back();
    const double whole = std::floor(r);
    const size_t below = size_t(whole) - 1;
    return x[below] + (r - whole) * (x[below + 1] - x[below]);
}

TEST(BoxStatisticsTest, WorkedSampleOneToNineAndAHundred) {
    const std::vector<double> x{1, 2, 3, 4, 5, 6, 7, 8, 9, 100};
    TBoxStatistics s;
    ASSERT_TRUE(ComputeBoxStatistics(x, 1.5, s));
    EXPECT_DOUBLE_EQ(s.Median, 5.5);
    EXPECT_DOUBLE_EQ(s.Quartile1, 2.75);
    EXPECT_DOUBLE_EQ(s.Quartile3, 8.25);
    EXPECT_DOUBLE_EQ(s.InnerFence1, -5.5);
    EXPECT_DOUBLE_EQ(s.InnerFence3, 16.5);
    EXPECT_DOUBLE_EQ(s.OuterFence1, -13.75);
    EXPECT_DOUBLE_EQ(s.OuterFence3, 24.75);
    EXPECT_EQ(s.AdjacentPoint1, 1);
    EXPECT_EQ(s.AdjacentPoint3, 9);
    EXPECT_EQ(ClassifyBoxSample(s, 100), boExtreme);
    EXPECT_EQ(ClassifyBoxSample(s, 9), boNone);
}

TEST(BoxStatisticsTest, RandomSamplesAgreeWithTheIndependentReading) {
    std::mt19937 random(20261211);
    for (int round = 0; round < 200; ++round) {
        SCOPED_TRACE(round);
        std::vector<double> x(size_t(2 + random() % 40));
        for (double& v : x) v = double(random() % 1000) / 10 - 20;
        std::sort(x.begin(), x.end());
        TBoxStatistics s;
        ASSERT_TRUE(ComputeBoxStatistics(x, 1.5, s));
        const size_t n = x.size();
        const double median = n % 2 ? x[n / 2] : (x[n / 2 - 1] + x[n / 2]) / 2;
        EXPECT_NEAR(s.Median, median, 1e-9);
        const double q1 = ReferenceQuantile(x, 0.25), q3 = ReferenceQuantile(x, 0.75);
        EXPECT_NEAR(s.Quartile1, q1, 1e-9);
        EXPECT_NEAR(s.Quartile3, q3, 1e-9);
        EXPECT_NEAR(s.InnerFence3, q3 + 1.5 * (q3 - q1), 1e-9);
        EXPECT_NEAR(s.OuterFence1, q1 - 3 * (q3 - q1), 1e-9);
        // The whisker ends: the most distant samples inside the inner fences.
        double low = x.back(), high = x.front();
        for (double v : x) {
            if (v > s.InnerFence1) low = std::min(low, v);
            if (v <= s.InnerFence3) high = std::max(high, v);
        }
        EXPECT_EQ(s.AdjacentPoint1, low);
        EXPECT_EQ(s.AdjacentPoint3, high);
    }
}

TEST(BoxStatisticsTest, EdgeSamples) {
    TBoxStatistics s;
    EXPECT_FALSE(ComputeBoxStatistics({}, 1.5, s));
    const std::vector<double> one{7};
    ASSERT_TRUE(ComputeBoxStatistics(one, 1.5, s));
    for (double v : {s.Median, s.Quartile1, s.Quartile3, s.InnerFence1, s.InnerFence3,
                     s.OuterFence1, s.OuterFence3, s.AdjacentPoint1, s.AdjacentPoint3})
        EXPECT_EQ(v, 7);
    // All samples equal: no sample lies above the lower fence; the scan ends on the last one.
    const std::vector<double> same{3, 3, 3, 3};
    ASSERT_TRUE(ComputeBoxStatistics(same, 1.5, s));
    EXPECT_EQ(s.AdjacentPoint1, 3);
    EXPECT_EQ(s.AdjacentPoint3, 3);
}

TEST(BoxStatisticsTest, FencesDecideTheMarkerEdgesIncluded) {
    TBoxStatistics s;
    s.InnerFence1 = 5;
    s.InnerFence3 = 25;
    s.OuterFence1 = 0;
    s.OuterFence3 = 30;
    const struct {
        double value;
        TBoxOutlier kind;
    } cases[] = {{25, boNone}, {5, boNone},        {25.01, boMild},    {30, boMild},
                 {0, boMild},  {30.01, boExtreme}, {-0.01, boExtreme}, {15, boNone}};
    for (const auto& c : cases) EXPECT_EQ(ClassifyBoxSample(s, c.value), c.kind) << c.value;
}

}  // namespace
