#include <gtest/gtest.h>

#include "objects/butterfly.h"
#include "objects/flame.h"
#include "objects/lightning.h"
#include "objects/moon.h"
#include "objects/statue.h"
#include "objects/tree.h"
#include "worldRig.h"

namespace {

constexpr int32_t side = 80;

// The car stands at (40.5, 10.5) facing +y; objects are placed relative to it.
struct livingRig : worldRig {
    playerCar &car = world.car;

    livingRig() {
        car.placeAt(
            {.x = 40.5, .y = 10.5, .dirX = 0.0, .dirY = 1.0, .planeX = 0.8, .planeY = 0.0, .heading = 90.0});
        car.speed = 0;
    }

    template <typename kindClass> kindClass &put(objectKind kind, int32_t group, double dx, double dy) {
        place(kind, group, group, car.x + dx, car.y + dy);
        return static_cast<kindClass &>(*firstPlacedOfGroup(group));
    }

    basicObj *firstPlacedOfGroup(int32_t group) const {
        for (basicObj *object : world.objects) {
            if (object->placed && object->groupId == group) {
                return object;
            }
        }
        return nullptr;
    }

    // The car's own white-flash step: one frame a pass up to the end of the sequence.
    void carWhiteStep() {
        int32_t &white = car.cockpit.whiteFrame;
        white = white < 35 ? white + 1 : 35;
    }
};

} // namespace

// ---- Trees ----

TEST(Tree, OnlyTheFlashStartsASaplingAndGrowthTakes37UpdatesWithTheGlowWideningFirst) {
    livingRig rig;
    tree &sapling = rig.put<tree>(objectKind::tree, 1, 3, 30);
    for (int i = 0; i < 50; i++) {
        sapling.update(rig.car, side);
    }
    EXPECT_EQ(sapling.frame, saplingFrame);
    EXPECT_EQ(sapling.lightShape, 1);

    sapling.frame = growingFrame;
    int updates = 0;
    while (sapling.frame < 39 && updates < 100) {
        sapling.update(rig.car, side);
        updates++;
        if (updates == 3) {
            EXPECT_EQ(sapling.lightShape, 4);
        }
    }
    EXPECT_EQ(updates, 37);
    sapling.update(rig.car, side);
    EXPECT_EQ(sapling.frame, 39) << "grown";
    EXPECT_EQ(sapling.shade, 24) << "30 tiles off, it is dark";

    // A frame set past the grown tree by a script neither grows nor breaks the pictures.
    sapling.frame = 400;
    sapling.update(rig.car, side);
    EXPECT_EQ(sapling.frame, 400);
}

TEST(Tree, RechargesInThe31stPassOfTheWhiteFlashWithASingleChimeAndWakesTheGhosts) {
    livingRig rig;
    tree &grown = rig.put<tree>(objectKind::tree, 1, 2, 2);
    rig.place(objectKind::ghostCar, 2, 2, 60, 60);
    basicObj &ghost = *rig.firstPlacedOfGroup(2);
    ghost.mode = objectMode::dead;
    grown.frame = 39;
    rig.car.battery = 5;
    rig.car.headlightsOn = false;
    rig.car.cockpit.whiteFrame = 35;

    int chimes = 0;
    int pass = 0;
    while (grown.state == 0 && pass < 100) {
        pass++;
        rig.carWhiteStep();
        grown.update(rig.car, side);
        chimes += grown.soundCue;
    }
    EXPECT_EQ(pass, 31);
    EXPECT_EQ(chimes, 1);
    EXPECT_EQ(rig.car.battery, 13);
    EXPECT_TRUE(rig.car.headlightsOn);
    EXPECT_EQ(ghost.mode, objectMode::respawn);

    grown.update(rig.car, side);
    EXPECT_EQ(grown.state, 0) << "with a full battery nothing more happens";
    EXPECT_FALSE(grown.soundCue);
}

// ---- Statues ----

