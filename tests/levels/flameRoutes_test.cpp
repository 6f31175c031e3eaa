// The flame routes' stages that wait on what objects do by themselves (ghosts leaving a race,
// a tree's recharge, a statue's death, the gate's passes), driven by setting the objects.
#include <gtest/gtest.h>

#include "levels/levelEleven.h"
#include "levels/levelFifteen.h"
#include "levels/levelFourteen.h"
#include "levels/levelNine.h"
#include "levels/levelSeventeen.h"
#include "levels/levelSixteen.h"
#include "levels/levelTen.h"
#include "levels/levelThirteen.h"
#include "levels/levelTwelve.h"
#include "levels/loadLevelObjects.h"
#include "scriptRig.h"

namespace {

struct routeRig : scriptRig {
    template <class routeLevel> routeLevel &levelAt(int32_t index) {
        return static_cast<routeLevel &>(*levels.levels[index]);
    }

    void enter(int32_t index, double x, double y, heading towards) {
        putCar(x, y, towards);
        loadLevelObjects(levels, false, index, world, services);
        markHomeSquare();
    }

    // One frame: the script, then the copies' own idea of the home square.
    void frame(int frames = 1) {
        for (int i = 0; i < frames; i++) {
            runScript();
            markHomeSquare();
        }
    }
};

} // namespace

TEST(LevelNine, StatuesSpeakTheirLinesInTurnAndTheTurnOutlastsAVisit) {
    routeRig rig;
    levelNine &nine = rig.levelAt<levelNine>(9);
    rig.enter(9, 40.5, 50, heading::plusY);
    const double butterflyHomeY = rig.homeCopy(0).homeY;
    setMode(rig.world, 2, objectMode::trigger);
    rig.frame();
    EXPECT_EQ(rig.messageOnScreen(), "take the flame to the fallen sun");
    EXPECT_NE(rig.homeCopy(0).homeY, butterflyHomeY); // the ring turns by the homes

    setMode(rig.world, 2, objectMode::end);
    rig.frame();
    EXPECT_TRUE(rig.messageFading());
    rig.driveTo(1.5, 40.5, heading::minusX); // out sideways and back
    ASSERT_EQ(rig.levels.current, 7);
    rig.enter(9, 40.5, 50, heading::plusY);
    EXPECT_EQ(nine.lineIndex, 2);
    setMode(rig.world, 10, objectMode::trigger);
    rig.text.commandMessages(textCommand::blank);
    rig.frame();
    EXPECT_EQ(rig.messageOnScreen(), "the sun fell far from the road");
}

TEST(LevelEleven, EachPassThroughTheGateReleasesOneGroupAndStandingInItNone) {
    routeRig rig;
    levelEleven &eleven = rig.levelAt<levelEleven>(11);
    rig.enter(11, 40.5, 30, heading::plusY);
    rig.driveTo(40.5, 39, heading::plusY);
    rig.driveTo(40.5, 1, heading::plusY); // the first pass ends at the start of the road
    ASSERT_EQ(eleven.stage, levelEleven::firstLap);

    rig.world.car.speed = 10;
    rig.frame(5); // standing in the gate: one release only
    EXPECT_EQ(eleven.stage, levelEleven::secondLap);
    EXPECT_EQ(rig.homeCopy(16).mode, objectMode::straight);
    EXPECT_DOUBLE_EQ(rig.homeCopy(16).angle, 90);
    EXPECT_TRUE(rig.homeCopy(16).visible);
    EXPECT_FALSE(rig.homeCopy(21).visible);

    rig.driveTo(40.5, 40, heading::plusY); // round the world and into the gate again
    rig.driveTo(40.5, 1, heading::plusY);
    EXPECT_EQ(eleven.stage, levelEleven::thirdLap);
    EXPECT_EQ(rig.homeCopy(16).mode, objectMode::dead);
    EXPECT_EQ(rig.homeCopy(21).mode, objectMode::straight);

    rig.driveTo(40.5, 40, heading::plusY);
    rig.world.car.speed = -3; // reversing into the gate is no pass
    rig.driveTo(40.5, 1, heading::plusY);
    EXPECT_EQ(eleven.stage, levelEleven::thirdLap);
    rig.world.car.speed = 0;
    rig.driveTo(40.5, 1.5, heading::plusY);
    EXPECT_EQ(eleven.stage, levelEleven::fourthLap);
    EXPECT_DOUBLE_EQ(rig.homeCopy(17).y, 65.5 - 5);
    EXPECT_DOUBLE_EQ(rig.homeCopy(25).y, 68.5 + 5);
}

