#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "levelTestSupport.h"
#include "levels/tileCodes.h"

namespace {

struct rowRun {
    int32_t yFirst;
    int32_t yLast;
    int32_t value;
};

// Columns xFirst … xLast all hold the same runs; every cell not listed is bare ground.
struct columnCells {
    int32_t xFirst;
    int32_t xLast;
    std::vector<rowRun> runs;
};

using groundLayout = std::vector<columnCells>;

struct groundGrid {
    int32_t cells[levelGridSize][levelGridSize] = {};
};

void paint(groundGrid &grid, const groundLayout &layout) {
    for (const columnCells &columns : layout) {
        for (int32_t x = columns.xFirst; x <= columns.xLast; x++) {
            for (const rowRun &run : columns.runs) {
                for (int32_t y = run.yFirst; y <= run.yLast; y++) {
                    grid.cells[x][y] = run.value;
                }
            }
        }
    }
}

// The diagonal road's column rule: an opening piece on row r, eight rows of road, a closing
// piece on row r + 9, rows taken round the 80-tile world.
void paintDiagonalColumn(groundGrid &grid, int32_t x, int32_t r) {
    const bool even = x % 2 == 0;
    for (int32_t i = 0; i <= 9; i++) {
        int32_t value = 1;
        if (i == 0) {
            value = even ? 34 : 55;
        } else if (i == 9) {
            value = even ? 17 : 47;
        }
        grid.cells[x][((r + i) % 80 + 80) % 80] = value;
    }
}

groundLayout straightRoad(int32_t x, int32_t side) {
    const int32_t last = side - 1;
    return {{x, x, {{0, last, 5}}},
            {x + 1, x + 1, {{0, last, 1}}},
            {x + 2, x + 2, {{0, last, 10}}},
            {x + 3, x + 3, {{0, last, 1}}},
            {x + 4, x + 4, {{0, last, 4}}}};
}

// clang-format off
const groundLayout levelThreeCells = {
    {8, 8, {{41, 41, 32}, {42, 50, 1}, {51, 51, 72}}},
    {9, 9, {{40, 40, 32}, {41, 51, 1}, {52, 52, 72}}},
    {10, 10, {{39, 39, 32}, {40, 52, 1}, {53, 53, 72}}},
    {11, 11, {{38, 38, 32}, {39, 53, 1}, {54, 54, 72}}},
    {12, 12, {{37, 37, 32}, {38, 54, 1}, {55, 55, 72}}},
    {13, 13, {{36, 36, 32}, {37, 42, 1}, {43, 43, 15}, {49, 49, 65}, {50, 55, 1}, {56, 56, 72}}},
    {14, 14, {{35, 35, 32}, {36, 41, 1}, {42, 42, 15}, {50, 50, 65}, {51, 56, 1}, {57, 57, 72}}},
    {15, 15, {{34, 34, 32}, {35, 40, 1}, {41, 41, 15}, {51, 51, 65}, {52, 57, 1}, {58, 58, 72}}},
    {16, 16, {{33, 33, 32}, {34, 39, 1}, {40, 40, 15}, {52, 52, 65}, {53, 58, 1}, {59, 59, 72}}},
    {17, 17, {{0, 33, 5}, {34, 38, 1}, {39, 39, 15}, {53, 53, 65}, {54, 59, 1}}},
    {18, 18, {{0, 37, 1}, {38, 38, 15}, {54, 54, 65}, {55, 59, 1}}},
    {19, 19, {{0, 0, 7}, {1, 2, 10}, {3, 3, 6}, {4, 4, 7}, {5, 27, 10}, {28, 28, 6}, {29, 29, 7},
              {30, 31, 10}, {32, 32, 6}, {33, 33, 7}, {34, 35, 10}, {36, 36, 6}, {37, 37, 1}, {55, 55, 1},
              {56, 56, 7}, {57, 58, 10}, {59, 59, 6}}},
    {20, 20, {{0, 37, 1}, {38, 38, 72}, {54, 54, 32}, {55, 59, 1}}},
    {21, 21, {{0, 32, 4}, {33, 38, 1}, {39, 39, 72}, {53, 53, 32}, {54, 59, 1}}},
    {22, 22, {{33, 33, 65}, {34, 39, 1}, {40, 40, 72}, {52, 52, 32}, {53, 58, 1}, {59, 59, 15}}},
    {23, 23, {{34, 34, 65}, {35, 40, 1}, {41, 41, 72}, {51, 51, 32}, {52, 57, 1}, {58, 58, 15}}},
    {24, 24, {{35, 35, 65}, {36, 41, 1}, {42, 42, 72}, {50, 50, 32}, {51, 56, 1}, {57, 57, 15}}},
    {25, 25, {{36, 36, 65}, {37, 42, 1}, {43, 43, 72}, {49, 49, 32}, {50, 55, 1}, {56, 56, 15}}},
    {26, 26, {{37, 37, 65}, {38, 54, 1}, {55, 55, 15}}},
    {27, 27, {{38, 38, 65}, {39, 53, 1}, {54, 54, 15}}},
    {28, 28, {{39, 39, 65}, {40, 52, 1}, {53, 53, 15}}},
    {29, 29, {{40, 40, 65}, {41, 51, 1}, {52, 52, 15}}},
    {30, 30, {{41, 41, 65}, {42, 50, 1}, {51, 51, 15}}},
};

const groundLayout levelNineCells = {
    {38, 38, {{0, 30, 5}, {31, 31, 72}, {50, 50, 32}, {51, 79, 5}}},
    {39, 39, {{0, 31, 1}, {32, 32, 72}, {49, 49, 32}, {50, 79, 1}}},
    {40, 40, {{0, 22, 10}, {23, 23, 6}, {24, 24, 7}, {25, 26, 10}, {27, 27, 6}, {28, 28, 7}, {29, 30, 10},
              {31, 31, 6}, {32, 32, 1}, {49, 49, 1}, {50, 50, 7}, {51, 52, 10}, {53, 53, 6}, {54, 54, 7},
              {55, 56, 10}, {57, 57, 6}, {58, 58, 7}, {59, 79, 10}}},
    {41, 41, {{0, 31, 1}, {32, 32, 15}, {49, 49, 65}, {50, 79, 1}}},
    {42, 42, {{0, 30, 4}, {31, 31, 15}, {50, 50, 65}, {51, 79, 4}}},
};

const groundLayout levelTenCells = {
    {19, 19, {{36, 36, 32}, {37, 38, 1}, {39, 39, 72}}},
    {20, 20, {{35, 35, 32}, {36, 39, 1}, {40, 40, 72}}},
    {21, 22, {{35, 40, 1}}},
    {23, 23, {{35, 35, 65}, {36, 39, 1}, {40, 40, 15}}},
    {24, 24, {{36, 36, 65}, {37, 38, 1}, {39, 39, 15}}},
    {38, 38, {{0, 20, 5}, {21, 21, 72}, {55, 55, 32}, {56, 79, 5}}},
    {39, 39, {{0, 21, 1}, {22, 22, 72}, {54, 54, 32}, {55, 79, 1}}},
    {40, 40, {{0, 12, 10}, {13, 13, 6}, {14, 14, 7}, {15, 16, 10}, {17, 17, 6}, {18, 18, 7}, {19, 20, 10},
              {21, 21, 6}, {22, 22, 1}, {54, 54, 1}, {55, 55, 7}, {56, 57, 10}, {58, 58, 6}, {59, 59, 7},
              {60, 61, 10}, {62, 62, 6}, {63, 63, 7}, {64, 79, 10}}},
    {41, 41, {{0, 21, 1}, {22, 22, 15}, {54, 54, 65}, {55, 79, 1}}},
    {42, 42, {{0, 20, 4}, {21, 21, 15}, {55, 55, 65}, {56, 79, 4}}},
    {55, 55, {{36, 36, 32}, {37, 38, 1}, {39, 39, 72}}},
    {56, 56, {{35, 35, 32}, {36, 39, 1}, {40, 40, 72}}},
    {57, 58, {{35, 40, 1}}},
    {59, 59, {{35, 35, 65}, {36, 39, 1}, {40, 40, 15}}},
    {60, 60, {{36, 36, 65}, {37, 38, 1}, {39, 39, 15}}},
};

const groundLayout levelTwelveCells = {
    {38, 38, {{0, 42, 5}, {43, 43, 72}, {57, 57, 32}, {58, 79, 5}}},
    {39, 39, {{0, 43, 1}, {44, 44, 72}, {56, 56, 32}, {57, 79, 1}}},
    {40, 40, {{0, 34, 10}, {35, 35, 6}, {36, 36, 7}, {37, 38, 10}, {39, 39, 6}, {40, 40, 7}, {41, 42, 10},
              {43, 43, 6}, {44, 44, 1}, {56, 56, 1}, {57, 57, 6}, {58, 59, 10}, {60, 60, 6}, {61, 61, 7},
              {62, 63, 10}, {64, 64, 6}, {65, 65, 7}, {66, 79, 10}}},
    {41, 41, {{0, 43, 1}, {44, 44, 15}, {56, 56, 65}, {57, 79, 1}}},
    {42, 42, {{0, 42, 4}, {43, 43, 15}, {57, 57, 65}, {58, 79, 4}}},
};

const groundLayout levelThirteenCells = {
    {38, 38, {{0, 14, 5}, {15, 15, 72}, {33, 33, 32}, {34, 79, 5}}},
    {39, 39, {{0, 15, 1}, {16, 16, 72}, {32, 32, 32}, {33, 79, 1}}},
    {40, 40, {{0, 6, 10}, {7, 7, 6}, {8, 8, 7}, {9, 10, 10}, {11, 11, 6}, {12, 12, 7}, {13, 14, 10},
              {15, 15, 6}, {16, 16, 1}, {32, 32, 1}, {33, 33, 7}, {34, 35, 10}, {36, 36, 6}, {37, 37, 7},
              {38, 39, 10}, {40, 40, 6}, {41, 41, 7}, {42, 79, 10}}},
    {41, 41, {{0, 15, 1}, {16, 16, 15}, {32, 32, 65}, {33, 79, 1}}},
    {42, 42, {{0, 14, 4}, {15, 15, 15}, {33, 33, 65}, {34, 79, 4}}},
};

const groundLayout levelFourteenCrossing = {
    {38, 38, {{0, 4, 1}, {5, 35, 5}, {36, 45, 1}, {46, 74, 5}, {75, 79, 1}}},
    {39, 39, {{0, 79, 1}}},
    {40, 40, {{0, 0, 6}, {1, 1, 7}, {2, 34, 10}, {35, 35, 6}, {36, 36, 7}, {37, 37, 6}, {38, 38, 7},
              {39, 39, 6}, {40, 40, 7}, {41, 41, 6}, {42, 42, 7}, {43, 73, 10}, {74, 74, 6}, {75, 75, 7},
              {76, 76, 6}, {77, 77, 7}, {78, 78, 6}, {79, 79, 7}}},
    {41, 41, {{0, 79, 1}}},
    {42, 42, {{0, 2, 1}, {3, 31, 4}, {32, 41, 1}, {42, 72, 4}, {73, 79, 1}}},
};

const groundLayout levelFifteenStretches = {
    {24, 24, {{43, 43, 2}, {44, 50, 1}, {51, 51, 17}}},
    {25, 25, {{43, 43, 2}, {44, 50, 1}, {51, 51, 47}}},
    {26, 35, {{43, 43, 2}, {44, 49, 1}, {50, 50, 3}}},
    {36, 36, {{43, 43, 2}, {44, 49, 1}, {50, 50, 3}, {71, 71, 32}, {72, 73, 1}, {74, 74, 72}}},
    {37, 37, {{43, 43, 2}, {44, 49, 1}, {50, 50, 3}, {70, 70, 32}, {71, 74, 1}, {75, 75, 72}}},
    {38, 38, {{43, 43, 2}, {44, 49, 1}, {50, 50, 3}, {69, 69, 32}, {70, 75, 1}, {76, 76, 72}}},
    {39, 39, {{43, 43, 2}, {44, 49, 1}, {50, 50, 3}, {69, 69, 2}, {70, 75, 1}, {76, 76, 3}}},
    {40, 40, {{43, 43, 65}, {44, 49, 1}, {50, 50, 15}, {69, 69, 2}, {70, 75, 1}, {76, 76, 3}}},
    {41, 41, {{44, 44, 65}, {45, 48, 1}, {49, 49, 15}, {69, 69, 2}, {70, 75, 1}, {76, 76, 3}}},
    {42, 42, {{45, 45, 65}, {46, 47, 1}, {48, 48, 15}, {69, 69, 2}, {70, 75, 1}, {76, 76, 3}}},
    {43, 51, {{69, 69, 2}, {70, 75, 1}, {76, 76, 3}}},
    {52, 52, {{68, 68, 34}, {69, 75, 1}, {76, 76, 3}}},
    {53, 53, {{68, 68, 55}, {69, 75, 1}, {76, 76, 3}}},
};
// clang-format on

groundGrid expectedGround(int32_t index) {
    groundGrid grid;
    switch (index) {
    case 2:
        paint(grid, straightRoad(4, 40));
        break;
    case 3:
        paint(grid, levelThreeCells);
        break;
    case 5:
    case 6:
    case 8:
    case 11:
    case 16:
        paint(grid, straightRoad(38, 80));
        break;
    case 9:
        paint(grid, levelNineCells);
        break;
    case 10:
        paint(grid, levelTenCells);
        break;
    case 12:
        paint(grid, levelTwelveCells);
        break;
    case 13:
        paint(grid, levelThirteenCells);
        break;
    case 14:
        for (int32_t x = 0; x <= 37; x++) {
            paintDiagonalColumn(grid, x, 13 - x / 2);
            paintDiagonalColumn(grid, x, 54 - x / 2);
        }
        for (int32_t x = 43; x <= 79; x++) {
            paintDiagonalColumn(grid, x, 14 - x / 2);
            paintDiagonalColumn(grid, x, 53 - x / 2);
        }
        paint(grid, levelFourteenCrossing);
        break;
    case 15:
        for (int32_t x = 0; x <= 23; x++) {
            paintDiagonalColumn(grid, x, 54 - x / 2);
        }
        for (int32_t x = 54; x <= 79; x++) {
            paintDiagonalColumn(grid, x, 14 - x / 2);
        }
        paint(grid, levelFifteenStretches);
        break;
    default:
        break; // bare ground everywhere
    }
    return grid;
}

std::string describeMismatches(const level &lvl, const groundGrid &expected) {
    std::string found;
    int32_t shown = 0;
    for (int32_t x = 0; x < levelGridSize; x++) {
        for (int32_t y = 0; y < levelGridSize; y++) {
            if (lvl.groundGrid[x][y] != expected.cells[x][y] && shown++ < 12) {
                found += " (" + std::to_string(x) + ", " + std::to_string(y) + ") is " +
                         std::to_string(lvl.groundGrid[x][y]) + " not " +
                         std::to_string(expected.cells[x][y]) + ";";
            }
        }
    }
    return found;
}

} // namespace

