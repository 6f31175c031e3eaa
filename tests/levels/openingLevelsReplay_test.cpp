// Levels 2 to 7 played from input tracks by the replay tool, from their entries to their
// exits, with the stage looked at where it matters.
#include <gtest/gtest.h>

#include <map>

#include <SDL_image.h>

#include "levels/trackedRun.h"
#include "support/sdlTestEnvironment.h"
#include "tools/replayRun.h"

namespace {

// The state lines of the passes asked for, after playing `track` for `passes` passes.
struct play {
    const temporaryFolder &folder;
    std::string arguments;
    std::string track;
    int passes;

    std::map<int, std::string> at(std::initializer_list<int> wanted) const {
        const trackedRun run = playTrack(folder, arguments, track, passes, wanted);
        EXPECT_EQ(run.exitCode, 0) << run.errors;
        return run.states;
    }

    std::string last() const { return at({passes})[passes]; }
};

std::string field(const std::string &line, const std::string &key) {
    return jsonField(line, key);
}

// The pixels in the box from (left, top) to (right, bottom), every second column, whose colour
// `counts`; -1 when the picture cannot be read.
template <typename colourTest>
int pixelsIn(const std::string &path, int left, int top, int right, int bottom, colourTest counts) {
    SDL_Surface *shot = IMG_Load(path.c_str());
    if (shot == nullptr) {
        return -1;
    }
    int found = 0;
    for (int y = top; y < bottom; y++) {
        for (int x = left; x < right; x += 2) {
            const Uint32 rgb = pixelRgb(shot, x, y);
            found += counts(rgb >> 16, (rgb >> 8) & 0xFF, rgb & 0xFF);
        }
    }
    SDL_FreeSurface(shot);
    return found;
}

// A burning lamp head: bright and warm. The butterflies that glow over the dark road are a
// cold green and are left out, as are the grey moon and the white trees.
bool burning(Uint32 red, Uint32 green, Uint32 blue) {
    return red + green + blue > 400 && red >= green && red > blue;
}

// The pale white of a grown tree.
bool white(Uint32 red, Uint32 green, Uint32 blue) {
    return red > 170 && green > 170 && blue > 170;
}

// A flame: strongly orange, far from the moon's grey.
bool flaming(Uint32 red, Uint32 green, Uint32 blue) {
    return red > 180 && red > green + 60 && red > blue + 100;
}

// Bright warm pixels just above the horizon, left of where the stop sign stands in the view:
// burning lamp heads, which dim the butterflies away as they light.
int burningLampPixels(const std::string &path) {
    return pixelsIn(path, 40, 200, 500, 245, burning);
}

// From the far end of level 2's road towards the stop sign, round in a wide loop, on across
// the edge of the world and up to the sign again, where the car stands, moves on a little,
// stands again, is held while the lamps light, and then drives on past the sign.
constexpr const char *levelTwoDrive = "1-576 w\n"
                                      "120-422 a\n"
                                      "423-520 d\n"
                                      "577-618 s\n" // stands before the sign from pass 620
                                      "651-655 w\n"
                                      "656-660 s\n"
                                      "761-1000 w\n";

} // namespace

