#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <sys/stat.h>
#include <unistd.h>

#include "levels/saveGame.h"
#include "levels/scriptBlocks.h"
#include "platform/dataFiles.h"
#include "scriptRig.h"
#include "support/sdlTestEnvironment.h"

namespace {

constexpr double quarterTurn = std::numbers::pi / 2;

std::string lettersOf(const textArea &area) {
    std::string text;
    for (const textLetter &letter : area.letters) {
        text += letter.isEmpty() ? "" : letter.letter;
    }
    return text;
}

// Whole sides apart, as the nine copies of one tile are.
bool sidesApart(double a, double b, int32_t side) {
    const double sides = (a - b) / side;
    return std::abs(sides - std::round(sides)) < 1e-9;
}

} // namespace

TEST(ScriptBlocks, BoxBoundsBelongToTheSpanOnlyWhenTheCallSaysSo) {
    scriptRig rig;
    rig.putCar(36, 40, heading::plusY);
    EXPECT_TRUE(carInBox(rig.world.car, inclusive(36, 44), inclusive(38, 40)));
    EXPECT_FALSE(carInBox(rig.world.car, strict(36, 44), inclusive(38, 40)));
    EXPECT_FALSE(carInBox(rig.world.car, inclusive(36, 44), aboveUpTo(40, 42)));
    EXPECT_TRUE(carInBox(rig.world.car, inclusive(36, 44), fromUnder(40, 42)));
    rig.putCar(44, 42, heading::plusY);
    EXPECT_TRUE(carInBox(rig.world.car, fromUnder(36, 44.01), aboveUpTo(40, 42)));
    EXPECT_FALSE(carInBox(rig.world.car, fromUnder(36, 44), aboveUpTo(40, 42)));
    // Both axes must hold.
    EXPECT_FALSE(carInBox(rig.world.car, inclusive(36, 44), inclusive(0, 2)));
}

TEST(ScriptBlocks, GroupChangesReachEveryCopyOfTheirGroupAndNoOther) {
    scriptRig rig;
    rig.placeTile(objectKind::lamp, 4, 10.5, 10.5);
    rig.placeTile(objectKind::lamp, 5, 12.5, 10.5);

    setFrame(rig.world, 4, 3);
    hide(rig.world, 4);
    EXPECT_TRUE(
        allCopies(rig, 4, [](const basicObj &o) { return !o.visible && !o.emitsLight && o.frame == 3; }));
    EXPECT_TRUE(allCopies(rig, 5, [](const basicObj &o) { return o.visible; }));

    light(rig.world, 4);
    EXPECT_TRUE(
        allCopies(rig, 4, [](const basicObj &o) { return o.visible && o.emitsLight && o.frame == 1; }));

    const basicObj &lamp = rig.homeCopy(4);
    shiftBy(rig.world, 4, 1, 2);
    EXPECT_DOUBLE_EQ(lamp.x, 11.5);
    EXPECT_DOUBLE_EQ(lamp.homeX, 10.5);
    moveHomeBy(rig.world, 4, -1, 0);
    EXPECT_DOUBLE_EQ(lamp.x, 11.5);
    EXPECT_DOUBLE_EQ(lamp.homeX, 9.5);
    moveBy(rig.world, 4, 0, -2);
    EXPECT_DOUBLE_EQ(lamp.y, 10.5);
    EXPECT_DOUBLE_EQ(lamp.homeY, 8.5);

    EXPECT_TRUE(allCopies(rig, 5, [](const basicObj &o) {
        return o.mode == objectMode::none && o.frame == 3 && o.x == o.homeX;
    }));
}