TEST(LevelGround, EveryCellMatchesTheLayout) {
    builtLevels built;
    for (int32_t index = 0; index < levelCount; index++) {
        const std::unique_ptr<groundGrid> expected = std::make_unique<groundGrid>(expectedGround(index));
        EXPECT_EQ(describeMismatches(built.at(index), *expected), "") << "level " << index;
    }
}

TEST(LevelGrids, SideMusicAndNothingBeyondTheSide) {
    const int32_t sides[levelCount] = {30, 35, 40, 60, 40, 80, 80, 80, 80,
                                       80, 80, 80, 80, 80, 80, 80, 80, 80};
    builtLevels built;
    for (int32_t index = 0; index < levelCount; index++) {
        const level &lvl = built.at(index);
        EXPECT_EQ(lvl.side, sides[index]) << "level " << index;
        EXPECT_EQ(lvl.music, 0) << "level " << index;
        int32_t usedCellsBeyondSide = 0;
        for (int32_t x = 0; x < levelGridSize; x++) {
            for (int32_t y = 0; y < levelGridSize; y++) {
                const bool beyond = x >= lvl.side || y >= lvl.side;
                usedCellsBeyondSide += beyond && (lvl.groundGrid[x][y] != 0 || lvl.objectGrid[x][y] != 0);
            }
        }
        EXPECT_EQ(usedCellsBeyondSide, 0) << "level " << index;
    }
}