TEST(OpeningReplay, LevelTwoWantsFortyFramesBeforeTheStopSignThenLightsTheRoadOn) {
    const temporaryFolder folder;
    const play drive{folder,
                     "--level 2 --pose 6.5,38.5,270 --objects --shot 640:" + folder.file("dark.png") +
                         " --shot 759:" + folder.file("lit.png"),
                     levelTwoDrive, 1000};
    auto lines = drive.at({1, 2, 650, 665, 666, 759, 906, 907});
    EXPECT_EQ(field(lines[1], "stage"), "1");
    EXPECT_EQ(field(lines[2], "stage"), "2"); // coming towards the sign from beyond it
    // 39 frames standing (30, a move, then 9 more) are not enough; the 40th is.
    EXPECT_EQ(field(lines[650], "stage"), "2");
    EXPECT_EQ(field(lines[665], "stage"), "2");
    EXPECT_EQ(field(lines[666], "stage"), "3");
    EXPECT_EQ(field(lines[759], "stage"), "5"); // every lamp lit
    EXPECT_NE(lines[759].find("{\"kind\": \"lamp\", \"group\": 0, \"id\": 0, \"x\": -37.5, \"y\": -39.5, "
                              "\"visible\": true, \"frame\": 3"),
              std::string::npos);
    // Standing at the sign, the road ahead is dark; once the lamps burn, it is lined with light.
    const int dark = burningLampPixels(folder.file("dark.png"));
    EXPECT_GE(dark, 0);
    EXPECT_GT(burningLampPixels(folder.file("lit.png")), dark + 40) << dark;
    EXPECT_EQ(field(lines[906], "stage"), "6"); // the sign has gone behind the car
    // Across the edge of the world onto level 3's road, 13 tiles further along x.
    EXPECT_EQ(field(lines[907], "level"), "3");
    const double x = std::stod(field(lines[907], "x"));
    EXPECT_GT(x, 16);
    EXPECT_LT(x, 22);
}

TEST(OpeningReplay, LevelFivePutsOutTheLineBehindAndArrivesTenTilesOnAtTheSavedCrossroads) {
    const temporaryFolder folder;
    const play drive{folder, "--level 5 --pose 45.5,21.5,0", "1-400 w\n", 400};
    auto lines = drive.at({2, 337, 339});
    EXPECT_EQ(field(lines[2], "stage"), "2");   // heading −x: the far side's lights go out
    EXPECT_EQ(field(lines[337], "stage"), "2"); // not yet past the last point
    EXPECT_EQ(field(lines[339], "level"), "6");
    EXPECT_EQ(field(lines[339], "y"), "31.5");
    EXPECT_EQ(readWholeFile(folder.file("game.sav")), "2000000");
}

TEST(OpeningReplay, TheCrossroadsEndsLeadAlongTheRoutesNotYetWon) {
    struct exitCase {
        const char *flags;
        const char *pose; // from the middle, driving to one end
        const char *level;
    };
    const char *north = "40.5,30.5,270";
    const char *south = "40.5,50.5,90";
    for (const exitCase c :
         {exitCase{"000000", north, "10"}, exitCase{"010000", north, "13"}, exitCase{"010100", north, "6"},
          exitCase{"000000", south, "8"}, exitCase{"100000", south, "11"}, exitCase{"101000", south, "6"},
          exitCase{"111100", "30.5,40.5,0", "7"}}) {
        const temporaryFolder folder;
        const play drive{folder, std::string("--level 6 --flags ") + c.flags + " --pose " + c.pose,
                         "1-400 w\n", 400};
        const std::string last = drive.last();
        EXPECT_EQ(field(last, "level"), c.level) << c.flags << " from " << c.pose;
    }
}

TEST(OpeningReplay, TheCrossroadsSayThatsAllForNowOnceFourFlamesAreWon) {
    const temporaryFolder folder;
    const play drive{folder, "--level 6 --flags 111100 --pose 40.5,30.5,270", "1-400 w\n", 400};
    const std::string last = drive.last();
    EXPECT_EQ(field(last, "level"), "6"); // the north end leads nowhere now
    EXPECT_NE(last.find("\"message\": \"thats all for now\""), std::string::npos) << last;
}

