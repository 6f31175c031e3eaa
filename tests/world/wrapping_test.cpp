#include <gtest/gtest.h>

#include "world/wrapping.h"

TEST(WrappedDistance, TakesTheShortWayRoundTheEdges) {
    EXPECT_NEAR(wrappedDistance(1, 1, 79, 79, 80), 2.8284, 1e-4);
    EXPECT_NEAR(wrappedDistance(0.5, 40, 79.5, 40, 80), 1.0, 1e-12);
    EXPECT_NEAR(wrappedDistance(10, 10, 13, 14, 80), 5.0, 1e-12);
}

TEST(WrappedDistance, SideZeroIsThePlainDistanceAndFarPointsCapAt9999) {
    EXPECT_NEAR(wrappedDistance(0, 0, 3, 4, 0), 5.0, 1e-12);
    EXPECT_EQ(wrappedDistance(0, 0, 20000, 0, 0), 9999.0);
}

TEST(WrapDelta, TakesTheShortWayRoundWhateverTheDistance) {
    EXPECT_DOUBLE_EQ(wrapDelta(79.0, 80), -1.0);
    EXPECT_DOUBLE_EQ(wrapDelta(-79.0, 80), 1.0);
    EXPECT_DOUBLE_EQ(wrapDelta(30.0, 80), 30.0);
    EXPECT_DOUBLE_EQ(wrapDelta(161.0, 80), 1.0); // more than a whole side away
    EXPECT_DOUBLE_EQ(wrapDelta(79.0, 0), 79.0);  // a world of no side
}
