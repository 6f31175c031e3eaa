#include <gtest/gtest.h>

#include "levels/levelEight.h"
#include "levels/loadLevelObjects.h"
#include "levels/scriptBlocks.h"
#include "scriptRig.h"

namespace {

constexpr int32_t nearTree = 0;
constexpr int32_t farTree = 1;
constexpr int32_t firstGhost = 18;
constexpr int32_t secondGhost = 19;
constexpr int32_t theStatue = 44;
constexpr const char *statueLine = "dissolve them with light";

struct levelEightRig : scriptRig {
    levelEight &eight = static_cast<levelEight &>(*levels.levels[8]);

    // Arrives from the crossroads somewhere off the road.
    void enter() {
        putCar(10.5, 10.5, heading::plusY);
        loadLevelObjects(levels, false, 8, world, services);
    }

    // Driving on towards +y through the middle of the road, then back towards −y.
    void releaseTheGhosts() {
        enter();
        driveTo(40, 39, heading::plusY);
        driveTo(40, 41, heading::minusY);
    }

    // The dark lamps left standing on the high-x side, 21, 23, … 35, lit by the player.
    void lightLamps(int count) {
        markHomeSquare();
        for (int32_t group = 21; count > 0; group += 2, count--) {
            setFrame(world, group, 3);
        }
    }
};

} // namespace

TEST(LevelEight, SetupStartsEveryVisitAfresh) {
    levelEight eight;
    EXPECT_EQ(eight.stage, levelEight::entering);
    eight.stage = levelEight::onReturnPass;
    eight.armed = 1;
    eight.messageShown = true;
    eight.waitTimer = 12;
    eight.music = 3;
    eight.setup();
    EXPECT_EQ(eight.stage, levelEight::entering);
    EXPECT_EQ(eight.armed, 0);
    EXPECT_FALSE(eight.messageShown);
    EXPECT_EQ(eight.waitTimer, 0);
    EXPECT_EQ(eight.music, 0);
}

TEST(LevelEight, EnteringHidesTheStoryInThePlacingFrame) {
    levelEightRig rig;
    rig.enter();
    EXPECT_EQ(rig.eight.stage, levelEight::waitingForFirstPass);
    EXPECT_EQ(rig.eight.music, 1);
    EXPECT_EQ(rig.world.fade.mode, fadeMode::fadeIn);
    for (const int32_t group : {farTree, firstGhost, secondGhost, theStatue}) {
        EXPECT_TRUE(allCopies(rig, group, [](const basicObj &o) { return !o.visible; })) << "group " << group;
    }
    EXPECT_TRUE(allCopies(rig, nearTree, [](const basicObj &o) { return !o.visible && o.frame == 39; }));
    // The butterflies stand a tile nearer the road, dark and unseen.
    for (const int32_t group : groups(36, 43)) {
        EXPECT_TRUE(allCopies(rig, group, [](const basicObj &o) {
            return !o.visible && !o.emitsLight && o.lightShape == 0 && o.x == o.homeX;
        }));
        EXPECT_DOUBLE_EQ(rig.homeCopy(group).x, 44.5);
    }
    EXPECT_TRUE(allCopies(rig, 2, [](const basicObj &o) { return o.visible && o.frame == 3; }));
}

TEST(LevelEight, OnlyDrivingTowardsPlusYThroughTheMiddleStartsTheFirstPass) {
    levelEightRig rig;
    rig.enter();
    rig.driveTo(40, 39, heading::minusY);
    rig.driveTo(35.9, 39, heading::plusY);
    rig.driveTo(40, 40.1, heading::plusY);
    EXPECT_EQ(rig.eight.stage, levelEight::waitingForFirstPass);

    rig.driveTo(40, 40, heading::plusY);
    EXPECT_EQ(rig.eight.stage, levelEight::onFirstPass);
    EXPECT_TRUE(rig.homeCopy(nearTree).visible);
    EXPECT_TRUE(rig.homeCopy(theStatue).visible);
    EXPECT_FALSE(rig.homeCopy(9).visible);  // the low-x side's near half goes out
    EXPECT_TRUE(rig.homeCopy(10).visible);  // … but not its far half yet
    EXPECT_FALSE(rig.homeCopy(20).visible); // high-x side: every second lamp goes
    EXPECT_EQ(rig.homeCopy(21).frame, 1);   // and the others stand dark, to be lit
    EXPECT_TRUE(rig.homeCopy(21).visible);
    EXPECT_TRUE(rig.homeCopy(39).visible); // near butterflies shine
    EXPECT_FALSE(rig.homeCopy(40).visible);
    EXPECT_FALSE(rig.homeCopy(firstGhost).visible);
}