TEST(OpeningReplay, TheMoonLevelBringsOutAFlameEvery31FramesOfWaitingAndLeadsBack) {
    const temporaryFolder folder;
    const play wait{folder,
                    "--level 7 --flags 110000 --pose 40.5,30.5,90 --objects --shot 20:" +
                        folder.file("wait.png") + " --shot 100:" + folder.file("flame.png"),
                    "", 120};
    auto lines = wait.at({31, 32, 62, 63, 120});
    const auto shown = [](const std::string &line, int group) {
        const std::string flame = "{\"kind\": \"flame\", \"group\": " + std::to_string(group) + ",";
        const size_t at = line.find(flame);
        return at != std::string::npos && line.find("\"visible\": true", at) < line.find('}', at);
    };
    EXPECT_FALSE(shown(lines[31], 1));
    EXPECT_TRUE(shown(lines[32], 1));
    EXPECT_FALSE(shown(lines[62], 2));
    EXPECT_TRUE(shown(lines[63], 2));
    EXPECT_FALSE(shown(lines[120], 3)); // two flames won, two brought
    // Before the moon, the first flame comes out beside it in the band above the horizon.
    const int noFlame = pixelsIn(folder.file("wait.png"), 60, 200, 580, 270, flaming);
    EXPECT_GE(noFlame, 0);
    EXPECT_GT(pixelsIn(folder.file("flame.png"), 60, 200, 580, 270, flaming), noFlame + 10) << noFlame;

    // Out across the left edge to the crossroads, through their middle and out across their
    // left edge again: the moon level starts afresh.
    const play roundTrip{folder, "--level 7 --pose 30.5,42.5,0", "1-800 w\n", 800};
    auto trip = roundTrip.at({228, 229, 376, 757});
    EXPECT_EQ(field(trip[228], "level"), "7");
    EXPECT_EQ(field(trip[229], "level"), "6");
    EXPECT_EQ(field(trip[376], "stage"), "2");
    EXPECT_EQ(field(trip[757], "level"), "7");
    EXPECT_EQ(field(trip[757], "stage"), "1");
    EXPECT_EQ(field(trip[757], "moonPhase"), "0");
}

TEST(OpeningReplay, AQuitInLevelFiveContinuesFromTheLevelFourCheckpoint) {
    const temporaryFolder folder;
    EXPECT_EQ(field(play{folder, "--level 4", "", 1}.last(), "level"), "4");
    EXPECT_EQ(readWholeFile(folder.file("game.sav")), "1000000");
    EXPECT_EQ(field(play{folder, "--level 5 --pose 45.5,21.5,0", "1-100 w\n", 100}.last(), "stage"), "2");
    EXPECT_EQ(readWholeFile(folder.file("game.sav")), "1000000");
    // The title, "continue", and play starts where the save says.
    const std::string resumed = play{folder, "", "100-100 enter\n250-250 enter\n", 300}.last();
    EXPECT_EQ(field(resumed, "level"), "4");
    EXPECT_EQ(field(resumed, "state"), "\"inGame\"");
}