TEST(Statue, SpeedSevenReadsAfter41UpdatesSpeedEightNeverAndTriggerLastsOneUpdate) {
    livingRig rig;
    statue &ghost = rig.put<statue>(objectKind::statue, 1, 0, 3);
    rig.car.speed = 8;
    for (int i = 0; i < 100; i++) {
        ghost.update(rig.car, side);
        ASSERT_EQ(ghost.mode, objectMode::none);
    }
    EXPECT_EQ(ghost.state, 1) << "close: it has turned to the car";

    rig.car.speed = 7;
    int updates = 0;
    while (ghost.mode != objectMode::trigger && updates < 100) {
        ghost.update(rig.car, side);
        updates++;
    }
    EXPECT_EQ(updates, 41);
    ghost.update(rig.car, side);
    EXPECT_EQ(ghost.mode, objectMode::glow);

    // The glow turns seven times, then ends.
    updates = 0;
    while (ghost.mode == objectMode::glow && updates < 400) {
        ghost.update(rig.car, side);
        updates++;
    }
    EXPECT_EQ(updates, 151);
    EXPECT_EQ(ghost.mode, objectMode::end);
    ghost.update(rig.car, side);
    EXPECT_EQ(ghost.mode, objectMode::after);
    EXPECT_EQ(ghost.waitCount, 0);
}

TEST(Statue, TurningAwayEndsTheGlowAndAFarCopyAheadIsNotRead) {
    livingRig rig;
    statue &ghost = rig.put<statue>(objectKind::statue, 1, 0, 3);
    ghost.mode = objectMode::glow;
    rig.car.placeAt({.x = rig.car.x,
                     .y = rig.car.y,
                     .dirX = 0.0,
                     .dirY = -1.0,
                     .planeX = -0.8,
                     .planeY = 0.0,
                     .heading = 270.0});
    ghost.update(rig.car, side);
    EXPECT_EQ(ghost.mode, objectMode::end);
    ghost.update(rig.car, side);
    EXPECT_EQ(ghost.mode, objectMode::none) << "after the end, and the driver still looks away";

    // The copy one side back lies ahead of the car unwrapped, but it is the statue behind
    // the driver all the same.
    ghost.y -= side;
    for (int i = 0; i < 60; i++) {
        ghost.update(rig.car, side);
    }
    EXPECT_EQ(ghost.mode, objectMode::none);
    EXPECT_EQ(ghost.waitCount, 0);
}

TEST(Statue, KilledStandsSolidUntilBumpedThenCrumblesAndLeaves) {
    livingRig rig;
    statue &ghost = rig.put<statue>(objectKind::statue, 1, 0, 3);
    ghost.frame = 119; // a live frame far past the end of the death pictures
    ghost.update(rig.car, side);
    EXPECT_EQ(ghost.frame, 0) << "the live loop comes round";
    setObject(rig.world, {.groupId = 1}, *ghost.flashed(levelInPlay{}));
    ghost.update(rig.car, side);
    EXPECT_TRUE(ghost.solid);
    EXPECT_TRUE(ghost.soundCue);
    EXPECT_EQ(ghost.mode, objectMode::end);
    for (int i = 0; i < 20; i++) {
        ghost.update(rig.car, side);
    }
    EXPECT_TRUE(ghost.placed);
    EXPECT_EQ(ghost.frame, 0);
    EXPECT_EQ(ghost.mode, objectMode::none);

    setObject(rig.world, {.groupId = 1}, *ghost.bumped());
    int sounds = 0;
    int updates = 0;
    while (ghost.placed && updates < 50) {
        ghost.update(rig.car, side);
        sounds += ghost.soundCue;
        updates++;
    }
    EXPECT_EQ(updates, 12);
    EXPECT_EQ(sounds, 1);
}

// ---- Butterflies ----

TEST(Butterfly, GroupsTenApartShareAPhaseAndTheCentreDriftsHomeAtMostATenth) {
    livingRig rig;
    butterfly &three = rig.put<butterfly>(objectKind::butterfly, 3, 2, 2);
    butterfly &thirteen = rig.put<butterfly>(objectKind::butterfly, 13, 4, 2);
    three.update(rig.car, side);
    thirteen.update(rig.car, side);
    EXPECT_DOUBLE_EQ(three.wanderX, thirteen.wanderX);
    EXPECT_EQ(three.frame, 4) << "phase 3, one wing beat on";
    EXPECT_EQ(thirteen.frame, 4);

    const double startY = three.centreY;
    three.homeY += 20;
    three.update(rig.car, side);
    EXPECT_NEAR(three.centreY - startY, 0.1, 1e-12);
    for (int i = 0; i < 1000; i++) {
        three.update(rig.car, side);
    }
    EXPECT_DOUBLE_EQ(three.centreY, three.homeY) << "snapped home";
}

TEST(Butterfly, DimStepsTheLightDownEvery11UpdatesAndHidesAtNone) {
    livingRig rig;
    butterfly &fly = rig.put<butterfly>(objectKind::butterfly, 3, 2, 2);
    fly.lightShape = 2;
    fly.mode = objectMode::dim;
    int updates = 0;
    while (fly.visible && updates < 100) {
        fly.update(rig.car, side);
        updates++;
        if (fly.lightShape == 1) {
            EXPECT_GE(fly.shade, 18);
        }
    }
    EXPECT_EQ(updates, 22);
    EXPECT_EQ(fly.lightShape, 0);
    EXPECT_EQ(fly.shade, 24);
}

