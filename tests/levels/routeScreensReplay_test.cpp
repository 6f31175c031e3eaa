// What the player sees at the flame routes' moments and on level 5's line of lights, checked by
// reading the pixels of screenshots taken during input tracks.
#include <gtest/gtest.h>

#include "levels/trackedRun.h"

namespace {

bool flaming(int red, int green, int blue) {
    return red > 180 && red > green + 60 && red > blue + 100;
}

// Any ground or object that light reaches.
bool lit(int red, int green, int blue) {
    return red + green + blue > 90;
}

// The keeper's pale blue stone.
bool pale(int red, int green, int blue) {
    return blue > 200 && green > 180 && blue > red + 20;
}

struct shotPair {
    int before;
    int after;
};

// Plays a track and counts flame pixels in the band round the horizon at two passes.
shotPair flamesAt(const std::string &start, const std::string &track, int before, int after) {
    const temporaryFolder folder;
    const trackedRun run =
        playTrack(folder,
                  start + " --shot " + std::to_string(before) + ":" + folder.file("before.png") + " --shot " +
                      std::to_string(after) + ":" + folder.file("after.png"),
                  track, after, {});
    EXPECT_EQ(run.exitCode, 0) << start;
    return {pixelsIn(folder.file("before.png"), 64, 180, 576, 300, flaming),
            pixelsIn(folder.file("after.png"), 64, 180, 576, 300, flaming)};
}

} // namespace

// Each flame burns where the player will take it, once its level's puzzle is solved.
TEST(RouteScreensReplay, EachFlameBurnsBeforeItIsTaken) {
    // Level 9's burns from the start, and is gone once won.
    const shotPair nine = flamesAt("--level 9 --pose 40.5,36.5,90", "", 2, 10);
    EXPECT_GT(nine.after, 200);
    EXPECT_EQ(flamesAt("--level 9 --flags 100000 --pose 40.5,36.5,90", "", 2, 10).after, 0);
    // Level 10's where the two lines met, seen from the road block.
    const shotPair ten = flamesAt("--level 10 --pose 30,38.5,180", "1-165 w\n166-560 s\n561-800 w\n", 2, 660);
    EXPECT_EQ(ten.before, 0);
    EXPECT_GT(ten.after, 100);
    // Level 12's in the gap, once the fourth corner lamp burns.
    const shotPair twelve = flamesAt("--level 12 --pose 40.5,41.5,0",
                                     "1-851 d\n1-150 w\n182 space down\n183 space up\n"
                                     "260-372 w\n410 space down\n411 space up\n"
                                     "486-621 w\n653 space down\n654 space up\n"
                                     "731-839 w\n878 space down\n879 space up\n"
                                     "952-1170 a\n955-1420 w\n1171-1243 d\n",
                                     870, 1380);
    EXPECT_EQ(twelve.before, 0);
    EXPECT_GT(twelve.after, 500);
    // Level 13's at the heart of the cross, held in shape by the lamps.
    const shotPair thirteen =
        flamesAt("--level 13 --pose 38.7,11,90", "1250 space down\n1251 space up\n", 1240, 1295);
    EXPECT_EQ(thirteen.before, 0);
    EXPECT_GT(thirteen.after, 50);
}

// Headlights off, along level 5's line of ground lights and back: ahead, the line burns; turned
// back to look at the stretch driven past, it is dark, and only the far end still burns.
TEST(RouteScreensReplay, LevelFiveLineGoesOutBehindTheCar) {
    const temporaryFolder folder;
    const trackedRun run =
        playTrack(folder,
                  "--level 5 --pose 39.5,11.5,90 --shot 140:" + folder.file("ahead.png") +
                      " --shot 420:" + folder.file("back.png"),
                  "3 e down\n4 e up\n1-185 w\n1-139 a\n225-400 s\n225-400 a\n", 420, {420});
    ASSERT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.field(420, "stage"), "2");
    EXPECT_GT(pixelsIn(folder.file("ahead.png"), 200, 240, 576, 300, lit), 3000);
    EXPECT_LT(pixelsIn(folder.file("back.png"), 200, 240, 576, 300, lit), 100);
    EXPECT_GT(pixelsIn(folder.file("back.png"), 64, 240, 200, 300, lit), 200);
}

// Level 10 in the dark, from beyond the low road block: nothing shows until the car has
// crossed the left line of the gap; backed off, it sees that line bowed out towards the block,
// whose lamps now burn.
TEST(RouteScreensReplay, LevelTenLineBowsOutTowardsTheRoadBlock) {
    const temporaryFolder folder;
    ASSERT_EQ(playTrack(folder, "--level 10 --pose 8.925,38.5,180 --shot 20:" + folder.file("before.png"),
                        "3 e down\n4 e up\n", 20, {})
                  .exitCode,
              0);
    ASSERT_EQ(playTrack(folder, "--level 10 --pose 30,38.5,180 --shot 600:" + folder.file("after.png"),
                        "3 e down\n4 e up\n1-85 w\n110-520 s\n", 600, {})
                  .exitCode,
              0);
    EXPECT_LT(pixelsIn(folder.file("before.png"), 64, 240, 576, 300, lit), 100);
    EXPECT_GT(pixelsIn(folder.file("after.png"), 64, 240, 576, 300, lit), 2000);
}

// Level 17 opens on the sand face: the keeper stands among butterflies and white trees.
TEST(RouteScreensReplay, LevelSeventeenOpensOnTheSandFace) {
    const temporaryFolder folder;
    const trackedRun run = playTrack(folder,
                                     "--level 16 --pose 39,34.5,90 --shot 2:" + folder.file("road.png") +
                                         " --shot 60:" + folder.file("sand.png"),
                                     "3 e down\n4 e up\n", 60, {60});
    ASSERT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.field(60, "level"), "17");
    EXPECT_EQ(run.field(60, "groundTile"), "88");
    EXPECT_EQ(pixelsIn(folder.file("road.png"), 64, 180, 576, 300, pale), 0);
    EXPECT_GT(pixelsIn(folder.file("sand.png"), 64, 180, 576, 300, pale), 300);
}
