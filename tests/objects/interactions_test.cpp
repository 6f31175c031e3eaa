#include <gtest/gtest.h>

#include <cmath>
#include <span>

#include "objects/interactions.h"
#include "worldRig.h"

namespace {

// The car at (x, y) facing +x at a speed, in a level.
void standCar(worldRig &rig, int level, double x, double y, double speed) {
    rig.enterLevel(level);
    playerCar &car = rig.world.car;
    car.side = rig.levels.currentSide();
    car.x = x;
    car.y = y;
    car.dirX = 1.0;
    car.dirY = 0.0;
    car.speed = speed;
    car.turn = 0.3;
}

basicObj &placed(worldRig &rig, objectKind kind, int32_t group, double x, double y) {
    rig.place(kind, group, group, x, y);
    basicObj *last = nullptr;
    forEachPlaced(rig.world, [&](basicObj &object) {
        if (object.groupId == group) {
            last = &object;
        }
    });
    return *last;
}

void fireFlash(worldRig &rig) {
    rig.world.car.cockpit.flashFrame = 6;
    flashObjects(rig.world);
}

} // namespace

TEST(Interactions, DrivingIntoALampPutsItOutAndStopsTheCarOutsideIt) {
    worldRig rig;
    basicObj &lampPost = placed(rig, objectKind::lamp, 0, 11.0, 10.5);
    standCar(rig, 8, 10.0, 10.5, 10.0);
    bumpObjects(rig.world);
    const playerCar &car = rig.world.car;
    EXPECT_EQ(lampPost.frame, 1);
    EXPECT_EQ(car.speed, 0.0);
    EXPECT_EQ(car.turn, 0.0);
    EXPECT_NEAR(11.0 - (car.x + 0.5), 0.7, 0.0011); // pushed back to the collision radius
    EXPECT_GE(11.0 - (car.x + 0.5), 0.7);
    EXPECT_EQ(car.cockpit.hoodBumpY, 4); // ⌊10 · 0.4⌋
    EXPECT_EQ(car.cockpit.dashBumpY, -4);
    EXPECT_EQ(car.bumpCount, 1);
}

TEST(Interactions, ABumpCountAtItsLimitShakesNoMore) {
    worldRig rig;
    placed(rig, objectKind::stop, 0, 11.0, 10.5);
    standCar(rig, 8, 10.0, 10.5, 10.0);
    rig.world.car.bumpCount = 5;
    bumpObjects(rig.world);
    EXPECT_EQ(rig.world.car.cockpit.hoodBumpY, 0);
    EXPECT_EQ(rig.world.car.bumpCount, 5);
    // Clear of everything the count runs down again.
    standCar(rig, 8, 30.0, 30.5, 0.0);
    bumpObjects(rig.world);
    EXPECT_EQ(rig.world.car.bumpCount, 4);
}

TEST(Interactions, OfTwoEquallyNearObjectsTheFirstInTheTableDecides) {
    worldRig rig;
    basicObj &first = placed(rig, objectKind::lamp, 0, 10.5, 11.0);
    basicObj &second = placed(rig, objectKind::lamp, 1, 10.5, 10.0);
    standCar(rig, 8, 10.0, 10.5, 0.0); // front point (10.5, 10.5): both 0.5 away
    bumpObjects(rig.world);
    EXPECT_EQ(first.frame, 1);
    EXPECT_EQ(second.frame, 3);
}

TEST(Interactions, TheMoonIsAWallEverywhereAndTreesOnlyInTheMoonLevel) {
    for (const objectKind kind : {objectKind::moon, objectKind::tree}) {
        for (const int level : {7, 8}) {
            worldRig rig;
            placed(rig, kind, 0, 11.5, 10.5);
            standCar(rig, level, 10.0, 10.5, 5.0); // front point 1.0 from it
            bumpObjects(rig.world);
            const double gap = 11.5 - (rig.world.car.x + 0.5);
            if (kind == objectKind::moon || level == 7) {
                EXPECT_GE(gap, 1.25);
                EXPECT_LT(gap, 1.2511);
                EXPECT_EQ(rig.world.car.speed, 0.0);
            } else {
                EXPECT_DOUBLE_EQ(gap, 1.0); // an ordinary obstacle, not yet touched
                EXPECT_EQ(rig.world.car.speed, 5.0);
            }
        }
    }
}

