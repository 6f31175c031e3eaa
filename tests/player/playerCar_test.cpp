#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "carRig.h"

TEST(PlayerCar, StartsAtRestWithFullBatteryAndLightsOn) {
    carRig rig(5);
    const playerCar &car = rig.car;
    EXPECT_DOUBLE_EQ(car.x, 5.1);
    EXPECT_DOUBLE_EQ(car.dirX, -1.0);
    EXPECT_DOUBLE_EQ(car.planeY, 0.8);
    EXPECT_EQ(car.battery, 13);
    EXPECT_TRUE(car.headlightsOn);
    EXPECT_EQ(car.light, 3);
    EXPECT_EQ(car.cockpit.hoodFrame, -1);
    EXPECT_DOUBLE_EQ(car.lampAngle[0], 0.45);
    EXPECT_DOUBLE_EQ(car.lampAngle[1], -0.45);
}

TEST(PlayerCar, GasOnRoadClimbsToThirtyAndHoldsThere) {
    carRig rig(5);
    rig.standOnRoadFacingUp();
    rig.setKey(SDLK_w, true);
    rig.pass();
    EXPECT_NEAR(rig.car.speed, 0.2, 1e-12);
    EXPECT_EQ(rig.car.maxSpeed, 30);
    rig.pass(149);
    EXPECT_NEAR(rig.car.speed, 30.0, 1e-9);
    rig.pass(3);
    EXPECT_EQ(rig.car.speed, 30.0); // the limit itself, once no longer below it
    rig.setKey(SDLK_w, false);
    rig.pass();
    EXPECT_EQ(rig.car.speed, 29.5);
}

TEST(PlayerCar, DirtCapsTheSpeedAtFifteenOnlyWhileTheGasIsHeld) {
    carRig rig(5);
    rig.standOnRoadFacingUp(10.5, 10.5); // x = 10 is dirt in level 5
    rig.car.speed = 30.0;
    rig.setKey(SDLK_w, true);
    rig.pass();
    EXPECT_EQ(rig.car.maxSpeed, 15);
    EXPECT_EQ(rig.car.maxReverse, -7);
    EXPECT_EQ(rig.car.speed, 15.0);

    rig.car.speed = 30.0;
    rig.setKey(SDLK_w, false);
    rig.pass();
    EXPECT_EQ(rig.car.speed, 29.5);
}

TEST(PlayerCar, ReverseBrakesThenBacksUpAndDecaysToRest) {
    carRig rig(5);
    rig.standOnRoadFacingUp(40.5, 60.5);
    rig.setKey(SDLK_s, true);
    rig.pass(200);
    EXPECT_EQ(rig.car.speed, -15.0);
    EXPECT_LT(rig.car.y, 60.5);
    rig.setKey(SDLK_s, false);
    rig.pass(29);
    EXPECT_EQ(rig.car.speed, -0.5);
    rig.pass();
    EXPECT_EQ(rig.car.speed, 0.0);
}

TEST(PlayerCar, SteeringLeftAtTenTurnsByOneStepAndReleasingStraightens) {
    carRig rig(5);
    rig.standOnRoadFacingUp();
    rig.car.speed = 10.0;
    rig.setKey(SDLK_a, true);
    rig.pass();
    const double expected = 0.001 / 6.4 * 2 * std::numbers::pi;
    EXPECT_NEAR(rig.car.turn, expected, 1e-15);
    EXPECT_NEAR(std::atan2(rig.car.dirY, rig.car.dirX), std::numbers::pi / 2 + expected, 1e-12);
    EXPECT_NEAR(rig.car.heading, 90.0 - expected / 6.4 * 2 * std::numbers::pi * 58.36, 1e-9);
    // The plane stays perpendicular to the facing and 0.8 long.
    EXPECT_NEAR(rig.car.planeX * rig.car.dirX + rig.car.planeY * rig.car.dirY, 0.0, 1e-12);
    EXPECT_NEAR(std::hypot(rig.car.planeX, rig.car.planeY), 0.8, 1e-12);

    rig.setKey(SDLK_a, false);
    rig.pass();
    EXPECT_EQ(rig.car.turn, 0.0);
}

