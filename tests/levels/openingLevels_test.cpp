// The scripts of levels 2 to 7 where they wait on objects' own behaviour (a tree's recharge,
// a statue's reading, a flash on the moon): the objects are set by hand here. The drives
// themselves are played through the replay tool in openingLevelsReplay_test.cpp.
#include <gtest/gtest.h>

#include <cmath>

#include "levels/levelFour.h"
#include "levels/levelSeven.h"
#include "levels/levelSix.h"
#include "levels/levelThree.h"
#include "levels/loadLevelObjects.h"
#include "scriptRig.h"
#include "support/sdlTestEnvironment.h"

namespace {

struct openingRig : scriptRig {
    template <class levelClass> levelClass &levelAt(int32_t index) {
        return static_cast<levelClass &>(*levels.levels[index]);
    }

    void enter(int32_t index, double x, double y, heading towards) {
        putCar(x, y, towards);
        loadLevelObjects(levels, false, index, world, services);
        markHomeSquare();
    }

    void setHomeFrame(int32_t group, int32_t frame) {
        setFrame(world, group, frame);
        markHomeSquare();
    }
};

} // namespace

TEST(LevelThree, AFullBatteryCarriesThePlayerOnInTheWhiteLight) {
    openingRig rig;
    rig.world.car.battery = 0;
    rig.enter(3, 19.5, 2.5, heading::plusY);
    EXPECT_EQ(rig.homeCopy(17).frame, 2); // the tree grows without the flash
    rig.runScript(10);
    EXPECT_EQ(rig.levels.current, 3);

    rig.world.car.battery = 13; // as the grown tree's recharge leaves it
    rig.runScript();
    EXPECT_EQ(rig.levels.current, 4);
    EXPECT_EQ(rig.world.car.cockpit.whiteFrame, 4);
    EXPECT_EQ(rig.levelAt<levelFour>(4).stage, levelFour::openingGates);
}

TEST(LevelFour, TheStatuesTellTheirThreeLinesInTurn) {
    openingRig rig;
    rig.enter(4, 6.5, 36.5, heading::plusY);
    for (const char *line :
         {"space illuminates", "saplings grow", "white trees recharge", "space illuminates"}) {
        setMode(rig.world, 39, objectMode::trigger);
        rig.runScript();
        EXPECT_EQ(rig.messageOnScreen(), line);
        setMode(rig.world, 39, objectMode::end);
        rig.runScript();
        EXPECT_TRUE(rig.messageFading());
        setMode(rig.world, 39, objectMode::none);
        rig.text.message.clearAll();
    }
}

TEST(LevelFour, GrowingBothOuterSaplingsClearsTheAshAndStartsTheRun) {
    openingRig rig;
    levelFour &four = rig.levelAt<levelFour>(4);
    rig.enter(4, 10.5, 24.5, heading::plusX);
    EXPECT_EQ(rig.homeCopy(51).frame, 39); // the middle grove's tree stands grown

    rig.setHomeFrame(78, 3); // the right sapling has just started to grow
    rig.runScript();
    EXPECT_TRUE(four.secondOpened);
    EXPECT_EQ(rig.levelAt<levelFour>(4).music, 2);
    for (const int32_t ash : {62, 63, 65, 67}) {
        EXPECT_FALSE(rig.homeCopy(ash).visible) << ash;
    }
    EXPECT_TRUE(rig.homeCopy(35).visible); // the other gate stays shut
    rig.setHomeFrame(78, 4);
    rig.runScript();
    EXPECT_EQ(four.stage, levelFour::openingGates);

    rig.setHomeFrame(24, 3);
    rig.runScript();
    EXPECT_EQ(four.stage, levelFour::runningAlongGroves);
    EXPECT_EQ(four.music, 3);
    EXPECT_EQ(rig.placedCount(objectKind::ashTree), 0);
    EXPECT_EQ(rig.placedCount(objectKind::statue), 0);
    EXPECT_EQ(rig.placedCount(objectKind::tree), 27);
}