TEST(LevelTwelve, EveryLampBurningBringsTheFlameAndAWonFlameLeavesNothingToDo) {
    routeRig rig;
    levelTwelve &twelve = rig.levelAt<levelTwelve>(12);
    rig.enter(12, 40.5, 20, heading::plusY);
    EXPECT_FALSE(rig.homeCopy(10).visible);
    EXPECT_EQ(rig.homeCopy(19).frame, 1); // the corner lamps stand dark
    for (const int32_t lamp : {0, 1, 19}) {
        setFrame(rig.world, lamp, 3);
    }
    rig.frame();
    EXPECT_EQ(twelve.stage, levelTwelve::waitingForLamps);
    EXPECT_EQ(twelve.music, 2); // fifteen burning
    setFrame(rig.world, 20, 3);
    rig.frame();
    EXPECT_EQ(twelve.stage, levelTwelve::waitingForPickup);
    EXPECT_TRUE(rig.homeCopy(10).visible);
    EXPECT_DOUBLE_EQ(rig.homeCopy(2).homeX, 33.5 + 5); // the butterflies gather at the flame
    rig.driveTo(40.5, 50.5, heading::plusY);
    EXPECT_TRUE(rig.world.car.progressFlags[2]);
    EXPECT_EQ(twelve.music, 0);

    routeRig back;
    back.world.car.progressFlags[2] = true;
    back.enter(12, 40.5, 20, heading::plusY);
    EXPECT_EQ(back.levelAt<levelTwelve>(12).stage, levelTwelve::wonBefore);
    EXPECT_EQ(back.homeCopy(0).frame, 3);
    EXPECT_FALSE(back.homeCopy(10).visible);
}

TEST(LevelThirteen, TheFourLampsAreOneSwitchThatStopsTheCross) {
    routeRig rig;
    levelThirteen &thirteen = rig.levelAt<levelThirteen>(13);
    rig.enter(13, 40.5, 60, heading::plusY);
    rig.frame(3); // dark lamps: the cross comes apart
    const double turnedX = rig.homeCopy(24).x;
    EXPECT_NE(turnedX, 41.5);

    setFrame(rig.world, 23, 3); // the player lights one lamp
    rig.frame();
    for (const int32_t lamp : {1, 15, 23, 37}) {
        EXPECT_EQ(rig.homeCopy(lamp).frame, 3) << lamp;
    }
    EXPECT_TRUE(thirteen.lampsOn);
    EXPECT_EQ(thirteen.stage,
              levelThirteen::waitingForPickup); // three frames of turning still leave every light near home
    EXPECT_DOUBLE_EQ(rig.homeCopy(24).x, 41.5);
    EXPECT_DOUBLE_EQ(rig.homeCopy(24).y, 24.5);
    EXPECT_TRUE(rig.homeCopy(19).visible);
    EXPECT_EQ(rig.levels.levels[13]->music, 3);
}

TEST(LevelThirteen, PuttingOneLampOutDarkensAllFourAndTheCrossTurnsOn) {
    routeRig rig;
    levelThirteen &thirteen = rig.levelAt<levelThirteen>(13);
    rig.enter(13, 40.5, 60, heading::plusY);
    rig.frame(40); // far apart by now
    setFrame(rig.world, 1, 3);
    rig.frame();
    ASSERT_TRUE(thirteen.lampsOn);
    ASSERT_EQ(thirteen.stage, levelThirteen::aligningCross);
    const double standingX = rig.homeCopy(36).x;
    rig.frame(5);
    EXPECT_DOUBLE_EQ(rig.homeCopy(36).x, standingX);

    setFrame(rig.world, 37, 1);
    rig.frame();
    EXPECT_FALSE(thirteen.lampsOn);
    EXPECT_EQ(rig.homeCopy(15).frame, 1);
    EXPECT_EQ(rig.levels.levels[13]->music, 1);
    rig.frame();
    EXPECT_NE(rig.homeCopy(36).x, standingX);
}

