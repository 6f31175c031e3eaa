// The test driver's steering and plan reading, where a slip would send a whole journey the
// wrong way without any level being at fault.
#include <gtest/gtest.h>

#include <cmath>

#include "journeyDriver.h"
#include "journeyPlan.h"

TEST(JourneyDriver, SteersTheShortWayRoundTheWorld) {
    // Facing +x: a point up and ahead is to the left (the car's positive turn), down is right.
    EXPECT_EQ(steerToward(40, 40, 1, 0, 50, 45, 80), 1);
    EXPECT_EQ(steerToward(40, 40, 1, 0, 50, 35, 80), -1);
    EXPECT_EQ(steerToward(40, 40, 1, 0, 50, 40, 80), 0);
    // Just across the edge of the world the point is ahead, not 78 tiles behind.
    EXPECT_EQ(steerToward(79, 40, 1, 0, 1, 40, 80), 0);
    EXPECT_EQ(steerToward(79, 40, 1, 0, 1, 41, 80), 1);

    // Keeping to a line along +x that the car has followed across the edge: 12 tiles on.
    double x = 0, y = 0;
    pointOnLineAhead(1, 40, 70, 38.5, 1, 0, 12, 80, x, y);
    EXPECT_DOUBLE_EQ(x, 13);
    EXPECT_DOUBLE_EQ(y, 38.5);
    // A line rising one tile in two comes back round the world 40 tiles beside itself: the
    // car just across the edge on it keeps to the piece it is on, not the one 40 tiles off.
    const double alongX = -2 / std::sqrt(5.0), alongY = 1 / std::sqrt(5.0);
    pointOnLineAhead(79.5, 60.75, 40, 40.5, alongX, alongY, 0, 80, x, y);
    EXPECT_NEAR(x, 79.5, 1e-9);
    EXPECT_NEAR(y, 60.75, 1e-9);
    // A steeper line's other pieces lie far along it: the car keeps to the one by its point.
    const double steepX = -0.648, steepY = 0.762;
    pointOnLineAhead(52.4, 14.6, 44.4, 34.9, steepX, steepY, 12, 80, x, y);
    EXPECT_NEAR((x - 44.4) * steepY - (y - 34.9) * steepX, 0, 1e-9);
}

TEST(JourneyDriver, PlansAreReadWholeOrRefusedNamingTheLine) {
    std::vector<journeyLeg> legs;
    std::string error;
    ASSERT_TRUE(parseJourneyPlan("# a comment\n"
                                 "follow 40.5 0 270 ahead 4 until level 10 within 900\n"
                                 "until heading 182 s,d\n"
                                 "flash\n",
                                 legs, error))
        << error;
    ASSERT_EQ(legs.size(), 3u);
    EXPECT_EQ(legs[0].kind, legKind::follow);
    EXPECT_EQ(legs[0].condition.kind, conditionKind::level);
    EXPECT_EQ(legs[0].condition.number, 10);
    EXPECT_EQ(legs[0].bound, 900);
    EXPECT_EQ(legs[1].keys.size(), 2u);

    for (const char *bad : {"flash\ndrive 40 x\n", "flash\nfollow 40 40 90\n", "flash\nuntil level\n",
                            "flash\npress nokey\n", "flash\nwait 5 within\n"}) {
        EXPECT_FALSE(parseJourneyPlan(bad, legs, error)) << bad;
        EXPECT_NE(error.find("plan line 2"), std::string::npos) << error;
    }
}