TEST(LevelFour, TheRunNeeds251FastFramesInARowThenThePassedTreesLeadOn) {
    openingRig rig;
    levelFour &four = rig.levelAt<levelFour>(4);
    rig.enter(4, 10.5, 22.5, heading::plusX);
    four.stage = levelFour::runningAlongGroves; // as the second gate's opening leaves it
    playerCar &car = rig.world.car;
    car.speed = 13;
    rig.runScript(200);
    car.speed = 12.8; // one slow frame starts the count again
    rig.runScript();
    car.speed = 13;
    rig.runScript(250);
    EXPECT_EQ(four.stage, levelFour::runningAlongGroves);
    rig.runScript();
    EXPECT_EQ(four.stage, levelFour::passingTrees);

    // Past each tree, close by, in any order; a tree ahead does not count.
    rig.driveTo(12.5, 22.5, heading::plusX);
    EXPECT_FALSE(four.treePassed1);
    for (const double x : {14.5, 40.5, 27.5}) {
        rig.driveTo(x, 22.5, heading::plusX);
    }
    EXPECT_TRUE(four.treePassed1 && four.treePassed2 && four.treePassed3);
    EXPECT_FALSE(rig.homeCopy(51).visible);
    EXPECT_EQ(four.stage, levelFour::drivingToEdge);
    rig.driveTo(2.5, 22.5, heading::minusX);
    EXPECT_EQ(rig.levels.current, 4);
    rig.driveTo(1.5, 22.5, heading::minusX);
    EXPECT_EQ(rig.levels.current, 5);
}

TEST(LevelSix, ALineBroughtInFadesOutAndIsNotHeldByTheFade) {
    openingRig rig;
    rig.text.showMessage("the flame is mine!");
    rig.enter(6, 40.5, 10.5, heading::plusY);
    for (int pass = 0; pass < 400; pass++) {
        rig.runScript();
        rig.text.updateMessages();
    }
    EXPECT_EQ(rig.messageOnScreen(), "");
}

TEST(LevelSix, TheFifthAndSixthRoutesOpenOnlyBeyondTheFourthFlame) {
    for (const bool fourth : {true, false}) {
        openingRig rig;
        rig.flags.fourth = fourth;
        for (const int32_t k : {0, 1, 2, 3}) {
            rig.world.car.progressFlags[k] = true;
        }
        rig.enter(6, 40.5, 40.5, heading::minusY);
        rig.runScript();
        rig.driveTo(40.5, 1.5, heading::minusY);
        EXPECT_EQ(rig.levels.current, fourth ? 6 : 16);
        if (fourth) {
            // Nowhere to go: the end of the road is no exit, and the crossroads stay as they were.
            EXPECT_EQ(rig.levelAt<levelSix>(6).stage, levelSix::exitsOpen);
            EXPECT_EQ(rig.messageOnScreen(), "thats all for now");
            rig.driveTo(40.5, 78.5, heading::plusY);
            EXPECT_EQ(rig.levels.current, 6);
        }
    }
}

namespace {

// Level 7 with all six flames brought to the moon and sunk into it: the trials begin.
struct moonRig : openingRig {
    levelSeven &seven = levelAt<levelSeven>(7);

    void enterWithAllFlames() {
        for (bool &won : world.car.progressFlags) {
            won = true;
        }
        enter(7, 40.5, 30.5, heading::plusY);
        runScript(); // in the middle: exitsOpen
    }

    void startTrials() {
        enterWithAllFlames();
        world.car.speed = 0;
        for (int flame = 0; flame < 6; flame++) {
            runScript(31);
            markHomeSquare();
        }
        ASSERT_EQ(seven.delivered, 6);
        ASSERT_EQ(seven.moonPhase, 1);
        for (int pass = 0; pass < 2000 && seven.moonPhase == 1; pass++) {
            runScript();
            markHomeSquare();
        }
        ASSERT_EQ(seven.moonPhase, 2);
        runScript();
        ASSERT_EQ(seven.moonPhase, 3);
    }
};

} // namespace

