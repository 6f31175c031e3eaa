#include <gtest/gtest.h>

#include "objects/ghostCar.h"
#include "worldRig.h"

namespace {

constexpr int32_t ghostLevel = 8; // 80 tiles a side

// A world in the ghost road level with the car standing at (carX, carY), headlights on.
struct ghostRig {
    worldRig rig;

    ghostRig(double carX, double carY) {
        rig.enterLevel(ghostLevel);
        playerCar &car = rig.world.car;
        car.side = rig.levels.currentSide();
        car.x = carX;
        car.y = carY;
        car.headlightsOn = true;
    }

    // One copy of a ghost in `group`, in `mode`, facing `angle`.
    ghostCar &place(int32_t group, double x, double y, objectMode mode, double angle = 0) {
        rig.place(objectKind::ghostCar, group, group, x, y);
        ghostCar *last = nullptr;
        forEachPlaced(rig.world, [&](basicObj &object) {
            if (object.groupId == group) {
                last = static_cast<ghostCar *>(&object);
            }
        });
        last->mode = mode;
        last->angle = angle;
        return *last;
    }

    void update(ghostCar &ghost) { ghost.update(rig.world.car, rig.levels.currentSide()); }

    playerCar &car() { return rig.world.car; }
};

} // namespace

TEST(GhostCar, APatrolSeesTheCarAheadFartherWhenItsHeadlightsAreOn) {
    for (const bool headlights : {false, true}) {
        ghostRig world(24.55, 25.5);
        world.car().headlightsOn = headlights;
        // Patrolling along +x towards a point ten tiles on: after one step at 20.55 its
        // look-ahead point (24.55, 20.5) is five tiles from the car.
        ghostCar &ghost = world.place(0, 20.5, 20.5, objectMode::patrol, 11);
        ghost.homeX += 10;
        world.update(ghost);
        EXPECT_DOUBLE_EQ(ghost.x, 20.55);
        EXPECT_EQ(ghost.mode, headlights ? objectMode::attack : objectMode::patrol) << headlights;
    }
}

TEST(GhostCar, TurnsThreeDegreesTheShorterWayAndHoldsWithinTheDeadBand) {
    ghostRig world(60.5, 60.5);
    ghostCar &ghost = world.place(0, 20.5, 20.5, objectMode::patrol, 350);
    ghost.homeX += 10; // straight along +x: the heading wanted is 11.25
    for (const double expected : {353.0, 356.0, 359.0, 2.0, 2.0, 2.0}) {
        world.update(ghost);
        EXPECT_DOUBLE_EQ(ghost.targetAngle, 11.25);
        EXPECT_DOUBLE_EQ(ghost.angle, expected);
    }
    // At the patrol point it turns for its spawn point, 191.25, which lies nearer downwards
    // from 2 across 0 than upwards.
    ghost.x = ghost.homeX - 0.5;
    ghost.y = ghost.homeY;
    world.update(ghost); // flips the leg
    EXPECT_TRUE(ghost.patrolLeg);
    world.update(ghost);
    EXPECT_DOUBLE_EQ(ghost.targetAngle, 191.25);
    EXPECT_DOUBLE_EQ(ghost.angle, 359.0);
}

TEST(GhostCar, ARamCostsThreeBarsKillsTheWholeGroupAndShakesTheCar) {
    ghostRig world(41.5, 40.5);
    world.car().battery = 2;
    world.car().speed = 10;
    ghostCar &ghost = world.place(3, 40.5, 40.5, objectMode::standing);
    ghostCar &copy = world.place(3, 120.5, 40.5, objectMode::standing);
    world.update(ghost);
    EXPECT_EQ(world.car().battery, 0); // not below
    EXPECT_EQ(world.car().speed, 0.0);
    EXPECT_EQ(world.car().cockpit.whiteFrame, 25);
    EXPECT_EQ(ghost.frame, 2);
    EXPECT_TRUE(ghost.soundCue);
    EXPECT_EQ(ghost.mode, objectMode::dead);
    EXPECT_EQ(copy.mode, objectMode::dead);
    // Dead, it does not ram again.
    world.car().battery = 13;
    world.update(ghost);
    EXPECT_EQ(world.car().battery, 13);
}

TEST(GhostCar, ADeadGhostStays31UpdatesThenRestsAtItsSpawnUntilRespawned) {
    ghostRig world(60.5, 60.5);
    ghostCar &ghost = world.place(2, 20.5, 20.5, objectMode::straight, 0);
    for (int k = 0; k < 10; k++) {
        world.update(ghost);
    }
    const double diedAt = ghost.x;
    ASSERT_GT(diedAt, 21.0);
    ghost.mode = objectMode::dead;
    for (int k = 0; k < 31; k++) {
        world.update(ghost);
        ASSERT_DOUBLE_EQ(ghost.x, diedAt) << k;
        ASSERT_EQ(ghost.mode, objectMode::dead);
    }
    EXPECT_EQ(ghost.frame, 3); // the spawn animation has run backwards to its start
    world.update(ghost);
    EXPECT_DOUBLE_EQ(ghost.x, 20.5);
    EXPECT_EQ(ghost.mode, objectMode::none);
    EXPECT_EQ(ghost.frame, 2);
    world.update(ghost);
    EXPECT_EQ(ghost.mode, objectMode::none);

    respawnGhostCars(world.rig.world);
    world.update(ghost);
    EXPECT_EQ(ghost.mode, objectMode::spawn);
    EXPECT_EQ(ghost.deadTimer, 0);
    // Thirty steps of the spawn animation, then it patrols.
    for (int k = 0; k < 30; k++) {
        EXPECT_EQ(ghost.mode, objectMode::spawn) << k;
        world.update(ghost);
        EXPECT_EQ(ghost.frame, world.rig.world.animations.at(ghostCarFrames, k)) << k;
    }
    EXPECT_EQ(ghost.mode, objectMode::patrol);
}

