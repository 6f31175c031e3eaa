// Stages of the flame routes played by input tracks: level 13 played again once won, level
// 14's race and its long road home, level 16's ghosts put to rest, respawned and ramming, and
// its dark road on.
#include <gtest/gtest.h>

#include "levels/trackedRun.h"

namespace {

// The racers' cold blue.
bool ghostly(int red, int green, int blue) {
    return blue > 150 && green > 110 && red < 110 && blue > red + 60;
}

} // namespace

// Standing on the diagonal road, facing down it, the car flashes each racer as it passes the
// beam (two at once the first time); then it drives down the road: over the left edge of the
// world, round the world once (crossing that edge again higher up, on the other road) and
// over it a second time on the same road.
TEST(RouteStagesReplay, LevelFourteenRaceIsTakenAndTheLongRoadLeadsOn) {
    const temporaryFolder folder;
    const trackedRun run =
        playTrack(folder,
                  "--level 14 --pose 25,46.75,26.565 --shot 30:" + folder.file("road.png") +
                      " --shot 58:" + folder.file("race.png"),
                  "57 space down\n58 space up\n344 space down\n345 space up\n624 space down\n625 space up\n"
                  "904 space down\n905 space up\n1267 space down\n1268 space up\n1300-2100 w\n",
                  2100, {63, 64, 1273, 1274, 1275, 1501, 1502, 1506, 1800, 2098, 2099});
    ASSERT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.field(63, "music"), "1");
    EXPECT_EQ(run.field(64, "music"), "2"); // the first racers are out
    EXPECT_EQ(run.field(1273, "stage"), "1");
    EXPECT_EQ(run.field(1274, "stage"), "2"); // the sixth
    EXPECT_EQ(run.field(1275, "stage"), "3");
    EXPECT_EQ(run.field(1501, "stage"), "3");
    EXPECT_EQ(run.field(1502, "stage"), "4"); // over the edge at y = 59
    EXPECT_EQ(run.field(1506, "stage"), "5");
    EXPECT_LT(std::stod(run.field(1800, "x")), 1); // over the edge at y = 19: not the way home
    EXPECT_EQ(run.field(1800, "stage"), "5");
    EXPECT_EQ(run.field(2098, "level"), "14");
    EXPECT_EQ(run.field(2099, "level"), "15");
    // The racers pass the standing car and race on ahead of it.
    EXPECT_EQ(pixelsIn(folder.file("road.png"), 64, 150, 576, 300, ghostly), 0);
    EXPECT_GT(pixelsIn(folder.file("race.png"), 64, 150, 576, 300, ghostly), 800);
}

// Facing the three ghosts coming up the road, one flash puts them all to rest; backed into the
// road's second half, the car sees them come again, and the middle one rams it. Lights off,
// the road leads on to level 17, which opens in the dark on sand and turns to dirt when they go
// on again.
TEST(RouteStagesReplay, LevelSixteenGhostsComeBackAndTheDarkLeadsOn) {
    const temporaryFolder folder;
    const trackedRun run = playTrack(folder, "--level 16 --pose 40.5,34.5,270 --objects",
                                     "84 space down\n85 space up\n160-250 s\n560 e down\n561 e up\n"
                                     "600 e down\n601 e up\n",
                                     640, {89, 90, 121, 233, 234, 505, 506, 560, 561, 563, 640});
    ASSERT_EQ(run.exitCode, 0);
    const auto modes = [&](int pass) {
        std::string found;
        for (const int group : {16, 17, 18}) {
            const std::string &line = run.at(pass);
            const size_t at = line.find(R"("kind": "ghostCar", "group": )" + std::to_string(group));
            const size_t mode = line.find(R"("mode": ")", at) + 9;
            found += line.substr(mode, line.find('"', mode) - mode) + " ";
        }
        return found;
    };
    EXPECT_EQ(modes(89), "straight straight straight ");
    EXPECT_EQ(modes(90), "dead dead dead ");
    EXPECT_EQ(modes(121), "none none none ");
    EXPECT_EQ(modes(233), "none none none "); // the car is not yet on the second half
    EXPECT_EQ(modes(234), "spawnStraight spawnStraight spawnStraight ");
    EXPECT_EQ(run.field(505, "battery"), "12");
    EXPECT_EQ(run.field(506, "battery"), "9");
    EXPECT_EQ(modes(506), "straight dead straight ");
    EXPECT_EQ(run.field(560, "level"), "16");
    EXPECT_EQ(run.field(561, "level"), "17");
    EXPECT_EQ(run.field(561, "groundTile"), "88");
    EXPECT_EQ(run.field(563, "stage"), "1"); // every butterfly in sight, but in the dark
    EXPECT_EQ(run.field(640, "headlightsOn"), "true");
    EXPECT_EQ(run.field(640, "groundTile"), "0");
}

// With the fourth flame already won, the cross still turns and can be held again for the flame.
TEST(RouteStagesReplay, LevelThirteenPlaysItsCrossAgainOnceWon) {
    const temporaryFolder folder;
    const trackedRun run =
        playTrack(folder, "--level 13 --flags 000100 --pose 38.7,11,90",
                  "1250 space down\n1251 space up\n1300-1434 w\n", 1434, {1256, 1257, 1434});
    EXPECT_EQ(run.field(1256, "stage"), "1");
    EXPECT_EQ(run.field(1257, "stage"), "2");
    EXPECT_EQ(run.field(1434, "stage"), "3");
    EXPECT_EQ(run.saved, "2000100");
}

// Beside level 14's white tree, one flash spent is enough for its recharge, and the recharge
// gives the race up: back to the crossroads.
TEST(RouteStagesReplay, LevelFourteenTreeSendsTheCarBackToTheCrossroads) {
    const temporaryFolder folder;
    const trackedRun run =
        playTrack(folder, "--level 14 --pose 49.5,45.5,90", "10 space down\n11 space up\n", 11, {10, 11});
    EXPECT_EQ(run.field(10, "level"), "14");
    EXPECT_EQ(run.field(11, "level"), "6");
    EXPECT_EQ(run.field(11, "battery"), "13"); // the flash's unit given back at once
}