// A new game from the title menu to the moon level, in one run: the opening of level 1, the
// first drive, round onto level 2's road towards the stop sign, a loop back to stand before
// it, the lamps, and on along the road into level 3, where the empty battery waits for the
// tree; between the lamps to the tree, whose recharge carries the car through the white
// light into level 4's ash groves; the flash on both outer groves' saplings, the fast run
// and the pass along the groves' trees, out to level 5, along its line of ground lights to
// the crossroads, and out across their side to the moon.
TEST(OpeningReplay, ANewGameDrivesFromTheTitleAllTheWayToTheMoon) {
    const temporaryFolder folder;
    const play newGame{
        folder,
        "--shot 3000:" + folder.file("groves.png") + " --shot 3095:" + folder.file("grown.png") +
            " --shot 4700:" + folder.file("dark.png") + " --shot 4900:" + folder.file("lit.png"),
        "100-100 enter\n200-200 enter\n"
        "600-760 w\n700-730 a\n800-830 d\n" // level 1, as the first drive goes
        "900-1762 w\n1190-1270 a\n"         // level 2: round onto the road
        "1300-1602 a\n1603-1700 d\n"        // the loop back to the sign
        "1763-1804 s\n"                     // standing before it
        "1940-2235 w\n"                     // on past it, into level 3
        "2095-2111 d\n"                     // between the lamps to the tree
        "2300-2420 w\n2300-2368 a\n"        // level 4: to the left grove's sapling
        "2460-2460 space\n"
        "2600-2700 s\n2710-2880 w\n2710-2800 a\n" // round to the right grove's
        "2900-2950 s\n3000-3000 space\n"
        "3100-3230 s\n3240-5300 w\n"               // back, then along the groves and on
        "3240-3300 a\n3330-3340 d\n3420-3432 a\n", // onto the grove line
        5300};
    auto lines =
        newGame.at({921,  922,  1300, 1843, 1844, 1937, 2091, 2092, 2200, 2267, 2268, 2462, 2560, 3006,
                    3007, 3645, 3646, 3892, 3893, 4142, 4143, 4681, 4682, 4818, 5198, 5199, 5300});
    EXPECT_EQ(field(lines[921], "level"), "1");
    EXPECT_EQ(field(lines[922], "level"), "2");
    EXPECT_EQ(field(lines[1300], "stage"), "2");
    EXPECT_EQ(field(lines[1843], "stage"), "2");
    EXPECT_EQ(field(lines[1844], "stage"), "3");
    EXPECT_EQ(field(lines[1937], "stage"), "5");
    EXPECT_EQ(field(lines[2091], "level"), "2");
    EXPECT_EQ(field(lines[2092], "level"), "3");
    EXPECT_EQ(field(lines[2200], "level"), "3");
    EXPECT_EQ(field(lines[2200], "battery"), "0");
    EXPECT_EQ(field(lines[2267], "level"), "3"); // full, beside the tree
    EXPECT_EQ(field(lines[2267], "battery"), "13");
    EXPECT_EQ(field(lines[2268], "level"), "4");
    EXPECT_EQ(field(lines[2268], "stage"), "1");
    EXPECT_EQ(field(lines[2462], "battery"), "12"); // the flash took one
    EXPECT_EQ(field(lines[2560], "battery"), "13"); // the grown tree gave it back
    // The second sapling grows: the ash is gone, the fast run begins.
    // Flashed, the sapling before the car grows into a great white tree among the groves.
    const int sapling = pixelsIn(folder.file("groves.png"), 220, 180, 330, 300, white);
    EXPECT_GE(sapling, 0);
    EXPECT_GT(pixelsIn(folder.file("grown.png"), 220, 180, 330, 300, white), sapling + 200) << sapling;
    EXPECT_EQ(field(lines[3006], "stage"), "1");
    EXPECT_EQ(field(lines[3007], "stage"), "2");
    EXPECT_EQ(field(lines[3645], "stage"), "2"); // 251 frames at speed along the groves
    EXPECT_EQ(field(lines[3646], "stage"), "3");
    EXPECT_EQ(field(lines[3892], "stage"), "3"); // close past the three trees
    EXPECT_EQ(field(lines[3893], "stage"), "4");
    EXPECT_EQ(field(lines[4142], "level"), "4");
    EXPECT_EQ(field(lines[4143], "level"), "5");
    EXPECT_EQ(field(lines[4681], "level"), "5");
    EXPECT_EQ(field(lines[4682], "level"), "6");
    EXPECT_EQ(field(lines[4818], "stage"), "2"); // armed in the middle of the crossroads
    // Driven through fast, the crossroads' lamps light along the road ahead.
    const int unlit = pixelsIn(folder.file("dark.png"), 60, 205, 580, 240, burning);
    EXPECT_GE(unlit, 0);
    EXPECT_GT(pixelsIn(folder.file("lit.png"), 60, 205, 580, 240, burning), unlit + 20) << unlit;
    EXPECT_EQ(field(lines[5198], "level"), "6");
    EXPECT_EQ(field(lines[5199], "level"), "7");
    EXPECT_EQ(field(lines[5300], "level"), "7");
    EXPECT_EQ(readWholeFile(folder.file("game.sav")), "2000000"); // the crossroads' checkpoint
}