TEST(LevelEight, FirstPassEndsAtEitherEndOfTheRoadInItsOwnDirection) {
    struct place {
        double y;
        heading towards;
    };
    for (const place end :
         {place{1, heading::plusY}, place{41, heading::minusY}, place{42, heading::minusY}}) {
        levelEightRig rig;
        rig.enter();
        rig.driveTo(40, 39, heading::plusY);
        rig.driveTo(40, 40, heading::minusY); // the middle's own row is not past it
        rig.driveTo(40, 1, heading::minusY);
        rig.driveTo(40, 41, heading::plusY);
        rig.driveTo(40, 43, heading::minusY);
        ASSERT_EQ(rig.eight.stage, levelEight::onFirstPass);

        rig.driveTo(40, end.y, end.towards);
        EXPECT_EQ(rig.eight.stage, levelEight::waitingForLamps) << "y " << end.y;
        EXPECT_FALSE(rig.homeCopy(17).visible);
        EXPECT_FALSE(rig.homeCopy(28).visible);
        EXPECT_TRUE(rig.homeCopy(29).visible);
        EXPECT_TRUE(rig.homeCopy(43).visible);
        // The ghosts show, each patrolling seven tiles across the road from where it stands.
        const basicObj &first = rig.homeCopy(firstGhost);
        const basicObj &second = rig.homeCopy(secondGhost);
        EXPECT_TRUE(first.visible && second.visible);
        EXPECT_DOUBLE_EQ(first.homeX - first.x, 7);
        EXPECT_DOUBLE_EQ(second.homeX - second.x, -7);
    }
}

TEST(LevelEight, AttackingGhostsGiveUpOnlyOutsideTheRoadsBand) {
    levelEightRig rig;
    rig.releaseTheGhosts();
    setMode(rig.world, firstGhost, objectMode::attack);
    for (const double x : {20.0, 60.0, 40.0}) {
        rig.driveTo(x, 45, heading::plusY);
        EXPECT_TRUE(allCopies(rig, firstGhost, [](const basicObj &o) {
            return o.mode == objectMode::attack;
        })) << x;
    }
    const objectMode otherMode = rig.homeCopy(secondGhost).mode;
    rig.driveTo(60.1, 45, heading::plusY);
    EXPECT_TRUE(allCopies(rig, firstGhost, [](const basicObj &o) { return o.mode == objectMode::patrol; }));
    EXPECT_EQ(rig.homeCopy(secondGhost).mode, otherMode);

    setMode(rig.world, firstGhost, objectMode::attack);
    rig.driveTo(19.9, 45, heading::plusY);
    EXPECT_EQ(rig.homeCopy(firstGhost).mode, objectMode::patrol);
}

TEST(LevelEight, EightLitLampsEndTheHuntSevenDoNot) {
    levelEightRig rig;
    rig.releaseTheGhosts();
    rig.markHomeSquare();
    rig.runScript();
    EXPECT_EQ(rig.eight.music, 1); // the lamps put out by the passes still burn, unseen

    rig.lightLamps(7);
    rig.runScript();
    EXPECT_EQ(rig.eight.stage, levelEight::waitingForLamps);
    EXPECT_EQ(rig.eight.music, 2);

    rig.lightLamps(8);
    rig.runScript();
    EXPECT_EQ(rig.eight.stage, levelEight::onSecondPass);
    EXPECT_EQ(rig.eight.music, 3);
    EXPECT_TRUE(allCopies(rig, nearTree, [](const basicObj &o) { return !o.visible && o.frame == 39; }));
    EXPECT_FALSE(rig.homeCopy(theStatue).visible);
    const basicObj &butterfly = rig.homeCopy(36);
    EXPECT_DOUBLE_EQ(butterfly.homeX - butterfly.x, -4);
    EXPECT_DOUBLE_EQ(butterfly.homeY - butterfly.y, 90);
}

TEST(LevelEight, ARechargeAtATreePutsTheLampsOutAgain) {
    levelEightRig rig;
    rig.releaseTheGhosts();
    rig.lightLamps(7);
    rig.runScript();
    ASSERT_EQ(rig.eight.music, 2);

    rig.homeCopy(farTree).state = 1;
    rig.runScript();
    EXPECT_EQ(rig.eight.music, 1);
    EXPECT_EQ(rig.homeCopy(21).frame, 1);
    EXPECT_FALSE(rig.homeCopy(20).visible);
}