TEST(LevelFourteen, TheRoadIsTheirsUntilAllSixGhostsHaveLeftTheRace) {
    routeRig rig;
    levelFourteen &fourteen = rig.levelAt<levelFourteen>(14);
    rig.enter(14, 40.5, 60, heading::plusY);
    const int32_t racers[] = {54, 57, 61, 66, 68, 72};
    EXPECT_EQ(rig.homeCopy(54).mode, objectMode::race);
    EXPECT_DOUBLE_EQ(rig.homeCopy(54).angle, 220);
    EXPECT_DOUBLE_EQ(rig.homeCopy(54).x, 45.5 - 10);
    EXPECT_FALSE(rig.homeCopy(35).visible); // the flame is not seen here

    for (int k = 0; k < 5; k++) {
        setMode(rig.world, racers[k], objectMode::dead);
    }
    rig.frame();
    EXPECT_EQ(fourteen.stage, levelFourteen::watchingRace);
    EXPECT_EQ(fourteen.music, 2);
    setMode(rig.world, racers[5], objectMode::none);
    rig.frame(2);
    EXPECT_EQ(fourteen.stage, levelFourteen::headingHome);
    EXPECT_EQ(fourteen.music, 3);
}

TEST(LevelFourteen, TheLongRoadHomeIsTwoCrossingsOfTheLeftEdgeHeadingMinusX) {
    routeRig rig;
    levelFourteen &fourteen = rig.levelAt<levelFourteen>(14);
    rig.enter(14, 40.5, 60, heading::plusY);
    fourteen.stage = levelFourteen::headingHome;
    rig.driveTo(0.5, 60, heading::plusX); // the wrong way across
    EXPECT_EQ(fourteen.stage, levelFourteen::headingHome);
    rig.driveTo(0.5, 60, heading::minusX);
    EXPECT_EQ(fourteen.stage, levelFourteen::wrappingRound);
    rig.driveTo(0.8, 60, heading::minusX); // not yet round the world
    rig.driveTo(0.5, 60, heading::minusX);
    EXPECT_EQ(fourteen.stage, levelFourteen::wrappingRound);
    rig.driveTo(79.5, 60, heading::minusX);
    EXPECT_EQ(fourteen.stage, levelFourteen::headingHomeAgain);
    rig.driveTo(0.5, 60, heading::minusX);
    EXPECT_EQ(rig.levels.current, 15);
    EXPECT_EQ(fourteen.stage, levelFourteen::entering);
}

TEST(LevelFourteen, ARechargeAtTheTreeSendsThePlayerBackToTheCrossroadsFromAnyStage) {
    for (const levelFourteen::scriptStage stage :
         {levelFourteen::watchingRace, levelFourteen::headingHome, levelFourteen::wrappingRound,
          levelFourteen::headingHomeAgain}) {
        routeRig rig;
        levelFourteen &fourteen = rig.levelAt<levelFourteen>(14);
        rig.enter(14, 40.5, 60, heading::plusY);
        fourteen.stage = stage;
        setState(rig.world, 60, 1);
        rig.frame();
        EXPECT_EQ(rig.levels.current, 6) << static_cast<int>(stage);
        EXPECT_EQ(fourteen.stage, levelFourteen::entering);
    }
}

TEST(LevelSixteen, GhostsAllPutToRestComeBackOnceThePlayerDrivesOn) {
    routeRig rig;
    rig.world.car.headlightsOn = true;
    rig.enter(16, 40.5, 10, heading::minusY);
    EXPECT_EQ(rig.homeCopy(17).mode, objectMode::straight);
    EXPECT_DOUBLE_EQ(rig.homeCopy(17).angle, 270);
    for (const int32_t ghost : {16, 17, 18}) {
        setMode(rig.world, ghost, objectMode::none);
    }
    rig.driveTo(40.5, 30, heading::minusY); // not yet on the road's second half
    EXPECT_EQ(rig.homeCopy(16).mode, objectMode::none);
    rig.driveTo(40.5, 45, heading::minusY);
    EXPECT_EQ(rig.homeCopy(16).mode, objectMode::respawnStraight);
}

