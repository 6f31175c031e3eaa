#include <gtest/gtest.h>

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

TEST(Interactions, TreesAreWallsOnlyInTheMoonLevel) {
    for (const int level : {7, 8}) {
        worldRig rig;
        placed(rig, objectKind::tree, 0, 11.5, 10.5);
        standCar(rig, level, 10.0, 10.5, 5.0); // front point 1.0 from the tree
        bumpObjects(rig.world);
        const double gap = 11.5 - (rig.world.car.x + 0.5);
        if (level == 7) {
            EXPECT_GE(gap, 1.25);
            EXPECT_EQ(rig.world.car.speed, 0.0);
        } else {
            EXPECT_DOUBLE_EQ(gap, 1.0); // an ordinary obstacle, not yet touched
            EXPECT_EQ(rig.world.car.speed, 5.0);
        }
    }
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

TEST(Interactions, TheFlashKillsOnlyActiveGhostsAndGrowsSaplings) {
    worldRig rig;
    basicObj &hunting = placed(rig, objectKind::ghostCar, 0, 15.5, 10.5);
    basicObj &idle = placed(rig, objectKind::ghostCar, 1, 15.5, 11.5);
    basicObj &sapling = placed(rig, objectKind::tree, 2, 15.5, 9.5);
    rig.change(0, -1, {.mode = objectMode::patrol});
    rig.change(1, -1, {.mode = objectMode::none});
    standCar(rig, 8, 10.0, 10.5, 0.0);
    fireFlash(rig);
    EXPECT_EQ(hunting.mode, objectMode::dead);
    EXPECT_EQ(idle.mode, objectMode::none);
    EXPECT_EQ(sapling.frame, 2);
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