TEST(ScriptBlocks, OrbitTurnsEachGroupOnceAndKeepsItsNineCopiesTogether) {
    scriptRig rig;
    const int32_t side = rig.levels.currentSide();
    rig.placeTile(objectKind::butterfly, 0, 12.5, 10.5);
    rig.placeTile(objectKind::butterfly, 1, 10.5, 14.5);
    rig.placeTile(objectKind::lamp, 2, 11.5, 10.5);
    rig.markHomeSquare();
    const worldPoint centre{10.5, 10.5};

    orbitKind(rig.world, objectKind::butterfly, centre, quarterTurn, orbitPoint::home);
    // A quarter turn takes (+2, 0) to (0, +2) and (0, +4) to (−4, 0).
    EXPECT_NEAR(rig.homeCopy(0).homeX, 10.5, 1e-9);
    EXPECT_NEAR(rig.homeCopy(0).homeY, 12.5, 1e-9);
    EXPECT_NEAR(rig.homeCopy(1).homeX, 6.5, 1e-9);
    EXPECT_NEAR(rig.homeCopy(1).homeY, 10.5, 1e-9);
    EXPECT_DOUBLE_EQ(rig.homeCopy(0).x, 12.5); // the home turned, not the butterfly
    EXPECT_DOUBLE_EQ(rig.homeCopy(2).homeX, 11.5);
    for (const int32_t group : {0, 1}) {
        const basicObj &home = rig.homeCopy(group);
        EXPECT_TRUE(allCopies(rig, group,
                              [&](const basicObj &o) {
                                  return sidesApart(o.homeX, home.homeX, side) &&
                                         sidesApart(o.homeY, home.homeY, side);
                              }))
            << "group " << group;
    }

    orbitGroup(rig.world, 0, centre, -quarterTurn, orbitPoint::position);
    EXPECT_NEAR(rig.homeCopy(0).x, 10.5, 1e-9);
    EXPECT_NEAR(rig.homeCopy(0).y, 8.5, 1e-9);
    EXPECT_DOUBLE_EQ(rig.homeCopy(1).x, 10.5);
    const basicObj &home = rig.homeCopy(0);
    EXPECT_TRUE(allCopies(rig, 0, [&](const basicObj &o) {
        return sidesApart(o.x, home.x, side) && sidesApart(o.y, home.y, side);
    }));
}

TEST(ScriptBlocks, GroupsTurnedTogetherEndWhereEachTurnedAloneWouldAndNoOtherMoves) {
    // Groups 3 … 6, their slots interleaved with group 7's; group 6 is never placed, and
    // group 4's copies are all in the moon (frame 29).
    const auto lay = [](scriptRig &rig) {
        rig.placeTile(objectKind::flame, 3, 12.5, 10.5);
        rig.placeTile(objectKind::flame, 7, 20.5, 20.5);
        rig.placeTile(objectKind::flame, 4, 10.5, 14.5);
        rig.placeTile(objectKind::flame, 5, 8.5, 9.5);
        rig.markHomeSquare();
        setFrame(rig.world, 4, 29);
    };
    const auto angleOf = [](int32_t group) { return 0.01 + 0.005 * group; };
    const worldPoint centre{10.5, 10.5};
    scriptRig alone, together;
    lay(alone);
    lay(together);
    for (const int32_t group : groups(3, 6)) {
        orbitGroup(alone.world, group, centre, angleOf(group), orbitPoint::position);
    }
    orbitGroups(together.world, objectKind::flame, groups(3, 6), centre, angleOf, orbitPoint::position);
    for (int32_t slot = 0; slot < objectCount; slot++) {
        const basicObj &a = *alone.world.objects[slot];
        const basicObj &b = *together.world.objects[slot];
        ASSERT_TRUE(a.x == b.x && a.y == b.y && a.homeX == b.homeX && a.homeY == b.homeY) << "slot " << slot;
    }
    EXPECT_NE(together.homeCopy(4).x, 10.5);
    EXPECT_DOUBLE_EQ(together.homeCopy(7).x, 20.5);

    // Only copies not yet in the moon count: group 4 has none and is left where it is.
    const groupCopies found = findGroups(together.world, objectKind::flame, groups(3, 6),
                                         [](const basicObj &copy) { return copy.frame < 29; });
    EXPECT_EQ(found.first[0], &together.homeCopy(3));
    EXPECT_EQ(found.first[1], nullptr);
    EXPECT_EQ(found.first[3], nullptr);
    const double inMoonX = together.homeCopy(4).x;
    objectChange steps[mostGroupsAtOnce];
    for (objectChange &step : steps) {
        step = {.shiftX = 1, .frame = 29};
    }
    changeGroups(together.world, found, steps);
    EXPECT_DOUBLE_EQ(together.homeCopy(4).x, inMoonX);
    EXPECT_TRUE(allCopies(together, 3, [](const basicObj &o) { return o.frame == 29; }));
    EXPECT_TRUE(allCopies(together, 7, [](const basicObj &o) { return o.frame != 29 && o.x == o.homeX; }));
}