TEST(PlayerCar, FlashAtRestTakesOneUnitAndLightsFullFlash) {
    carRig rig(5);
    rig.standOnRoadFacingUp();
    rig.setKey(SDLK_SPACE, true);
    rig.pass();
    EXPECT_TRUE(rig.car.flashFired);
    EXPECT_FALSE(rig.car.refused);
    EXPECT_EQ(rig.car.battery, 12);
    EXPECT_EQ(rig.car.light, 7);
    EXPECT_EQ(rig.car.flashTimer, 59);
    EXPECT_EQ(rig.car.cockpit.flashFrame, 0);
    EXPECT_EQ(rig.car.cockpit.hoodFrame, 0);
    rig.pass();
    EXPECT_EQ(rig.car.cockpit.flashFrame, 1);
}

TEST(PlayerCar, FlashIsRefusedWhileMovingLightsOffOrBatteryEmpty) {
    struct refusal {
        const char *why;
        double speed;
        bool headlightsOn;
        int battery;
    };
    for (const refusal &r : {refusal{"moving", 5.0, true, 13}, refusal{"lights off", 0.0, false, 13},
                             refusal{"empty battery", 0.0, true, 0}}) {
        carRig rig(5);
        rig.standOnRoadFacingUp();
        rig.car.speed = r.speed;
        rig.car.headlightsOn = r.headlightsOn;
        rig.car.battery = r.battery;
        rig.setKey(SDLK_SPACE, true);
        rig.pass();
        EXPECT_TRUE(rig.car.refused) << r.why;
        EXPECT_FALSE(rig.car.flashFired) << r.why;
        EXPECT_EQ(rig.car.cockpit.blinkTimer, 9) << r.why; // 10, less the blink step of the same pass
        EXPECT_EQ(rig.car.battery, r.battery) << r.why;
    }
}

TEST(PlayerCar, AfterAFlashTheControlsAreDeadForSixtyNineFrames) {
    carRig rig(5);
    rig.standOnRoadFacingUp();
    rig.setKey(SDLK_SPACE, true);
    rig.pass();
    rig.setKey(SDLK_SPACE, false);
    rig.setKey(SDLK_w, true);
    std::vector<int> lights;
    for (int frame = 1; frame <= 69; frame++) {
        rig.pass();
        ASSERT_EQ(rig.car.speed, 0.0) << "frame " << frame;
        lights.push_back(rig.car.light);
    }
    EXPECT_EQ(lights[58], 7);
    EXPECT_EQ(lights[59], 6); // the light falls one shape every three frames after sixty
    EXPECT_EQ(lights[62], 5);
    EXPECT_EQ(lights[65], 4);
    EXPECT_EQ(lights[68], 3);
    rig.pass();
    EXPECT_NEAR(rig.car.speed, 0.2, 1e-12);
}

TEST(PlayerCar, HeadlightSwitchHasACooldownAndReplaysTheGlow) {
    carRig rig(5);
    rig.standOnRoadFacingUp();
    rig.setKey(SDLK_e, true);
    rig.pass();
    EXPECT_FALSE(rig.car.headlightsOn);
    rig.pass();
    EXPECT_EQ(rig.car.light, 0);
    EXPECT_FALSE(rig.car.cockpit.beamsLamp);
    EXPECT_EQ(rig.car.cockpit.hoodFrame, 25);

    rig.setKey(SDLK_e, false);
    rig.pass();
    rig.setKey(SDLK_e, true);
    rig.pass();
    EXPECT_TRUE(rig.car.refused); // within 30 frames
    EXPECT_FALSE(rig.car.headlightsOn);

    rig.setKey(SDLK_e, false);
    rig.pass(30);
    rig.setKey(SDLK_e, true);
    rig.pass();
    EXPECT_TRUE(rig.car.headlightsOn);
    // Switching on plays the bonnet glow from frame 25 and cuts it at 34.
    std::vector<int> frames;
    for (int i = 0; i < 12; i++) {
        rig.pass();
        frames.push_back(rig.car.cockpit.hoodFrame);
    }
    EXPECT_EQ(frames.front(), 26);
    EXPECT_EQ(frames[7], 33);
    EXPECT_EQ(frames[8], rig.animations.tables[1].count);
    EXPECT_EQ(frames.back(), rig.animations.tables[1].count);
}