TEST(LevelSeven, SixFlamesSinkIntoTheMoonAndTheLightningCloses) {
    moonRig rig;
    rig.startTrials();
    EXPECT_EQ(rig.seven.inMoon, 6);
    EXPECT_EQ(rig.homeCopy(1).frame, 29);
    EXPECT_EQ(rig.homeCopy(0).mode, objectMode::fade);
    EXPECT_DOUBLE_EQ(rig.homeCopy(7).x, 51.5 - 18);
    EXPECT_EQ(rig.homeCopy(7).mode, objectMode::random);
}

TEST(LevelSeven, TheMoonsPushOutEndsEvenFromItsVeryCentre) {
    struct start {
        double x, y;
    };
    for (const start from : {start{40.5, 39.5}, start{40.5 + 1e-12, 39.5}, start{44.5, 39.5}}) {
        moonRig rig;
        rig.startTrials();
        playerCar &car = rig.world.car;
        car.headlightsOn = true;
        car.battery = 2;
        rig.putCar(from.x, from.y, heading::minusX);
        rig.runScript();
        // Out beyond 9 tiles, then sliding on.
        const double reach = std::hypot(car.x - 40.5, car.y - 39.5);
        EXPECT_GE(reach, 9) << from.x;
        EXPECT_LT(reach, 15) << from.x;
        EXPECT_EQ(car.battery, 0);
        EXPECT_EQ(rig.homeCopy(0).mode, objectMode::repel);
    }
}

TEST(LevelSeven, TheDarkTurnsTheWorldToSandAndTheFlashEndsTheTrial) {
    moonRig rig;
    rig.startTrials();
    playerCar &car = rig.world.car;
    rig.putCar(40.5, 20.5, heading::plusY);
    car.headlightsOn = false;
    rig.runScript();
    level &seven = rig.seven;
    EXPECT_EQ(seven.groundGrid[0][0], 88);
    EXPECT_EQ(seven.groundGrid[79][79], 88);
    EXPECT_TRUE(rig.homeCopy(39).visible);
    EXPECT_FALSE(rig.homeCopy(0).visible);
    car.headlightsOn = true;
    rig.runScript();
    EXPECT_EQ(seven.groundGrid[0][0], 0);
    EXPECT_TRUE(rig.homeCopy(0).visible);

    setState(rig.world, 0, 2); // the flash has reached the moon
    rig.runScript();
    EXPECT_EQ(rig.seven.moonPhase, 4);
    rig.runScript();
    EXPECT_EQ(rig.seven.moonPhase, 5);
    EXPECT_EQ(car.battery, 13);
}

TEST(LevelSeven, LeavingClearsTheSandAndASecondVisitStrikesWhereTheFirstDid) {
    moonRig rig;
    rig.startTrials();
    rig.seven.moonPhase = 5;
    playerCar &car = rig.world.car;
    rig.putCar(40.5, 20.5, heading::plusY); // out of the strikes' reach
    car.headlightsOn = false;
    rig.runScript(20);
    EXPECT_EQ(rig.seven.groundGrid[5][5], 88);
    const double firstStrikeY = rig.seven.strikeY[0];
    EXPECT_NE(firstStrikeY, 29.5);

    car.headlightsOn = true;
    rig.runScript();                 // back to dirt, lights on: the side exits are open again
    rig.seven.groundGrid[5][5] = 88; // a patch of sand left behind must go too
    rig.driveTo(1.5, 40.5, heading::minusX);
    ASSERT_EQ(rig.levels.current, 6);
    EXPECT_EQ(rig.seven.groundGrid[5][5], 0);
    EXPECT_EQ(rig.seven.moonPhase, 0);
    for (int32_t i = 0; i < 8; i++) {
        EXPECT_DOUBLE_EQ(rig.seven.strikeX[i], 40.5);
        EXPECT_DOUBLE_EQ(rig.seven.strikeY[i], 29.5 + i);
    }
}
