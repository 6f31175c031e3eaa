#include <gtest/gtest.h>

#include "app/gameFlags.h"

TEST(GameFlags, StartWithOnlyFourthSet) {
    const gameFlags flags;
    EXPECT_FALSE(flags.quit);
    EXPECT_FALSE(flags.fullscreen);
    EXPECT_FALSE(flags.thirtyFps);
    EXPECT_TRUE(flags.fourth);
}
