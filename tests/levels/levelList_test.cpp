#include <gtest/gtest.h>

#include <typeinfo>
#include <vector>

#include "levelTestSupport.h"
#include "levels/scriptServices.h"
#include "levels/tileCodes.h"
#include "media/textBox.h"
#include "platform/dataFiles.h"
#include "player/keyboardState.h"

namespace {

// Records what the list asks of it, so that the list's dispatch can be watched.
struct recordingLevel : level {
    int32_t index = 0;
    std::vector<int32_t> *setupLog = nullptr;
    int32_t scriptCalls = 0;
    objectWorld *scriptWorld = nullptr;
    const scriptServices *scriptServicesHanded = nullptr;

    void setup() override { setupLog->push_back(index); }
    void script(objectWorld &world, const scriptServices &services) override {
        scriptCalls++;
        scriptWorld = &world;
        scriptServicesHanded = &services;
    }
};

// Eighteen recording levels linked into a list; large, so built on the heap.
struct recordingList {
    std::vector<int32_t> setupLog;
    recordingLevel levels[levelCount];
    levelList list;

    recordingList() {
        std::array<level *, levelCount> links{};
        for (int32_t i = 0; i < levelCount; i++) {
            levels[i].index = i;
            levels[i].setupLog = &setupLog;
            links[i] = &levels[i];
        }
        list.link(links);
    }
};

} // namespace

TEST(LevelList, StartsAtLevelZeroWithEveryLevelInIndexOrder) {
    builtLevels built;
    EXPECT_EQ(built.list.current, 0);
    EXPECT_EQ(built.list.previous, 0);
    EXPECT_EQ(built.list.startLevel, 0);

    const std::type_info *const expected[levelCount] = {
        &typeid(levelZero),    &typeid(levelOne),      &typeid(levelTwo),      &typeid(levelThree),
        &typeid(levelFour),    &typeid(levelFive),     &typeid(levelSix),      &typeid(levelSeven),
        &typeid(levelEight),   &typeid(levelNine),     &typeid(levelTen),      &typeid(levelEleven),
        &typeid(levelTwelve),  &typeid(levelThirteen), &typeid(levelFourteen), &typeid(levelFifteen),
        &typeid(levelSixteen), &typeid(levelSeventeen)};
    for (int32_t i = 0; i < levelCount; i++) {
        EXPECT_EQ(typeid(built.at(i)), *expected[i]) << "index " << i;
    }
}

TEST(LevelList, ReadsTheCurrentLevelsGrids) {
    builtLevels built;
    built.list.current = 5;
    EXPECT_EQ(built.list.currentSide(), 80);
    EXPECT_EQ(built.list.groundAt(38, 0), groundCode::capLeft);
    EXPECT_EQ(built.list.groundAt(40, 79), groundCode::lineUpDown);
    EXPECT_EQ(built.list.groundAt(0, 0), groundCode::dirt);
    EXPECT_EQ(built.list.objectAt(44, 30), gridCode(objectKind::roadSign));

    // Level 1's world wraps after 35 tiles; its start tile is the only one in the game.
    built.list.current = 1;
    EXPECT_EQ(built.list.currentSide(), 35);
    EXPECT_EQ(built.list.objectAt(30, 17), objectCode::startTile);
    EXPECT_EQ(built.list.groundAt(38, 0), groundCode::dirt);
}

// The objects learn a level's own rules from the record, never from its number.
TEST(LevelList, TellsTheObjectsTheRulesOfTheLevelMadeCurrent) {
    builtLevels built;
    levelInPlay record;
    for (int32_t index = 0; index < levelCount; index++) {
        built.list.makeCurrent(index, record);
        EXPECT_EQ(record.index, index);
        EXPECT_EQ(record.treesAreWalls, index == moonLevel) << "level " << index;
        EXPECT_EQ(record.flashRevealsHiddenButterflies, index == 17) << "level " << index;
    }
}

TEST(LevelList, RunsOnlyTheCurrentLevelsScriptWithTheGivenWorld) {
    const auto recording = std::make_unique<recordingList>();
    recording->list.current = 7;
    recording->list.previous = 3;
    alignas(16) unsigned char worldStorage[16];
    objectWorld &world = *reinterpret_cast<objectWorld *>(worldStorage); // never dereferenced
    textBox text;
    dataFiles files;
    gameFlags flags;
    const keyboardState keyboard;
    const scriptServices services{text, files, flags, keyboard};

    recording->list.runLevelScript(world, services);
    recording->list.runLevelScript(world, services);

    for (int32_t i = 0; i < levelCount; i++) {
        EXPECT_EQ(recording->levels[i].scriptCalls, i == 7 ? 2 : 0) << "level " << i;
    }
    EXPECT_EQ(recording->levels[7].scriptWorld, &world);
    EXPECT_EQ(recording->levels[7].scriptServicesHanded, &services);
}

TEST(LevelList, ResetSetsUpEveryLevelOnceInIndexOrder) {
    const auto recording = std::make_unique<recordingList>();
    recording->list.resetLevels();
    std::vector<int32_t> expected;
    for (int32_t i = 0; i < levelCount; i++) {
        expected.push_back(i);
    }
    EXPECT_EQ(recording->setupLog, expected);
}

TEST(LevelList, ResetUndoesWhatScriptsChanged) {
    builtLevels built;
    level &nine = built.at(9);
    level &seventeen = built.at(17);
    nine.groundGrid[40][45] = groundCode::sand;
    nine.groundGrid[38][0] = groundCode::sand;
    nine.music = 2;
    seventeen.groundGrid[10][10] = groundCode::sand;
    seventeen.objectGrid[79][79] = objectCode::none;

    built.list.resetLevels();

    EXPECT_EQ(nine.groundGrid[40][45], groundCode::dirt);
    EXPECT_EQ(nine.groundGrid[38][0], groundCode::capLeft);
    EXPECT_EQ(nine.music, 0);
    EXPECT_EQ(seventeen.groundGrid[10][10], groundCode::dirt);
    EXPECT_EQ(seventeen.objectGrid[79][79], gridCode(objectKind::flame));
}