TEST(GhostCar, RacersGatherSpeedByTheirGroupNumberAndStraightGhostsKeepTheirSquare) {
    ghostRig world(40.5, 70.5);
    ghostCar &fast = world.place(8, 10.5, 10.5, objectMode::race, 0);
    ghostCar &still = world.place(0, 10.5, 20.5, objectMode::race, 0);
    for (int k = 0; k < 12; k++) {
        world.update(fast);
        world.update(still);
    }
    EXPECT_DOUBLE_EQ(fast.raceSpeed, 0.08);
    EXPECT_NEAR(fast.x, 10.5 + (0.01 + 0.02 + 0.03 + 0.04 + 0.05 + 0.06 + 0.07 + 5 * 0.08), 1e-9);
    EXPECT_DOUBLE_EQ(still.x, 10.5);

    // A straight ghost crossing the edge of its square comes back in at the other side.
    ghostCar &leaving = world.place(1, 79.5, 30.5, objectMode::straight, 0);
    for (int k = 0; k < 7; k++) {
        world.update(leaving);
    }
    EXPECT_NEAR(leaving.x, 79.5 + 7 * 0.08 - 80, 1e-9);
}

TEST(GhostCar, AHuntingGhostGlowsPulsesAndSoundsOnlyFromTheHomeSquare) {
    ghostRig world(30.5, 40.5);
    ghostCar &home = world.place(4, 20.5, 40.5, objectMode::attack, 0);
    ghostCar &wrapped = world.place(5, -59.5, 40.5, objectMode::attack, 0);
    int homeCues = 0, wrappedCues = 0, brightest = 24, darkest = 0;
    for (int k = 0; k < 62; k++) {
        world.car().cockpit.frown = false;
        world.update(home);
        EXPECT_TRUE(world.car().cockpit.frown);
        world.update(wrapped);
        homeCues += home.soundCue;
        wrappedCues += wrapped.soundCue;
        brightest = std::min(brightest, home.shade);
        darkest = std::max(darkest, home.shade);
        EXPECT_EQ(home.lightShape, std::min(k + 1, 5));
    }
    EXPECT_EQ(homeCues, 2);
    EXPECT_EQ(wrappedCues, 0);
    EXPECT_EQ(brightest, 1);
    EXPECT_EQ(darkest, 10);
    EXPECT_TRUE(home.emitsLight);
    EXPECT_FALSE(wrapped.emitsLight); // only the home copy lights the map
    EXPECT_EQ(home.mode, objectMode::attack);
    // A shade left dark while the copy was far off comes back into the pulse.
    home.shade = 24;
    home.pulseDown = false;
    world.update(home);
    world.update(home);
    EXPECT_EQ(home.shade, 23);
}

TEST(GhostCar, TheNearnessFrameFlipsBetweenItsBands) {
    ghostRig world(40.5, 40.5);
    ghostCar &ghost = world.place(0, 40.5, 46.5, objectMode::standing);
    world.update(ghost);
    EXPECT_EQ(ghost.frame, 0);
    ghost.y = 45.0; // 4.5 away: 0 and 1 in turn
    world.update(ghost);
    EXPECT_EQ(ghost.frame, 1);
    world.update(ghost);
    EXPECT_EQ(ghost.frame, 0);
    ghost.y = 44.0;
    world.update(ghost);
    EXPECT_EQ(ghost.frame, 1);
    ghost.y = 43.0; // 2.5 away: 1 and 2 in turn
    world.update(ghost);
    EXPECT_EQ(ghost.frame, 2);
    world.update(ghost);
    EXPECT_EQ(ghost.frame, 1);
}

TEST(GhostCar, ACopySpawnedOnASquareBoundaryAimsAtTheOriginAndDoesNotLookAhead) {
    ghostRig world(60.5, 20.5);
    // From (80, 20.5) the origin's nearest image is straight up (-y, 101.25); the car lies
    // along -x (191.25). Turning up means the fallback aim.
    ghostCar &hunter = world.place(0, 80.0, 20.5, objectMode::attack, 0);
    world.update(hunter);
    EXPECT_DOUBLE_EQ(hunter.targetAngle, 101.25);
    EXPECT_DOUBLE_EQ(hunter.angle, 3.0);

    ghostCar &patrol = world.place(1, 80.0, 30.5, objectMode::patrol, 190);
    patrol.homeX -= 10;
    world.car().y = 30.5; // right in front of it, headlights on
    world.car().x = 70.5;
    world.update(patrol);
    EXPECT_EQ(patrol.mode, objectMode::patrol);
}
