#include <gtest/gtest.h>

#include <random>

#include "platform/timingHistogram.h"

// Counted in bins, a run's times summarise as they would kept one by one, to within a bin.
TEST(TimingHistogram, SummarisesAsTheSamplesThemselvesWithinABin) {
    EXPECT_EQ(timingHistogram().summary().maxMs, 0.0);
    std::mt19937 random(7);
    std::lognormal_distribution<double> drawing(0.3, 1.2);
    std::vector<double> samples = {0.0, 250000.0}; // below the first bin, past the last
    timingHistogram counted;
    for (int k = 0; k < 20000; k++) {
        samples.push_back(drawing(random));
    }
    for (const double ms : samples) {
        counted.add(ms);
    }
    const timingSummary exact = summarise(samples);
    const timingSummary binned = counted.summary();
    EXPECT_NEAR(binned.medianMs, exact.medianMs, exact.medianMs * 0.0006);
    EXPECT_NEAR(binned.p99Ms, exact.p99Ms, exact.p99Ms * 0.0006);
    EXPECT_EQ(binned.maxMs, exact.maxMs);
}
