#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <vector>

#include "levelTestSupport.h"
#include "levels/loadLevelObjects.h"
#include "levels/tileCodes.h"

using enum objectKind;

namespace {

struct numberedTile {
    int32_t group;
    objectKind kind;
    int32_t x;
    int32_t y;

    bool operator==(const numberedTile &) const = default;
};

std::ostream &operator<<(std::ostream &out, const numberedTile &tile) {
    return out << "group " << tile.group << " kind " << kindIndex(tile.kind) << " at (" << tile.x << ", "
               << tile.y << ")";
}

// A run of consecutive groups of one kind, each a step further than the one before.
struct objectRun {
    int32_t firstGroup;
    int32_t lastGroup;
    objectKind kind;
    int32_t x;
    int32_t y;
    int32_t stepX;
    int32_t stepY;
};

objectRun one(int32_t group, objectKind kind, int32_t x, int32_t y) {
    return {group, group, kind, x, y, 0, 0};
}
// Groups first … last on column x from yFirst on.
objectRun down(int32_t first, int32_t last, objectKind kind, int32_t x, int32_t yFirst, int32_t step) {
    return {first, last, kind, x, yFirst, 0, step};
}
// Groups first … last on row y from xFirst on.
objectRun across(int32_t first, int32_t last, objectKind kind, int32_t y, int32_t xFirst, int32_t step) {
    return {first, last, kind, xFirst, y, step, 0};
}

std::vector<numberedTile> expand(const std::vector<objectRun> &runs) {
    std::vector<numberedTile> tiles;
    for (const objectRun &run : runs) {
        for (int32_t i = 0; run.firstGroup + i <= run.lastGroup; i++) {
            tiles.push_back({run.firstGroup + i, run.kind, run.x + i * run.stepX, run.y + i * run.stepY});
        }
    }
    return tiles;
}

// The numbering of a level load: every object tile of the grid in x-major scan order, all
// kinds sharing one counter; the start tile places no object and takes no number.
std::vector<numberedTile> numberObjectTiles(const level &lvl) {
    std::vector<numberedTile> tiles;
    for (int32_t x = 0; x < levelGridSize; x++) {
        for (int32_t y = 0; y < levelGridSize; y++) {
            if (const std::optional<objectKind> kind = kindOfGridCode(lvl.objectGrid[x][y])) {
                tiles.push_back({static_cast<int32_t>(tiles.size()), *kind, x, y});
            }
        }
    }
    return tiles;
}

// clang-format off
std::vector<objectRun> levelFourGroups() {
    // Groups 16 … 42, repeated as 43 … 69 thirteen columns further on.
    const std::vector<objectRun> repeated = {
        one(16, ashTree, 11, 8), one(17, ashTree, 11, 32), one(18, ashTree, 12, 6), one(19, ashTree, 12, 10),
        one(20, ashTree, 12, 30), one(21, ashTree, 12, 34), one(22, ashTree, 13, 4),
        one(23, ashTree, 13, 12), one(24, tree, 13, 20), one(25, ashTree, 13, 28), one(26, ashTree, 13, 36),
        one(27, ashTree, 14, 6), one(28, ashTree, 14, 10), one(29, ashTree, 14, 30),
        one(30, ashTree, 14, 34), one(31, ashTree, 15, 8), one(32, gLight, 15, 20), one(33, ashTree, 15, 32),
        one(34, gLight, 17, 20), one(35, ashTree, 18, 20), one(36, ashTree, 19, 19), one(37, gLight, 19, 20),
        one(38, ashTree, 19, 21), one(39, statue, 19, 39), one(40, ashTree, 20, 20), one(41, gLight, 21, 20),
        one(42, gLight, 23, 20)};
    std::vector<objectRun> runs = {
        one(0, ashTree, 0, 6), one(1, ashTree, 0, 10), one(2, ashTree, 0, 30), one(3, ashTree, 0, 34),
        one(4, ashTree, 1, 8), one(5, ashTree, 1, 32), one(6, gLight, 2, 20), one(7, gLight, 4, 20),
        one(8, ashTree, 5, 20), one(9, ashTree, 6, 19), one(10, gLight, 6, 20), one(11, ashTree, 6, 21),
        one(12, statue, 6, 39), one(13, ashTree, 7, 20), one(14, gLight, 8, 20), one(15, gLight, 10, 20)};
    runs.insert(runs.end(), repeated.begin(), repeated.end());
    for (objectRun run : repeated) {
        run.firstGroup += 27;
        run.lastGroup += 27;
        run.x += 13;
        runs.push_back(run);
    }
    const std::vector<objectRun> last = {
        one(70, ashTree, 37, 8), one(71, ashTree, 37, 32), one(72, ashTree, 38, 6), one(73, ashTree, 38, 10),
        one(74, ashTree, 38, 30), one(75, ashTree, 38, 34), one(76, ashTree, 39, 4),
        one(77, ashTree, 39, 12), one(78, tree, 39, 20), one(79, ashTree, 39, 28), one(80, ashTree, 39, 36)};
    runs.insert(runs.end(), last.begin(), last.end());
    return runs;
}

std::vector<objectRun> expectedGroups(int32_t index) {
    switch (index) {
    case 0:
        return {one(0, car, 14, 15)};
    case 1:
        return {one(0, butterfly, 33, 3)};
    case 2:
        return {
            down(0, 7, lamp, 2, 0, 5), one(8, butterfly, 4, 2), one(9, butterfly, 4, 8),
            one(10, butterfly, 4, 21), one(11, butterfly, 4, 37), one(12, butterfly, 5, 16),
            one(13, butterfly, 5, 35), one(14, butterfly, 6, 29), one(15, butterfly, 7, 11),
            one(16, butterfly, 7, 25), one(17, butterfly, 8, 5), one(18, butterfly, 8, 19),
            one(19, stop, 9, 25), down(20, 27, lamp, 10, 0, 5), one(28, butterfly, 12, 25)};
    case 3:
        return {
            one(0, lamp, 7, 40), one(1, lamp, 7, 53), one(2, lamp, 11, 36), one(3, lamp, 11, 57),
            one(4, lamp, 14, 43), one(5, lamp, 14, 49), down(6, 10, lamp, 15, 0, 5), one(11, lamp, 15, 26),
            one(12, lamp, 15, 32), one(13, lamp, 18, 39), one(14, butterfly, 18, 45),
            one(15, butterfly, 18, 47), one(16, lamp, 18, 53), one(17, tree, 19, 46), one(18, lamp, 20, 39),
            one(19, butterfly, 20, 46), one(20, lamp, 20, 53), down(21, 25, lamp, 23, 0, 5),
            one(26, lamp, 23, 26), one(27, lamp, 23, 32), one(28, lamp, 24, 43), one(29, lamp, 24, 49),
            one(30, lamp, 27, 36), one(31, lamp, 27, 57), one(32, lamp, 31, 40), one(33, lamp, 31, 53)};
    case 4:
        return levelFourGroups();
    case 5:
        return {
            across(0, 17, gLight, 20, 0, 2), down(18, 21, lamp, 36, 0, 5), one(22, tree, 36, 20),
            down(23, 33, lamp, 36, 25, 5), down(34, 37, lamp, 44, 0, 5), one(38, tree, 44, 20),
            one(39, lamp, 44, 25), one(40, roadSign, 44, 30), down(41, 49, lamp, 44, 35, 5),
            across(50, 66, gLight, 20, 46, 2)};
    case 6:
        return {
            down(0, 6, lamp, 36, 0, 5), one(7, tree, 36, 35), down(8, 15, lamp, 36, 40, 5),
            down(16, 22, lamp, 44, 0, 5), one(23, tree, 44, 35), one(24, lamp, 44, 40),
            one(25, roadSign, 44, 45), down(26, 31, lamp, 44, 50, 5)};
    case 7:
        return {
            one(0, moon, 40, 39), across(1, 6, flame, 39, 45, 1), down(7, 9, lightning, 51, 38, 1),
            one(10, lightning, 52, 36), one(11, lightning, 52, 37), one(12, lightning, 52, 41),
            one(13, lightning, 52, 42), one(14, lightning, 53, 34), one(15, lightning, 53, 44),
            one(16, lightning, 55, 33), one(17, lightning, 55, 45), one(18, lightning, 56, 33),
            one(19, lightning, 56, 45), one(20, lightning, 57, 32), one(21, lightning, 57, 46),
            one(22, lightning, 58, 32), one(23, lightning, 58, 46), one(24, lightning, 59, 32),
            one(25, lightning, 59, 46), one(26, lightning, 60, 33), one(27, lightning, 60, 45),
            one(28, lightning, 61, 33), one(29, lightning, 61, 45), one(30, lightning, 63, 34),
            one(31, lightning, 63, 44), one(32, lightning, 64, 36), one(33, lightning, 64, 37),
            one(34, lightning, 64, 41), one(35, lightning, 64, 42), down(36, 38, lightning, 65, 38, 1),
            one(39, statue, 66, 29), one(40, flame, 68, 37), one(41, flame, 68, 41), one(42, flame, 71, 35),
            one(43, tree, 71, 39), one(44, flame, 71, 43), one(45, flame, 74, 37), one(46, flame, 74, 41)};
    case 8:
        return {
            one(0, tree, 32, 5), one(1, tree, 32, 70), down(2, 17, lamp, 36, 0, 5),
            one(18, ghostCar, 37, 52), one(19, ghostCar, 43, 57), down(20, 35, lamp, 44, 0, 5),
            down(36, 43, butterfly, 45, 5, 10), one(44, statue, 47, 11)};
    case 9:
        return {
            one(0, butterfly, 35, 39), one(1, butterfly, 35, 43), one(2, statue, 36, 32),
            one(3, butterfly, 37, 36), one(4, butterfly, 37, 46), one(5, butterfly, 40, 35),
            one(6, flame, 40, 41), one(7, butterfly, 40, 46), one(8, butterfly, 43, 36),
            one(9, butterfly, 43, 46), one(10, statue, 44, 49), one(11, butterfly, 45, 39),
            one(12, butterfly, 45, 43)};
    case 10:
        return {
            down(0, 1, lamp, 19, 35, 5), down(2, 3, lamp, 24, 35, 5), one(4, statue, 33, 9),
            one(5, butterfly, 34, 6), down(6, 9, lamp, 36, 0, 5), down(10, 14, gLight, 36, 19, 4),
            down(15, 19, gLight, 36, 40, 4), down(20, 23, lamp, 36, 60, 5), down(24, 27, lamp, 44, 0, 5),
            down(28, 32, gLight, 44, 19, 4), down(33, 37, gLight, 44, 40, 4), down(38, 41, lamp, 44, 60, 5),
            down(42, 43, lamp, 55, 35, 5), down(44, 45, lamp, 60, 35, 5), one(46, flame, 79, 79)};
    case 11:
        return {
            down(0, 15, lamp, 36, 0, 5), down(16, 20, ghostCar, 39, 64, 1),
            down(21, 25, ghostCar, 41, 64, 1), down(26, 41, lamp, 44, 0, 5)};
    case 12:
        return {
            one(0, lamp, 32, 41), one(1, lamp, 32, 59), one(2, butterfly, 33, 41), one(3, butterfly, 33, 59),
            down(4, 7, lamp, 36, 5, 10), down(8, 9, lamp, 36, 65, 10), one(10, flame, 40, 50),
            down(11, 14, lamp, 44, 5, 10), down(15, 16, lamp, 44, 65, 10), one(17, butterfly, 47, 41),
            one(18, butterfly, 47, 59), one(19, lamp, 48, 41), one(20, lamp, 48, 59)};
    case 13:
        return {
            one(0, statue, 33, 5), one(1, lamp, 33, 24), one(2, gLight, 35, 24), down(3, 4, lamp, 36, 0, 5),
            down(5, 12, lamp, 36, 40, 5), one(13, gLight, 37, 24), one(14, gLight, 39, 24),
            one(15, lamp, 40, 17), down(16, 18, gLight, 40, 19, 2), one(19, flame, 40, 24),
            down(20, 22, gLight, 40, 25, 2), one(23, lamp, 40, 31), one(24, gLight, 41, 24),
            one(25, gLight, 43, 24), down(26, 27, lamp, 44, 0, 5), down(28, 35, lamp, 44, 40, 5),
            one(36, gLight, 45, 24), one(37, lamp, 47, 24), one(38, tree, 48, 40)};
    case 14:
        return {
            one(0, lamp, 7, 9), one(1, lamp, 7, 20), one(2, lamp, 7, 50), one(3, lamp, 7, 61),
            one(4, lamp, 15, 5), one(5, lamp, 15, 16), one(6, lamp, 15, 46), one(7, lamp, 15, 57),
            one(8, lamp, 23, 1), one(9, lamp, 23, 12), one(10, lamp, 23, 42), one(11, lamp, 23, 53),
            one(12, lamp, 31, 8), one(13, lamp, 31, 38), one(14, lamp, 31, 49), one(15, lamp, 31, 77),
            one(16, statue, 32, 55), down(17, 23, lamp, 36, 5, 5), one(24, lamp, 36, 46),
            one(25, lamp, 36, 50), down(26, 29, lamp, 36, 55, 5), one(30, lamp, 36, 74),
            one(31, butterfly, 37, 37), one(32, butterfly, 37, 40), one(33, butterfly, 39, 34),
            one(34, butterfly, 39, 43), one(35, flame, 41, 39), one(36, butterfly, 42, 34),
            one(37, butterfly, 42, 43), one(38, lamp, 44, 2), one(39, lamp, 44, 5),
            down(40, 44, lamp, 44, 10, 5), one(45, butterfly, 44, 36), one(46, butterfly, 44, 39),
            one(47, lamp, 44, 42), one(48, lamp, 44, 46), one(49, lamp, 44, 50),
            down(50, 53, lamp, 44, 55, 5), one(54, ghostCar, 45, 34), one(55, lamp, 47, 0),
            one(56, lamp, 47, 29), one(57, ghostCar, 47, 37), one(58, lamp, 47, 40), one(59, lamp, 47, 69),
            one(60, tree, 49, 48), one(61, ghostCar, 51, 31), one(62, lamp, 55, 25), one(63, lamp, 55, 36),
            one(64, lamp, 55, 66), one(65, lamp, 55, 77), one(66, ghostCar, 56, 32), one(67, lamp, 63, 21),
            one(68, ghostCar, 63, 26), one(69, lamp, 63, 32), one(70, lamp, 63, 62), one(71, lamp, 63, 73),
            one(72, ghostCar, 67, 27), one(73, lamp, 71, 17), one(74, lamp, 71, 28), one(75, lamp, 71, 58),
            one(76, lamp, 71, 69), one(77, lamp, 79, 13), one(78, lamp, 79, 24), one(79, lamp, 79, 54),
            one(80, lamp, 79, 65)};
    case 15:
        return {
            one(0, lamp, 7, 50), one(1, lamp, 7, 61), one(2, lamp, 15, 46), one(3, lamp, 15, 57),
            one(4, lamp, 23, 42), one(5, lamp, 23, 53), one(6, lamp, 26, 41), one(7, lamp, 27, 60),
            one(8, gLight, 29, 60), one(9, lamp, 31, 41), one(10, gLight, 31, 54), one(11, gLight, 31, 65),
            one(12, gLight, 34, 51), one(13, gLight, 34, 68), one(14, lamp, 36, 41), one(15, lamp, 39, 47),
            one(16, gLight, 39, 49), one(17, tree, 39, 60), one(18, gLight, 39, 70), one(19, lamp, 39, 72),
            one(20, flame, 40, 60), one(21, lamp, 41, 78), one(22, gLight, 44, 51), one(23, gLight, 44, 68),
            one(24, lamp, 46, 78), one(25, gLight, 47, 54), one(26, gLight, 47, 65), one(27, gLight, 49, 60),
            one(28, lamp, 51, 60), one(29, lamp, 51, 78), one(30, lamp, 55, 66), one(31, lamp, 55, 77),
            one(32, lamp, 63, 62), one(33, lamp, 63, 73), one(34, lamp, 71, 58), one(35, lamp, 71, 69),
            one(36, lamp, 79, 54), one(37, lamp, 79, 65), one(38, ashTree, 79, 79)};
    case 16:
        return {
            down(0, 15, lamp, 36, 0, 5), one(16, ghostCar, 38, 20), one(17, ghostCar, 40, 23),
            one(18, ghostCar, 42, 20), down(19, 34, lamp, 44, 0, 5)};
    case 17:
        return {
            one(0, tree, 31, 30), one(1, tree, 31, 48), one(2, ashTree, 32, 30), one(3, ashTree, 32, 48),
            one(4, butterfly, 34, 37), one(5, butterfly, 34, 41), one(6, butterfly, 38, 33),
            one(7, butterfly, 38, 45), one(8, statue, 40, 40), one(9, butterfly, 42, 33),
            one(10, butterfly, 42, 45), one(11, butterfly, 46, 37), one(12, butterfly, 46, 41),
            one(13, tree, 49, 30), one(14, tree, 49, 48), one(15, ashTree, 50, 30), one(16, ashTree, 50, 48),
            one(17, statue, 56, 40), one(18, flame, 79, 79)};
    }
    return {};
}

// How many tiles of each kind every level holds, counted from the layout text on its own so
// that a slip in the group tables above shows up here too.
const std::map<objectKind, int32_t> kindCounts[levelCount] = {
    {{car, 1}},
    {{butterfly, 1}},
    {{lamp, 16}, {butterfly, 12}, {stop, 1}},
    {{lamp, 30}, {butterfly, 3}, {tree, 1}},
    {{ashTree, 60}, {gLight, 15}, {statue, 3}, {tree, 3}},
    {{gLight, 35}, {lamp, 29}, {tree, 2}, {roadSign, 1}},
    {{lamp, 29}, {tree, 2}, {roadSign, 1}},
    {{moon, 1}, {flame, 12}, {lightning, 32}, {statue, 1}, {tree, 1}},
    {{tree, 2}, {lamp, 32}, {ghostCar, 2}, {butterfly, 8}, {statue, 1}},
    {{butterfly, 10}, {statue, 2}, {flame, 1}},
    {{lamp, 24}, {gLight, 20}, {statue, 1}, {butterfly, 1}, {flame, 1}},
    {{lamp, 32}, {ghostCar, 10}},
    {{lamp, 16}, {butterfly, 4}, {flame, 1}},
    {{statue, 1}, {lamp, 24}, {gLight, 12}, {flame, 1}, {tree, 1}},
    {{lamp, 64}, {statue, 1}, {butterfly, 8}, {flame, 1}, {ghostCar, 6}, {tree, 1}},
    {{lamp, 24}, {gLight, 12}, {tree, 1}, {flame, 1}, {ashTree, 1}},
    {{lamp, 32}, {ghostCar, 3}},
    {{tree, 4}, {ashTree, 4}, {butterfly, 8}, {statue, 2}, {flame, 1}},
};
// clang-format on

std::map<objectKind, int32_t> countKinds(const std::vector<numberedTile> &tiles) {
    std::map<objectKind, int32_t> counts;
    for (const numberedTile &tile : tiles) {
        counts[tile.kind]++;
    }
    return counts;
}

} // namespace

