#include <gtest/gtest.h>

#include "carRig.h"
#include "player/carView.h"

TEST(Camera, TellsPointsBehindTheDriverFromPointsInFront) {
    carRig rig(5);
    rig.car.x = 5.0;
    rig.car.y = 5.0;
    EXPECT_FALSE(isBehindViewer(rig.car, 4.0, 5.0));
    EXPECT_TRUE(isBehindViewer(rig.car, 6.0, 5.0));
    EXPECT_FALSE(isBehindViewer(rig.car, 5.0, 9.0)); // on the camera plane: not behind
    EXPECT_FALSE(isBehindViewer(rig.car, 5.0, 5.0));
    EXPECT_TRUE(isBehindViewer(rig.car, 85.0, 5.0)); // no wrapping: used exactly as given
}

TEST(Camera, FollowCopiesTheCarButNotTheViewSize) {
    carRig rig(5);
    rig.world.view.screenWidth = 320;
    rig.car.x = 12.5;
    rig.car.cockpit.needle = 7;
    rig.car.cockpit.frown = true;
    rig.car.lampTileY[1] = 42;
    rig.car.cockpit.dashBumpY = -3;
    followCar(rig.world.view, rig.car);
    const camera &view = rig.world.view;
    EXPECT_EQ(view.x, 12.5);
    EXPECT_EQ(view.cockpit.needle, 7);
    EXPECT_TRUE(view.cockpit.frown);
    EXPECT_EQ(view.lampTileY[1], 42);
    EXPECT_EQ(view.cockpit.dashBumpY, -3);
    EXPECT_EQ(view.battery, 13);
    EXPECT_EQ(view.screenWidth, 320);
    EXPECT_EQ(view.screenHeight, 480);

    rig.world.view.resetCamera();
    EXPECT_EQ(view.x, 5.0);
    EXPECT_EQ(view.battery, 0);
    EXPECT_EQ(view.lampTileX[0], -4);
    EXPECT_EQ(view.lampTileY[0], -2);
    EXPECT_EQ(view.lampTileY[1], 2);
    EXPECT_EQ(view.screenWidth, 640);
}