TEST(LevelEight, TwoMorePassesAndAWaitLeadOnToLevelNine) {
    levelEightRig rig;
    rig.releaseTheGhosts();
    rig.lightLamps(8);
    rig.runScript();
    ASSERT_EQ(rig.eight.stage, levelEight::onSecondPass);

    rig.driveTo(40, 41, heading::minusY);
    EXPECT_EQ(rig.eight.stage, levelEight::onReturnPass);
    EXPECT_FALSE(rig.homeCopy(29).visible);
    rig.driveTo(40, 41, heading::minusY); // the return pass needs the other direction
    rig.driveTo(40, 1, heading::plusY);
    EXPECT_EQ(rig.eight.stage, levelEight::onReturnPass);
    rig.driveTo(40, 1, heading::minusY);
    EXPECT_EQ(rig.eight.stage, levelEight::dimmingButterflies);
    EXPECT_FALSE(rig.homeCopy(21).visible);

    rig.runScript();
    EXPECT_EQ(rig.eight.stage, levelEight::waitingToLeave);
    EXPECT_TRUE(allCopies(rig, 40, [](const basicObj &o) { return o.mode == objectMode::dim; }));

    // Thirty frames of waiting at the start of the road, then it leads on.
    rig.runScript(30);
    EXPECT_EQ(rig.levels.current, 8);
    rig.runScript();
    EXPECT_EQ(rig.levels.current, 9);
    EXPECT_EQ(rig.eight.stage, levelEight::entering);
    EXPECT_EQ(rig.eight.armed, 0);
    EXPECT_EQ(rig.eight.waitTimer, 0);
    EXPECT_EQ(rig.eight.music, 0);
}

// Once the road has led on to level 9, nothing of level 8 may act in that pass: its side
// exit, were it reached, finds the level already left and leaves level 9's objects alone.
TEST(LevelEight, LeavingForLevelNineEndsLevelEightsPass) {
    levelEightRig rig;
    rig.enter();
    rig.eight.stage = levelEight::waitingToLeave;
    rig.eight.waitTimer = 30;
    rig.driveTo(40, 1, heading::minusY);
    ASSERT_EQ(rig.levels.current, 9);
    EXPECT_EQ(rig.levels.previous, 8);
    const int placed = rig.placedCount();

    int32_t armed = 1;
    rig.putCar(1.5, 40, heading::minusX);
    EXPECT_EQ(leaveSideways(rig.world, rig.services, rig.eight, armed), levelExit::left);
    EXPECT_EQ(rig.levels.current, 9);
    EXPECT_EQ(rig.levels.previous, 8);
    EXPECT_EQ(rig.placedCount(), placed);
}

TEST(LevelEight, SideExitsNeedTheCentreAndLeavingForgetsTheVisit) {
    levelEightRig rig;
    rig.enter();
    rig.driveTo(1.5, 40, heading::minusX);
    EXPECT_EQ(rig.levels.current, 8);

    rig.driveTo(40, 39, heading::plusY); // arms, and starts the first pass
    rig.driveTo(40, 41, heading::minusY);
    ASSERT_EQ(rig.eight.stage, levelEight::waitingForLamps);
    rig.driveTo(1.5, 40, heading::minusX);
    EXPECT_EQ(rig.levels.current, 7);
    EXPECT_EQ(rig.eight.stage, levelEight::entering);
    EXPECT_EQ(rig.eight.armed, 0);
    EXPECT_EQ(rig.eight.music, 0);

    // Coming back starts the road again from its entry.
    loadLevelObjects(rig.levels, false, 8, rig.world, rig.services);
    EXPECT_EQ(rig.eight.stage, levelEight::waitingForFirstPass);
    EXPECT_FALSE(rig.homeCopy(firstGhost).visible);
    EXPECT_TRUE(rig.homeCopy(20).visible);

    rig.driveTo(40, 39, heading::plusY);
    rig.driveTo(78.5, 40, heading::plusX);
    EXPECT_EQ(rig.levels.current, 7);
}

TEST(LevelEight, TheStatueSpeaksWhileTheGhostsAreAboutAndFallsSilentAfter) {
    levelEightRig rig;
    rig.enter();
    setMode(rig.world, theStatue, objectMode::trigger);
    rig.runScript();
    EXPECT_FALSE(rig.eight.messageShown); // not before the first pass

    rig.driveTo(40, 39, heading::plusY);
    EXPECT_TRUE(rig.eight.messageShown);
    EXPECT_EQ(rig.messageOnScreen(), statueLine);

    setMode(rig.world, theStatue, objectMode::end);
    rig.runScript();
    EXPECT_FALSE(rig.eight.messageShown);
    EXPECT_TRUE(rig.messageFading());

    rig.text.message.clearAll();
    setMode(rig.world, theStatue, objectMode::trigger);
    rig.driveTo(40, 41, heading::minusY);
    ASSERT_EQ(rig.eight.stage, levelEight::waitingForLamps);
    EXPECT_EQ(rig.messageOnScreen(), statueLine);

    // Once the lamps are lit the line fades in the same frame, whatever the statue does.
    rig.lightLamps(8);
    rig.runScript();
    EXPECT_EQ(rig.eight.stage, levelEight::onSecondPass);
    EXPECT_FALSE(rig.eight.messageShown);
    EXPECT_TRUE(rig.messageFading());
}
