// The flames won from their levels' entries by input tracks, through the whole game as the
// replay tool plays it: each flag set and the game saved at once.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "levels/trackedRun.h"
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

TEST(FlameRoutesReplay, FourthSwitchIsSetFromTheCommandLine) {
    const temporaryFolder folder;
    const replayResult open =
        runReplay("--frames 1 --level 6 --fourth 0 --state 1 --data-dir " + folder.path());
    ASSERT_EQ(open.lines.size(), 1u);
    EXPECT_NE(open.lines[0].find(R"("fourth": false)"), std::string::npos);
    EXPECT_EQ(runReplay("--frames 1 --fourth 2").exitCode, 2);
}

namespace {

// Lights off on level 16's road lead into the dark of level 17, beside its second statue. With
// the lights on, the lit face, the car rolls up beside that statue to read its hint; then, once
// round the world for each, it stands to flash the hidden butterflies awake two at a time, the
// last pair from where it has backed up to, and with all eight shown flashes the keeper and
// drives through its dust to the flame.
constexpr const char *seventeenTrack = R"(3 e down
4 e up
35 e down
36 e up
# up to the second statue, fast through its near ring, braking to stand beside it
37-82 w
83-93 s
# round to the pair at x = 34.5
173-786 w
349-461 d
462-575 a
828 space down
829 space up
# round to the pair at x = 46.5
916-1501 w
1119-1196 a
1197-1275 d
1543 space down
1544 space up
# round to the pair beyond the keeper's place
1631-2235 w
1834-1891 d
1892-1950 a
2277 space down
2278 space up
# back to the pair before it
2365-2542 s
2575 space down
2576 space up
# up to the keeper
2663-2722 w
2755 space down
2756 space up
2883-2990 w
)";

bool flaming(int red, int green, int blue) {
    return red > 150 && green < 120 && blue < 80;
}

} // namespace

// Level 17's puzzle: in the dark every butterfly shows and nothing comes of it; in the light
// the ground is dirt, the butterflies hide and the second statue gives its hint; the flash
// wakes them, and with all eight shown in the light the keeper stands in the dark face's
// place again, to be killed for the flame.
TEST(FlameRoutesReplay, LevelSeventeenPuzzlePlayedToTheSixthFlame) {
    const temporaryFolder folder;
    const trackedRun run =
        playTrack(folder,
                  "--level 16 --pose 55.4,43.7,270 --shot 2754:" + folder.file("keeper.png") +
                      " --shot 2960:" + folder.file("flame.png"),
                  seventeenTrack, 2990, {35, 36, 127, 2581, 2583, 2990});
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    EXPECT_EQ(run.field(35, "level"), "17");
    EXPECT_EQ(run.field(35, "groundTile"), "88");
    EXPECT_EQ(run.field(35, "music"), "2"); // all eight in sight in the dark
    EXPECT_EQ(run.field(35, "stage"), "1");
    EXPECT_EQ(run.field(36, "groundTile"), "0");
    EXPECT_EQ(run.field(36, "music"), "1"); // none in sight in the light
    EXPECT_NE(run.at(127).find(R"("message": "he hides beneath the e key")"), std::string::npos);
    EXPECT_EQ(run.field(2581, "stage"), "1"); // seven woken, the last flash just going off
    EXPECT_EQ(run.field(2583, "stage"), "3");
    EXPECT_EQ(run.field(2990, "progressFlags"), "\"000001\"");
    EXPECT_EQ(run.saved, "2000001");
    EXPECT_EQ(pixelsIn(folder.file("keeper.png"), 64, 230, 576, 290, flaming), 0);
    EXPECT_GT(pixelsIn(folder.file("flame.png"), 64, 230, 576, 290, flaming), 500);
}
