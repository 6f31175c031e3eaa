#include <gtest/gtest.h>

#include <algorithm>

#include "levels/loadLevelObjects.h"
#include "levels/tileCodes.h"
#include "scriptRig.h"

namespace {

// A level the tests draw their own object grid into.
class scratchLevel : public level {
  public:
    int scriptRuns = 0;
    void setup() override {
        side = 80;
        for (auto &column : objectGrid) {
            std::fill(std::begin(column), std::end(column), 0);
        }
    }
    void script(objectWorld &, const scriptServices &) override { scriptRuns++; }
};

struct scratchRig : scriptRig {
    scratchLevel scratch;
    scratchRig() {
        scratch.setup();
        levels.levels[17] = &scratch;
    }
    void load(bool moveCar = true) { loadLevelObjects(levels, moveCar, 17, world, services); }
};

} // namespace

TEST(LevelPopulation, NineCopiesOfATileOneSideApartOnlyTheHomeOneOnTheMap) {
    scratchRig rig;
    rig.scratch.objectGrid[3][4] = gridCode(objectKind::lamp);
    rig.load();
    ASSERT_EQ(rig.placedCount(objectKind::lamp), 9);
    std::vector<std::pair<double, double>> positions;
    for (int i = 0; i < 9; i++) {
        basicObj &copy = *rig.world.objects[i];
        EXPECT_EQ(copy.groupId, 0);
        EXPECT_EQ(copy.objectId, i); // consecutive ids; the fifth is the home copy
        positions.emplace_back(copy.x, copy.y);
        copy.testHomeSquare(80);
        EXPECT_EQ(copy.onMap, i == 4) << i;
    }
    EXPECT_EQ(positions.front(), std::make_pair(-76.5, -75.5));
    EXPECT_EQ(positions[4], std::make_pair(3.5, 4.5));
    EXPECT_EQ(positions.back(), std::make_pair(83.5, 84.5));
    EXPECT_EQ(rig.scratch.scriptRuns, 1); // the new level's script set up what was placed
    EXPECT_EQ(rig.levels.current, 17);
}

TEST(LevelPopulation, AShortageOfObjectsKeepsLaterGroupNumbers) {
    scratchRig rig;
    for (int y = 0; y < 11; y++) {
        rig.scratch.objectGrid[5][y] = gridCode(objectKind::statue); // one more tile than there are statues
    }
    rig.scratch.objectGrid[6][0] = gridCode(objectKind::lamp);
    rig.load();
    EXPECT_EQ(rig.placedCount(objectKind::statue), 90);
    const basicObj *lampCopy = rig.firstPlaced(objectKind::lamp);
    EXPECT_EQ(lampCopy->groupId, 11);
    EXPECT_EQ(lampCopy->objectId, 99);
    // A script names the groups by their tiles as the load numbered them, placed or not.
    EXPECT_EQ(groupOnTile(rig.scratch, {5, 10}), 10);
    EXPECT_EQ(groupOnTile(rig.scratch, {6, 0}), 11);
    EXPECT_EQ(groupOnTile(rig.scratch, {6 - 80, 80}), 11); // a tile wraps as in setup()
    EXPECT_EQ(groupOnTile(rig.scratch, {6, 1}), -1);
}

TEST(LevelPopulation, OnlyTheFirstStartTileMovesTheCarAndOnlyWhenAsked) {
    scratchRig rig;
    rig.scratch.objectGrid[7][2] = objectCode::startTile;
    rig.scratch.objectGrid[3][60] = objectCode::startTile; // first in x-major order
    rig.scratch.objectGrid[9][9] = gridCode(objectKind::stop);
    rig.load();
    EXPECT_DOUBLE_EQ(rig.world.car.x, 3.5);
    EXPECT_DOUBLE_EQ(rig.world.car.y, 60.5);
    EXPECT_EQ(rig.firstPlaced(objectKind::stop)->groupId, 0); // start tiles take no group number

    rig.world.car.x = 11.0;
    rig.load(false);
    EXPECT_DOUBLE_EQ(rig.world.car.x, 11.0);
}

TEST(LevelPopulation, ALoadClearsTheLastLevelAndRemembersIt) {
    scriptRig rig;
    loadLevelObjects(rig.levels, true, 8, rig.world, rig.services);
    EXPECT_GT(rig.placedCount(objectKind::lamp), 0);
    rig.world.sprites.records[5].visible = true;
    loadLevelObjects(rig.levels, true, 7, rig.world, rig.services);
    EXPECT_EQ(rig.levels.previous, 8);
    EXPECT_EQ(rig.placedCount(objectKind::lamp), 0);
    EXPECT_EQ(rig.placedCount(objectKind::moon), 9);
    EXPECT_FALSE(rig.world.sprites.records[5].visible);
    loadLevelObjects(rig.levels, true, 18, rig.world, rig.services); // no such level: nothing happens
    EXPECT_EQ(rig.levels.current, 7);
}