TEST(Interactions, DrivingIntoAKilledStatueStartsItCrumbling) {
    worldRig rig;
    basicObj &statue = placed(rig, objectKind::statue, 0, 11.0, 10.5);
    rig.change(0, -1, {.frame = 0, .state = 2, .mode = objectMode::dead});
    statue.solid = true; // as a killed statue makes itself
    standCar(rig, 8, 10.0, 10.5, 10.0);
    bumpObjects(rig.world);
    EXPECT_EQ(statue.frame, 1);
    EXPECT_EQ(statue.mode, objectMode::dead);
    EXPECT_EQ(rig.world.car.speed, 0.0);
}

// A row of lamps along the line of travel, as a script could leave one on top of the car:
// each push-back step is still within reach of the next lamp back.
TEST(Interactions, OnePassPushesTheCarBackABoundedDistance) {
    worldRig rig;
    for (int k = 0; k < 60; k++) {
        placed(rig, objectKind::lamp, k, 10.5 - 0.5 * k, 10.5);
    }
    standCar(rig, 8, 10.0, 10.5, 10.0);
    bumpObjects(rig.world);
    const playerCar &car = rig.world.car;
    EXPECT_NEAR(car.x, 7.0, 1e-6); // three tiles back, and no farther
    EXPECT_EQ(car.speed, 0.0);
    EXPECT_EQ(rig.firstPlaced(objectKind::lamp)->frame, 1);
}

TEST(Interactions, TheFlashTogglesLampsAndActsOnlyWithinReach) {
    worldRig rig;
    basicObj &near = placed(rig, objectKind::lamp, 0, 16.0, 10.5);
    basicObj &far = placed(rig, objectKind::lamp, 1, 20.0, 10.5);
    standCar(rig, 8, 10.0, 10.5, 0.0); // beam point (15.5, 10.5)
    fireFlash(rig);
    EXPECT_EQ(near.frame, 1); // a burning lamp goes out
    EXPECT_EQ(far.frame, 3);  // 4.5 from the beam point: out of reach
    fireFlash(rig);
    EXPECT_EQ(near.frame, 3); // and the next flash lights it again
    rig.world.car.cockpit.flashFrame = 5;
    flashObjects(rig.world); // only the frame the flash fires acts
    EXPECT_EQ(near.frame, 3);
}

// A lamp is placed as nine copies a side apart; the flash switches them all, and the home
// copy alone asks for the sound.
TEST(Interactions, AFlashedLampGroupRingsOnce) {
    worldRig rig;
    standCar(rig, 8, 10.0, 10.5, 0.0); // beam point (15.5, 10.5)
    const int32_t side = rig.world.car.side;
    for (int a = -1; a <= 1; a++) {
        for (int b = -1; b <= 1; b++) {
            rig.place(objectKind::lamp, 0, 0, 16.0 + a * side, 10.5 + b * side);
        }
    }
    fireFlash(rig);
    int switched = 0, cues = 0;
    forEachPlaced(rig.world, [&](basicObj &object) {
        object.update(rig.world.car, side);
        switched += object.frame == 1;
        cues += object.soundCue;
    });
    EXPECT_EQ(switched, 9);
    EXPECT_EQ(cues, 1);
}

