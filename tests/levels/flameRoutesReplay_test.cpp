// The flames won from their levels' entries by input tracks, through the whole game as the
// replay tool plays it: each flag set and the game saved at once.
#include <gtest/gtest.h>

#include <SDL_image.h>

#include <filesystem>
#include <string>

#include "support/sdlTestEnvironment.h"
#include "tools/replayRun.h"

namespace {

struct routeRun {
    std::string last;  // the state line after the last pass
    std::string saved; // game.sav afterwards ("" when none was written)
};

// Plays a track from the entry of a level, the car standing at a pose.
routeRun playRoute(const temporaryFolder &folder, const std::string &start, const std::string &track,
                   int passes) {
    writeWholeFile(folder.file("track"), track);
    const replayResult result =
        runReplay("--frames " + std::to_string(passes) + " " + start + " --state " + std::to_string(passes) +
                  " --input " + folder.file("track") + " --data-dir " + folder.path());
    EXPECT_EQ(result.exitCode, 0) << result.errors;
    routeRun run;
    run.last = result.lines.empty() ? "" : result.lines.back();
    run.saved =
        std::filesystem::exists(folder.file("game.sav")) ? readWholeFile(folder.file("game.sav")) : "";
    return run;
}

} // namespace

TEST(FlameRoutesReplay, LevelNineFlameIsTakenAndSavedAndStaysTaken) {
    const temporaryFolder folder;
    const routeRun won = playRoute(folder, "--level 9 --pose 40.5,36.5,90", "1-60 w\n", 60);
    EXPECT_EQ(jsonField(won.last, "progressFlags"), "\"100000\"");
    EXPECT_EQ(won.saved, "2100000");
    EXPECT_EQ(jsonField(won.last, "music"), "0");

    // Come back with the flame won: it is not there to take again.
    const temporaryFolder again;
    const replayResult entry =
        runReplay("--frames 1 --level 9 --flags 100000 --objects --state 1 --data-dir " + again.path());
    ASSERT_EQ(entry.lines.size(), 1u);
    EXPECT_EQ(entry.lines[0].find(
                  R"("kind": "flame", "group": 6, "id": 58, "x": 40.5, "y": 41.5, "visible": true)"),
              std::string::npos);
    EXPECT_NE(entry.lines[0].find(
                  R"("kind": "flame", "group": 6, "id": 58, "x": 40.5, "y": 41.5, "visible": false)"),
              std::string::npos);
}

// Through the left line of the gap, on through the right one, back into the low block, and
// forwards to the flame where the lines met, all along y = 38.5.
TEST(FlameRoutesReplay, LevelTenLightLinesBowOutCloseInAndGiveUpTheFlame) {
    const temporaryFolder folder;
    const routeRun run =
        playRoute(folder, "--level 10 --pose 30,38.5,180", "1-165 w\n166-560 s\n561-800 w\n", 800);
    EXPECT_EQ(jsonField(run.last, "progressFlags"), "\"010000\"");
    EXPECT_EQ(run.saved, "2010000");
}

// Eight laps of the world through the gate at the start of the road, and one more to leave.
TEST(FlameRoutesReplay, LevelElevenLapsLeadOnToLevelTwelve) {
    const temporaryFolder folder;
    const routeRun run = playRoute(folder, "--level 11 --pose 40.5,30,90", "1-3600 w\n", 3600);
    EXPECT_EQ(jsonField(run.last, "level"), "12");
}