TEST(ScriptBlocks, LampCountTakesBurningLampsInSightOncePerTile) {
    scriptRig rig;
    rig.placeTile(objectKind::lamp, 0, 3.5, 3.5);
    rig.placeTile(objectKind::lamp, 1, 5.5, 3.5);
    rig.placeTile(objectKind::lamp, 2, 7.5, 3.5);
    rig.placeTile(objectKind::lamp, 3, 9.5, 3.5);
    rig.markHomeSquare();
    EXPECT_EQ(litLampCount(rig.world), 4);

    setFrame(rig.world, 1, 1); // put out
    hide(rig.world, 2);        // still burning, but out of sight
    EXPECT_EQ(litLampCount(rig.world), 2);
}

TEST(ScriptBlocks, StatueLineShowsOnceWhileReadAndFadesWhenTheReadingEnds) {
    scriptRig rig;
    rig.placeTile(objectKind::statue, 0, 5.5, 5.5);
    bool shown = false;
    EXPECT_FALSE(statueMessage(rig.world, rig.text, "the line", shown));
    EXPECT_FALSE(shown);
    EXPECT_EQ(rig.messageOnScreen(), "");

    setMode(rig.world, 0, objectMode::trigger);
    EXPECT_TRUE(statueMessage(rig.world, rig.text, "the line", shown));
    EXPECT_TRUE(shown);
    EXPECT_EQ(rig.messageOnScreen(), "the line");
    EXPECT_FALSE(statueMessage(rig.world, rig.text, "the line", shown)); // not shown twice
    EXPECT_EQ(rig.messageOnScreen(), "the line");

    setMode(rig.world, 0, objectMode::end);
    statueMessage(rig.world, rig.text, "the line", shown);
    EXPECT_FALSE(shown);
    EXPECT_TRUE(rig.messageFading());

    // Withdrawn by hand, for a stretch in which the statue says nothing.
    setMode(rig.world, 0, objectMode::trigger);
    EXPECT_TRUE(statueMessage(rig.world, rig.text, "the line", shown));
    withdrawMessage(rig.text, shown);
    EXPECT_FALSE(shown);
    EXPECT_TRUE(rig.messageFading());
}

TEST(ScriptBlocks, EachOfTwoStatuesSpeaksOnlyItsOwnLine) {
    scriptRig rig;
    rig.placeTile(objectKind::statue, 8, 5.5, 5.5);
    rig.placeTile(objectKind::statue, 17, 15.5, 5.5);
    bool shown = false;
    setMode(rig.world, 17, objectMode::trigger);
    EXPECT_FALSE(statueMessage(rig.world, rig.text, 8, "first", shown)) << "the other statue is read";
    EXPECT_TRUE(statueMessage(rig.world, rig.text, 17, "second", shown));
    EXPECT_EQ(rig.messageOnScreen(), "second");

    // The other statue's end leaves the line; its own end fades it.
    setMode(rig.world, 8, objectMode::end);
    statueMessage(rig.world, rig.text, 17, "second", shown);
    EXPECT_TRUE(shown);
    setMode(rig.world, 17, objectMode::end);
    statueMessage(rig.world, rig.text, 17, "second", shown);
    EXPECT_FALSE(shown);
    EXPECT_TRUE(rig.messageFading());
    setMode(rig.world, 8, objectMode::trigger);
    EXPECT_FALSE(statueMessage(rig.world, rig.text, -1, "nobody", shown)) << "no group, no speaker";
}