// ---- Flames ----

TEST(Flame, LoopsFrom27To10AndGoesOutWithItsSoundAt30) {
    livingRig rig;
    flame &fire = rig.put<flame>(objectKind::flame, 1, 2, 2);
    fire.update(rig.car, side);
    EXPECT_TRUE(fire.soundCue) << "lighting";
    EXPECT_TRUE(fire.emitsLight);
    fire.frame = 26;
    fire.update(rig.car, side);
    EXPECT_EQ(fire.frame, 27);
    fire.update(rig.car, side);
    EXPECT_EQ(fire.frame, 10);

    fire.frame = 28;
    int sounds = 0;
    int updates = 0;
    while (fire.placed && updates < 50) {
        fire.update(rig.car, side);
        sounds += fire.soundCue;
        updates++;
    }
    EXPECT_EQ(updates, 8) << "frames 28 … 35";
    EXPECT_EQ(sounds, 1);
}

// ---- The moon ----

TEST(Moon, PulseClimbsEveryFivePassesWithABeatHoldsAndRestsWhenFarOrHidden) {
    livingRig rig;
    moon &body = rig.put<moon>(objectKind::moon, 0, 0, 5);
    body.mode = objectMode::pulse;
    int beats = 0;
    int updates = 0;
    while (body.lightShape < 4 && updates < 100) {
        body.update(rig.car, side);
        beats += body.soundCue;
        updates++;
    }
    EXPECT_EQ(updates, 20);
    EXPECT_EQ(beats, 4);
    body.update(rig.car, side);
    EXPECT_TRUE(body.falling);
    for (int i = 0; i < 10; i++) {
        body.update(rig.car, side);
        EXPECT_EQ(body.lightShape, 4) << "held at the top";
    }
    for (int i = 0; i < 5; i++) {
        body.update(rig.car, side);
    }
    EXPECT_EQ(body.lightShape, 3);

    body.y += 30;
    body.update(rig.car, side);
    EXPECT_EQ(body.lightShape, 0);
    EXPECT_EQ(body.shade, 24);

    body.y -= 30;
    body.visible = false;
    body.mode = objectMode::lit;
    body.update(rig.car, side);
    EXPECT_EQ(body.lightShape, 0) << "hidden, it does nothing";
}

// ---- Lightning ----

TEST(Lightning, RandomWaitsFromAQuarterToHalfOfGroupAndIdThenStrikes25Passes) {
    livingRig rig;
    lightning &bolt = rig.put<lightning>(objectKind::lightning, 10, 2, 2);
    bolt.objectId = 94;
    bolt.update(rig.car, side);
    EXPECT_EQ(bolt.strikeDelay, 26);
    bolt.mode = objectMode::random;
    int firstStrike = 0;
    while (bolt.frame == 0 && firstStrike < 200) {
        bolt.update(rig.car, side);
        firstStrike++;
    }
    EXPECT_EQ(firstStrike, 27) << "26 passes of waiting, then the first picture";
    EXPECT_EQ(bolt.lightShape, 5);
    EXPECT_TRUE(bolt.visible);
    int strike = 1;
    while (bolt.frame != 0 && strike < 100) {
        bolt.update(rig.car, side);
        strike++;
    }
    EXPECT_EQ(strike, 25);
    int wait = 0;
    while (bolt.frame == 0 && wait < 200) {
        bolt.update(rig.car, side);
        wait++;
    }
    EXPECT_EQ(wait, 53) << "52 passes of waiting between strikes";
}

TEST(Lightning, HiddenStrikeLightsTheMapButIsNeverDrawnOrHeard) {
    livingRig rig;
    lightning &bolt = rig.put<lightning>(objectKind::lightning, 7, 2, 2);
    bolt.mode = objectMode::hideOnce;
    int passes = 0;
    int brightest = 0;
    while (bolt.mode == objectMode::hideOnce && passes < 100) {
        bolt.update(rig.car, side);
        brightest = std::max(brightest, bolt.lightShape);
        EXPECT_FALSE(bolt.visible);
        EXPECT_FALSE(bolt.soundCue);
        passes++;
    }
    EXPECT_EQ(brightest, 5);
    EXPECT_EQ(passes, 25);
}