// Round the gap in one wide circle steering right, stopping to flash each dark corner lamp
// alight (the flash fires only at a standstill); the last one brings the flame. A curve left
// and back right then sets the car heading -y at x = 39.6, and it drives on round the world
// (not across the side edges, which leave the level) and through the flame.
TEST(FlameRoutesReplay, LevelTwelveCornerLampsLitBringTheFlameToTake) {
    const temporaryFolder folder;
    const routeRun run = playRoute(folder, "--level 12 --pose 40.5,41.5,0",
                                   "1-851 d\n"
                                   "1-150 w\n182 space down\n183 space up\n"
                                   "260-372 w\n410 space down\n411 space up\n"
                                   "486-621 w\n653 space down\n654 space up\n"
                                   "731-839 w\n878 space down\n879 space up\n"
                                   "952-1170 a\n955-1420 w\n1171-1243 d\n",
                                   1420);
    EXPECT_EQ(jsonField(run.last, "progressFlags"), "\"001000\"");
    EXPECT_EQ(run.saved, "2001000");
}

// The cross turns back into shape every 1257 frames; lighting a lamp then holds it there.
TEST(FlameRoutesReplay, LevelThirteenCrossHeldInShapeGivesUpTheFlame) {
    const temporaryFolder folder;
    const routeRun run = playRoute(folder, "--level 13 --pose 38.7,11,90",
                                   "1250 space down\n1251 space up\n1300-1500 w\n", 1500);
    EXPECT_EQ(jsonField(run.last, "progressFlags"), "\"000100\"");
    EXPECT_EQ(run.saved, "2000100");
}

// Lights off on the road of level 16; in the dark of level 17, lights on, the keeper killed
// by the flash, and the flame followed as it glides off.
TEST(FlameRoutesReplay, LevelSixteenInTheDarkLeadsToTheSixthFlame) {
    const temporaryFolder folder;
    const routeRun run =
        playRoute(folder, "--level 16 --pose 39,34.5,90",
                  "3 e down\n4 e up\n40 e down\n41 e up\n60 space down\n61 space up\n100-260 w\n", 260);
    EXPECT_EQ(jsonField(run.last, "level"), "17");
    EXPECT_EQ(jsonField(run.last, "progressFlags"), "\"000001\"");
    EXPECT_EQ(run.saved, "2000001");
}

TEST(FlameRoutesReplay, FourthSwitchIsSetFromTheCommandLine) {
    const temporaryFolder folder;
    const replayResult open =
        runReplay("--frames 1 --level 6 --fourth 0 --state 1 --data-dir " + folder.path());
    ASSERT_EQ(open.lines.size(), 1u);
    EXPECT_NE(open.lines[0].find(R"("fourth": false)"), std::string::npos);
    EXPECT_EQ(runReplay("--frames 1 --fourth 2").exitCode, 2);
}

namespace {

// Pixels of the flame's warm orange in the band just above the horizon of the view.
int flamePixels(const std::string &path) {
    SDL_Surface *shot = IMG_Load(path.c_str());
    if (shot == nullptr) {
        return -1;
    }
    int count = 0;
    for (int y = 230; y < 290; y++) {
        for (int x = 64; x < 576; x++) {
            const Uint32 rgb = pixelRgb(shot, x, y);
            const int r = rgb >> 16, g = (rgb >> 8) & 0xFF, b = rgb & 0xFF;
            count += r > 150 && g < 120 && b < 80;
        }
    }
    SDL_FreeSurface(shot);
    return count;
}

} // namespace

// The sixth flame, seen: nothing burns before the keeper is killed; after, the flame glows
// beyond it on the sand.
TEST(FlameRoutesReplay, LevelSeventeenFlameBurnsOnTheSandOnceTheKeeperIsKilled) {
    const temporaryFolder folder;
    writeWholeFile(folder.file("track"),
                   "3 e down\n4 e up\n40 e down\n41 e up\n60 space down\n61 space up\n");
    const replayResult result =
        runReplay("--frames 95 --level 16 --pose 39,34.5,90 --input " + folder.file("track") +
                  " --shot 58:" + folder.file("before.png") + " --shot 95:" + folder.file("flame.png") +
                  " --data-dir " + folder.path());
    ASSERT_EQ(result.exitCode, 0) << result.errors;
    EXPECT_EQ(flamePixels(folder.file("before.png")), 0);
    EXPECT_GT(flamePixels(folder.file("flame.png")), 5);
}