TEST(Interactions, TheFlashKillsGhostsOnlyWhileAbroadAndGrowsSaplings) {
    const objectMode abroad[] = {objectMode::patrol, objectMode::attack, objectMode::standing,
                                 objectMode::straight, objectMode::race};
    const objectMode resting[] = {objectMode::spawn,   objectMode::spawnStraight,   objectMode::dead,
                                  objectMode::respawn, objectMode::respawnStraight, objectMode::none};
    for (const bool killed : {true, false}) {
        for (const objectMode mode :
             killed ? std::span<const objectMode>(abroad) : std::span<const objectMode>(resting)) {
            worldRig rig;
            basicObj &ghost = placed(rig, objectKind::ghostCar, 0, 15.5, 10.5);
            rig.change(0, -1, {.mode = mode});
            standCar(rig, 8, 10.0, 10.5, 0.0);
            fireFlash(rig);
            EXPECT_EQ(ghost.mode, killed ? objectMode::dead : mode) << static_cast<int>(mode);
        }
    }
    worldRig rig;
    basicObj &sapling = placed(rig, objectKind::tree, 2, 15.5, 9.5);
    standCar(rig, 8, 10.0, 10.5, 0.0);
    fireFlash(rig);
    EXPECT_EQ(sapling.frame, 2);
}

TEST(Interactions, TheFlashKillsStatuesAndCracksTheMoon) {
    worldRig rig;
    basicObj &statue = placed(rig, objectKind::statue, 0, 15.5, 11.5);
    basicObj &moon = placed(rig, objectKind::moon, 1, 15.5, 9.5);
    rig.change(0, -1, {.frame = 3, .state = 1});
    standCar(rig, 8, 10.0, 10.5, 0.0);
    fireFlash(rig);
    EXPECT_EQ(statue.frame, 0);
    EXPECT_EQ(statue.state, 2);
    EXPECT_EQ(statue.mode, objectMode::dead);
    EXPECT_EQ(moon.state, 2);
}

TEST(Interactions, HeadlightSpotsWrapAtTheEdgeOfTheWorld) {
    worldRig rig;
    standCar(rig, 8, 78.0, 1.0, 0.0); // facing +x: the spots fall past x = 80
    playerCar &car = rig.world.car;
    car.lampAngle[0] = 0.45;
    car.lampAngle[1] = -0.45;
    flashObjects(rig.world);
    for (int k = 0; k < 2; k++) {
        EXPECT_GE(car.lampX[k], 0.0);
        EXPECT_LE(car.lampX[k], 80.0);
        EXPECT_NEAR(car.lampX[k], 78.0 + 4 * std::cos(0.45) - 80, 1e-9);
        EXPECT_EQ(car.lampTileX[k], 1);
    }
    EXPECT_NEAR(car.lampY[0], 1.0 + 4 * std::sin(0.45), 1e-9);
    EXPECT_NEAR(car.lampY[1], 1.0 - 4 * std::sin(0.45) + 80, 1e-9); // and below y = 0
    EXPECT_EQ(car.lampTileY[1], 79);
}

TEST(Interactions, HiddenButterfliesShowInTheFlashOnlyInTheLastLevel) {
    for (const int level : {8, 17}) {
        worldRig rig;
        basicObj &fly = placed(rig, objectKind::butterfly, 0, 15.5, 10.5);
        rig.change(0, -1, {.emitsLight = true, .visible = false});
        standCar(rig, level, 10.0, 10.5, 0.0);
        fireFlash(rig);
        EXPECT_EQ(fly.visible, level == 17) << level;
    }
}

TEST(Interactions, ARamStopsTheCarAndShakesTheDashboardApart) {
    worldRig rig;
    standCar(rig, 8, 10.0, 10.5, 12.0);
    hitPlayer(rig.world.car);
    const playerCar &car = rig.world.car;
    EXPECT_EQ(car.cockpit.flashFrame, 36);
    EXPECT_EQ(car.cockpit.whiteFrame, 25);
    EXPECT_EQ(car.cockpit.hoodBumpY, 7);
    EXPECT_EQ(car.cockpit.dashBumpY, -7);
    EXPECT_EQ(car.speed, 0.0);
    EXPECT_EQ(car.turn, 0.0);
}