TEST(LevelObjects, EveryTileHasItsKindAndGroupNumber) {
    builtLevels built;
    for (int32_t index = 0; index < levelCount; index++) {
        SCOPED_TRACE("level " + std::to_string(index));
        const std::vector<numberedTile> expected = expand(expectedGroups(index));
        const std::vector<numberedTile> actual = numberObjectTiles(built.at(index));
        EXPECT_EQ(countKinds(expected), kindCounts[index]) << "the test's own tables disagree";
        EXPECT_EQ(countKinds(actual), kindCounts[index]);
        ASSERT_EQ(actual.size(), expected.size());
        for (size_t i = 0; i < expected.size(); i++) {
            EXPECT_EQ(actual[i], expected[i]);
            EXPECT_EQ(groupOnTile(built.at(index), {expected[i].x, expected[i].y}), expected[i].group);
        }
    }
}

TEST(LevelObjects, OnlyLevelOneHasAStartTile) {
    builtLevels built;
    for (int32_t index = 0; index < levelCount; index++) {
        int32_t startTiles = 0;
        for (int32_t x = 0; x < levelGridSize; x++) {
            for (int32_t y = 0; y < levelGridSize; y++) {
                startTiles += built.at(index).objectGrid[x][y] == objectCode::startTile;
            }
        }
        EXPECT_EQ(startTiles, index == 1 ? 1 : 0) << "level " << index;
    }
    EXPECT_EQ(built.at(1).objectGrid[30][17], objectCode::startTile);
}

TEST(LevelObjects, LevelFourStatuesShareTheCounterWithEveryOtherKind) {
    builtLevels built;
    std::vector<int32_t> statueGroups;
    for (const numberedTile &tile : numberObjectTiles(built.at(4))) {
        if (tile.kind == statue) {
            statueGroups.push_back(tile.group);
        }
    }
    EXPECT_EQ(statueGroups, (std::vector<int32_t>{12, 39, 66}));
}