TEST(LevelFifteen, TheSaplingGrownInTheFlashGivesUpTheFlame) {
    routeRig rig;
    levelFifteen &fifteen = rig.levelAt<levelFifteen>(15);
    rig.enter(15, 40.5, 20, heading::plusY);
    EXPECT_DOUBLE_EQ(rig.homeCopy(38).x, 39.5); // the ash tree stands on the tree's tile
    for (const int32_t lamp : {7, 15, 19}) {
        setFrame(rig.world, lamp, 3);
    }
    rig.frame();
    EXPECT_EQ(fifteen.stage, levelFifteen::waitingForRingLamps);
    setFrame(rig.world, 28, 3);
    rig.frame(3);
    ASSERT_EQ(fifteen.stage, levelFifteen::waitingForGrowth);
    EXPECT_FALSE(rig.homeCopy(38).visible);
    EXPECT_TRUE(rig.homeCopy(17).visible);

    setFrame(rig.world, 17, 2); // the flash reaches the sapling
    rig.frame(2);
    EXPECT_EQ(fifteen.stage, levelFifteen::waitingForPickup);
    EXPECT_EQ(rig.homeCopy(17).frame, 1);
    EXPECT_FALSE(rig.homeCopy(17).visible);
    EXPECT_TRUE(rig.homeCopy(20).visible);

    rig.driveTo(40.5, 60.5, heading::plusY);
    EXPECT_TRUE(rig.world.car.progressFlags[4]);
    EXPECT_EQ(rig.homeCopy(20).frame, 29);
    EXPECT_EQ(fifteen.stage, levelFifteen::flameTaken);
}

TEST(LevelFifteen, ItsTwoExitsLeadToTheMoonLevelFartherAlongY) {
    struct exitCase {
        double y;
        heading towards;
        double arrivalY;
    };
    for (const exitCase way : {exitCase{30, heading::minusY, 75}, exitCase{10, heading::plusY, 75}}) {
        routeRig rig;
        rig.enter(15, 40.5, 40.5, heading::plusY);
        rig.frame(); // armed in the centre
        rig.driveTo(40.5, way.y, way.towards);
        EXPECT_EQ(rig.levels.current, 7) << way.y;
        EXPECT_DOUBLE_EQ(rig.world.car.y, way.arrivalY);
    }
}

namespace {

constexpr int32_t seventeenButterflies[] = {4, 5, 6, 7, 9, 10, 11, 12};

// What the flash does to the butterflies hidden in the light, group by group.
void showButterflies(routeRig &rig, std::initializer_list<int32_t> groups) {
    for (const int32_t group : groups) {
        setVisible(rig.world, group, true);
    }
}

} // namespace

// All eight butterflies show in the dark from the start, which does not count; the light
// hides them, and only all eight shown in the light end the puzzle.
TEST(LevelSeventeen, TheFacesFollowTheHeadlightsAndOnlyTheLitFaceCounts) {
    routeRig rig;
    levelSeventeen &seventeen = rig.levelAt<levelSeventeen>(17);
    rig.enter(17, 40.5, 20, heading::plusY);
    EXPECT_EQ(seventeen.groundGrid[0][0], 88);
    EXPECT_EQ(seventeen.groundGrid[79][79], 88);
    EXPECT_FALSE(rig.world.car.headlightsOn);
    rig.frame(3);
    EXPECT_EQ(seventeen.stage, levelSeventeen::followingHeadlights);
    EXPECT_EQ(seventeen.music, 2);

    rig.world.car.headlightsOn = true;
    rig.frame();
    EXPECT_EQ(seventeen.groundGrid[40][40], 0);
    EXPECT_FALSE(rig.homeCopy(8).visible);
    EXPECT_TRUE(rig.homeCopy(17).visible);
    EXPECT_TRUE(rig.homeCopy(2).visible);
    EXPECT_FALSE(rig.homeCopy(0).visible);
    for (const int32_t group : seventeenButterflies) {
        EXPECT_FALSE(rig.homeCopy(group).visible) << group;
        EXPECT_TRUE(rig.homeCopy(group).emitsLight) << group << " still glows";
    }
    EXPECT_EQ(seventeen.music, 1);
    setMode(rig.world, 17, objectMode::trigger);
    showButterflies(rig, {4, 5, 6, 7, 9, 10, 11});
    rig.frame();
    EXPECT_EQ(rig.messageOnScreen(), "he hides beneath the e key");
    EXPECT_EQ(seventeen.stage, levelSeventeen::followingHeadlights);

    rig.world.car.headlightsOn = false;
    rig.frame();
    EXPECT_EQ(seventeen.groundGrid[40][40], 88);
    EXPECT_TRUE(rig.homeCopy(8).visible);
    EXPECT_FALSE(rig.homeCopy(17).visible);
    EXPECT_EQ(rig.homeCopy(0).frame, 39);
    EXPECT_FALSE(rig.homeCopy(4).visible);
    EXPECT_TRUE(rig.homeCopy(12).visible);

    rig.world.car.headlightsOn = true;
    rig.frame();
    EXPECT_TRUE(rig.homeCopy(4).visible); // the ones woken in the light stay awake there
    EXPECT_FALSE(rig.homeCopy(12).visible);
    showButterflies(rig, {12});
    rig.frame();
    EXPECT_EQ(seventeen.stage, levelSeventeen::settlingInDark);
}

