#include <gtest/gtest.h>

#include "platform/video.h"

TEST(WindowScale, TheDefaultIsTheLargestWholeScaleUpToThreeThatFits) {
    EXPECT_EQ(fittingWindowScale(automaticWindowScale, 1366, 768), 1);
    EXPECT_EQ(fittingWindowScale(automaticWindowScale, 1280, 1024), 2); // exactly room for the title bar
    EXPECT_EQ(fittingWindowScale(automaticWindowScale, 1920, 1080), 2);
    EXPECT_EQ(fittingWindowScale(automaticWindowScale, 2560, 1440), 2);
    EXPECT_EQ(fittingWindowScale(automaticWindowScale, 3840, 2160), 3);
    EXPECT_EQ(fittingWindowScale(automaticWindowScale, 7680, 4320), 3);
    EXPECT_EQ(fittingWindowScale(automaticWindowScale, 0, 0), 1);
    // A scale asked for goes up to 4, and is lowered only to fit.
    EXPECT_EQ(fittingWindowScale(4, 3840, 2160), 4);
    EXPECT_EQ(fittingWindowScale(4, 1920, 1080), 2);
    EXPECT_EQ(fittingWindowScale(3, 0, 0), 3);
}

TEST(WindowScale, OnlyAScalingTheWindowCanBeShownAtIsKept) {
    for (const char *kept : {"1", "2", "1.5", "2.0"}) {
        EXPECT_TRUE(isShowableWindowScaling(kept, 1920, 1080)) << kept;
    }
    for (const char *junk : {"", "nan", "inf", "-inf", "1e9", "100", "0.5", "0", "-2", "2x", "two", "2.2"}) {
        EXPECT_FALSE(isShowableWindowScaling(junk, 1920, 1080)) << junk;
    }
    // A desktop of unknown size allows what --scale allows.
    EXPECT_TRUE(isShowableWindowScaling("4", 0, 0));
    EXPECT_FALSE(isShowableWindowScaling("4.5", 0, 0));
}