TEST(ScriptBlocks, SideExitsOpenOnlyAfterTheCentreAndLeadToTheMoonLevel) {
    scriptRig rig;
    rig.enterLevel(8);
    const level &eight = *rig.levels.levels[8];
    int32_t armed = 0;

    rig.putCar(1.5, 40, heading::minusX);
    EXPECT_EQ(leaveSideways(rig.world, rig.services, eight, armed), levelExit::stayed);
    rig.putCar(20, 40, heading::minusX); // the centre's bounds are strict
    EXPECT_EQ(leaveSideways(rig.world, rig.services, eight, armed), levelExit::stayed);
    EXPECT_EQ(armed, 0);
    rig.putCar(20.5, 59.5, heading::minusX);
    EXPECT_EQ(leaveSideways(rig.world, rig.services, eight, armed), levelExit::stayed);
    EXPECT_EQ(armed, 1);

    rig.putCar(1.5, 40, heading::plusX); // at the edge but heading back in
    EXPECT_EQ(leaveSideways(rig.world, rig.services, eight, armed), levelExit::stayed);
    rig.putCar(2.5, 40, heading::minusX);
    EXPECT_EQ(leaveSideways(rig.world, rig.services, eight, armed), levelExit::stayed);
    EXPECT_EQ(rig.levels.current, 8);

    rig.putCar(2, 40, heading::minusX);
    EXPECT_EQ(leaveSideways(rig.world, rig.services, eight, armed), levelExit::left);
    EXPECT_EQ(rig.levels.current, moonLevel);
    EXPECT_EQ(rig.levels.previous, 8);

    rig.enterLevel(8);
    rig.putCar(78.5, 10, heading::plusX);
    EXPECT_EQ(leaveSideways(rig.world, rig.services, eight, armed), levelExit::left);
    EXPECT_EQ(rig.levels.current, moonLevel);
}

TEST(ScriptBlocks, TakingAFlameWinsItsFlagRestoresTheCarAndSavesAtOnce) {
    scriptRig rig;
    rig.enterLevel(9);
    level &flameLevel = *rig.levels.levels[9];
    flameLevel.music = 3;
    rig.placeTile(objectKind::flame, 6, 40.5, 41.5);
    playerCar &car = rig.world.car;
    car.battery = 2;
    car.headlightsOn = false;
    car.cockpit.whiteFrame = 35;

    pickUpFlame(rig.world, rig.services, flameLevel, 0, 6);
    EXPECT_TRUE(car.progressFlags[0]);
    EXPECT_FALSE(car.progressFlags[1]);
    EXPECT_TRUE(allCopies(rig, 6, [](const basicObj &o) { return o.frame == 29; }));
    EXPECT_EQ(car.cockpit.whiteFrame, 0);
    EXPECT_EQ(car.battery, 13);
    EXPECT_TRUE(car.headlightsOn);
    EXPECT_EQ(flameLevel.music, 0);
    EXPECT_EQ(readWholeFile(rig.files.gameSavePath).substr(0, 7), "2100000");

    // The level that silences its music a frame later takes the flame without it.
    flameLevel.music = 3;
    takeFlame(rig.world, rig.services, 3, 6);
    EXPECT_EQ(flameLevel.music, 3);
    EXPECT_EQ(readWholeFile(rig.files.gameSavePath).substr(0, 7), "2100100");
}

// A flame won while the saved game cannot be written stays won, the player reads why on
// screen for a few seconds, and the next save writes it.
TEST(ScriptBlocks, AFlameThatCannotBeSavedStaysWonIsToldAndSavedLater) {
    scriptRig rig;
    const dataFiles &files = rig.files;
    ASSERT_EQ(mkdir(files.gameSavePath.c_str(), 0755), 0); // a folder where the file belongs
    rig.enterLevel(9);
    rig.placeTile(objectKind::flame, 6, 40.5, 41.5);

    testing::internal::CaptureStderr();
    takeFlame(rig.world, rig.services, 0, 6);
    EXPECT_NE(testing::internal::GetCapturedStderr().find("could not save"), std::string::npos);
    EXPECT_TRUE(rig.world.car.progressFlags[0]);
    EXPECT_EQ(lettersOf(rig.text.hint), "could not save");
    rig.text.updateHint();
    EXPECT_FALSE(rig.text.hintFinished);
    for (int pass = 0; pass < 360; pass++) {
        rig.text.updateHint();
    }
    EXPECT_TRUE(rig.text.hintFinished);

    rmdir(files.gameSavePath.c_str());
    testing::internal::CaptureStderr();
    EXPECT_TRUE(saveDisplaySettings(rig.services));
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(readWholeFile(files.gameSavePath), "2100000");
}