TEST(LevelSeventeen, TheKilledKeeperGivesUpTheFlameThatGlidesAwayFromTheCar) {
    routeRig rig;
    levelSeventeen &seventeen = rig.levelAt<levelSeventeen>(17);
    rig.enter(17, 40.5, 34.5, heading::plusY);
    rig.world.car.headlightsOn = true;
    rig.frame();
    showButterflies(rig, {4, 5, 6, 7, 9, 10, 11, 12});
    rig.frame(2);
    ASSERT_EQ(seventeen.stage, levelSeventeen::waitingForKill);
    EXPECT_EQ(seventeen.groundGrid[40][40], 0); // the ground stays as the lights left it
    EXPECT_TRUE(rig.homeCopy(8).visible);
    setMode(rig.world, 17, objectMode::trigger);
    rig.frame();
    EXPECT_EQ(rig.messageOnScreen(), "crush him");

    changeGroup(rig.world, 8, {.frame = 0, .state = 2});
    rig.frame(3);
    EXPECT_EQ(seventeen.stage, levelSeventeen::glidingFlame);
    EXPECT_EQ(rig.homeCopy(9).mode, objectMode::dim);
    rig.frame(25);
    EXPECT_EQ(seventeen.stage, levelSeventeen::waitingForPickup);
    EXPECT_NEAR(rig.homeCopy(18).x, 40.5, 1e-9);
    EXPECT_NEAR(rig.homeCopy(18).y, 40.5 + 2.1, 1e-9);

    setMode(rig.world, 17, objectMode::end);
    rig.frame();
    rig.text.commandMessages(textCommand::blank);
    setMode(rig.world, 17, objectMode::trigger); // the second statue's last word
    rig.driveTo(40.5, 41, heading::plusY);
    EXPECT_TRUE(rig.world.car.progressFlags[5]);
    EXPECT_EQ(seventeen.stage, levelSeventeen::flameTaken);
    EXPECT_EQ(rig.messageOnScreen(), "may the six flames free the sun");
}

TEST(LevelTen, LeavingMidMoveStartsTheNextVisitsMoveAfresh) {
    routeRig rig;
    levelTen &ten = rig.levelAt<levelTen>(10);
    rig.enter(10, 36.8, 35, heading::plusY);
    rig.world.car.speed = 10;
    rig.frame(2);
    ASSERT_EQ(ten.phase, 1);
    rig.frame(10);
    rig.driveTo(40.5, 40.5, heading::plusY);
    rig.driveTo(1.5, 40.5, heading::minusX); // out sideways, halfway through the bow
    ASSERT_EQ(rig.levels.current, 7);
    EXPECT_EQ(ten.timer, 0);

    rig.enter(10, 36.8, 35, heading::plusY);
    rig.world.car.speed = 10;
    rig.frame(2 + 31);
    EXPECT_EQ(ten.phase, 3);
    EXPECT_NEAR(rig.homeCopy(14).x, 36.5 - 31 * 0.4, 1e-9); // the middle light bowed out in full
}
