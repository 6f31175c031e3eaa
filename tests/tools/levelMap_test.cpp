#include <gtest/gtest.h>

#include <SDL_image.h>

#include "levels/levelList.h"
#include "replayRun.h"
#include "support/sdlTestEnvironment.h"

namespace {

const int levelSides[levelCount] = {30, 35, 40, 60, 40, 80, 80, 80, 80, 80, 80, 80, 80, 80, 80, 80, 80, 80};

} // namespace

// Every level's map is drawn, a cell per tile, with its roads in the road's colours.
TEST(LevelMap, EveryLevelIsDrawnCellByCell) {
    const temporaryFolder folder;
    for (int level = 0; level < levelCount; level++) {
        const std::string path = folder.file("map" + std::to_string(level) + ".png");
        const replayResult result = runReplay("--frames 0 --level " + std::to_string(level) + " --map " +
                                              path + " --map-cell 4 --data-dir " + folder.path());
        ASSERT_EQ(result.exitCode, 0) << result.errors;
        SDL_Surface *map = IMG_Load(path.c_str());
        ASSERT_NE(map, nullptr) << level;
        EXPECT_EQ(map->w, levelSides[level] * 4) << level;
        EXPECT_EQ(map->h, levelSides[level] * 4) << level;
        SDL_FreeSurface(map);
    }
}

// Level 5's road runs along y at x = 38 … 42: the map shows it there and dirt beside it.
TEST(LevelMap, ShowsTheRoadWhereTheGridPutsIt) {
    const temporaryFolder folder;
    const std::string path = folder.file("map5.png");
    ASSERT_EQ(runReplay("--frames 0 --level 5 --map " + path + " --data-dir " + folder.path()).exitCode, 0);
    SDL_Surface *map = IMG_Load(path.c_str());
    ASSERT_NE(map, nullptr);
    ASSERT_EQ(map->w, 80 * 64);
    // The middle of the plain-road cell (39, 0) against a dirt cell (10, 0): different ground.
    EXPECT_NE(pixelRgb(map, 39 * 64 + 32, 32), pixelRgb(map, 10 * 64 + 32, 32));
    // The road continues unchanged from one end of the world to the other.
    EXPECT_EQ(pixelRgb(map, 39 * 64 + 32, 32), pixelRgb(map, 39 * 64 + 32, 79 * 64 + 32));
    SDL_FreeSurface(map);
}