TEST(PlayerCar, AnEmptyBatterySwitchesTheHeadlightsOffAtTheGaugeStep) {
    carRig rig(5);
    rig.standOnRoadFacingUp();
    rig.car.battery = -2;
    rig.pass();
    EXPECT_EQ(rig.car.battery, 0);
    EXPECT_FALSE(rig.car.headlightsOn);
}

TEST(PlayerCar, TheNeedleMovesOneMarkEverySixFrames) {
    carRig rig(5);
    rig.standOnRoadFacingUp();
    rig.car.speed = 30.0;
    rig.setKey(SDLK_w, true);
    std::vector<int> needle;
    for (int i = 0; i < 13; i++) {
        rig.pass();
        needle.push_back(rig.car.cockpit.needle);
    }
    EXPECT_EQ(needle, (std::vector<int>{0, 0, 0, 0, 0, 1, 1, 1, 1, 1, 1, 2, 2}));
    rig.pass(100);
    EXPECT_EQ(rig.car.cockpit.needle, 11); // every mark below 30
}

TEST(PlayerCar, PositionsWrapByWholeSidesAndExactlySideStays) {
    EXPECT_DOUBLE_EQ(wrapCoordinate(-0.5, 80), 79.5);
    EXPECT_DOUBLE_EQ(wrapCoordinate(80.0, 80), 80.0);
    EXPECT_DOUBLE_EQ(wrapCoordinate(80.25, 80), 0.25);
    EXPECT_DOUBLE_EQ(wrapCoordinate(-170.0, 80), 70.0);
    EXPECT_DOUBLE_EQ(wrapCoordinate(3.0, 0), 3.0); // no world, no wrap and no endless loop

    carRig rig(1); // side 35
    rig.car.x = -0.5;
    rig.car.y = 35.0;
    rig.pass();
    EXPECT_DOUBLE_EQ(rig.car.x, 34.5);
    EXPECT_DOUBLE_EQ(rig.car.y, 35.0);
}

TEST(PlayerCar, TileLookupsStayInsideTheGridWhereverTheCarIs) {
    EXPECT_EQ(tileIndex(35.0, 35), 0);
    EXPECT_EQ(tileIndex(79.9, 35), 9);
    EXPECT_EQ(tileIndex(-0.1, 35), 34);
    // Arriving from a larger level: the car is still outside the new, smaller square.
    carRig rig(1);
    rig.car.x = 79.9;
    rig.car.y = 79.9;
    rig.pass();
    EXPECT_LE(rig.car.x, 35.0);
    EXPECT_LE(rig.car.y, 35.0);
}

TEST(PlayerCar, HeadlightSpotsLieFourTilesAheadToEitherSide) {
    carRig rig(5);
    rig.pass(); // facing -x from (5.1, 5.1)
    const double ahead = 4 * std::cos(0.45);
    const double aside = 4 * std::sin(0.45);
    EXPECT_NEAR(rig.car.lampX[0], 5.1 - ahead, 1e-12);
    EXPECT_NEAR(rig.car.lampY[0], 5.1 - aside, 1e-12);
    EXPECT_NEAR(rig.car.lampX[1], 5.1 - ahead, 1e-12);
    EXPECT_NEAR(rig.car.lampY[1], 5.1 + aside, 1e-12);
    EXPECT_EQ(rig.car.lampTileX[0], 1);
    EXPECT_EQ(rig.car.lampTileY[0], 3);
    EXPECT_EQ(rig.car.lampTileY[1], 6);
    EXPECT_NEAR(rig.car.beamX, 5.1 - 5.5, 1e-12);

    rig.car.x = 1.0; // spots across the edge wrap round
    rig.pass();
    EXPECT_NEAR(rig.car.lampX[0], 81.0 - ahead, 1e-12);
}

TEST(PlayerCar, OffRoadTheBonnetAndDashboardBump) {
    carRig rig(5);
    rig.standOnRoadFacingUp(10.5, 10.5);
    rig.setKey(SDLK_w, true);
    int lowest = 0;
    for (int i = 0; i < 60; i++) {
        rig.pass();
        lowest = std::min(lowest, rig.car.cockpit.hoodBumpY);
        ASSERT_GE(rig.car.cockpit.hoodBumpY, -12);
    }
    EXPECT_EQ(lowest, -4);
    EXPECT_EQ(rig.car.cockpit.hoodKick, -4);
    EXPECT_EQ(rig.car.cockpit.dashKick, -1);
}
