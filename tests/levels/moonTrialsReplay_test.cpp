// The moon level's trials played through by one input track with all six flames won: the
// flames brought out and drawn into the moon, the lightning ring closing round it, the two
// faces that follow the headlights, the push out of the moon's reach, the flash that cracks
// it, the strikes in the dark and the fast run past the moon into the white.
#include <gtest/gtest.h>

#include "levels/trackedRun.h"

namespace {

// Standing 5.5 tiles before the moon, facing it, while the flames come and sink in; pushed
// away, the car comes back in the dark, is recharged by the tree and flashes the moon; it
// backs off in the dark, is struck on the way in, backs off again and runs past the moon.
constexpr const char *trialsDrive = "430 e down\n431 e up\n440-556 w\n"
                                    "640 space down\n641 space up\n"
                                    "730 e down\n731 e up\n740-900 s\n740-790 a\n"
                                    "940-1054 w\n"
                                    "1070 e down\n1071 e up\n1080-1190 s\n"
                                    "1700-1900 w\n";

int ground(const trackedRun &run, int pass) {
    return std::stoi(run.field(pass, "groundTile"));
}

bool white(int red, int green, int blue) {
    return red > 180 && green > 180 && blue > 180;
}

bool flaming(int red, int green, int blue) {
    return red > 180 && red > green + 60 && red > blue + 100;
}

} // namespace

TEST(MoonTrialsReplay, SixFlamesLeadThroughEveryTrialIntoTheWhite) {
    const temporaryFolder folder;
    const trackedRun run = playTrack(
        folder,
        "--level 7 --flags 111111 --pose 40.5,34,90 --objects --shot 500:" + folder.file("sand.png") +
            " --shot 1900:" + folder.file("end.png"),
        trialsDrive, 1900,
        {186, 187, 406, 407, 408, 430, 431, 609, 610, 646, 647, 648, 1055, 1056, 1057, 1849, 1850});
    ASSERT_EQ(run.exitCode, 0);
    // The sixth flame comes out, and the six circle into the moon and go out there.
    EXPECT_EQ(run.field(186, "moonPhase"), "0");
    EXPECT_EQ(run.field(187, "moonPhase"), "1");
    EXPECT_EQ(run.field(406, "moonPhase"), "2");
    // The lightning ring closes round the moon: from round (58, 39) to round (40, 39).
    EXPECT_NE(run.at(406).find(R"("kind": "lightning", "group": 7, "id": 67, "x": 51.5, "y": 38.5)"),
              std::string::npos);
    EXPECT_NE(run.at(407).find(R"("kind": "lightning", "group": 7, "id": 67, "x": 33.5, "y": 38.5)"),
              std::string::npos);
    EXPECT_EQ(run.field(407, "moonPhase"), "3");
    // Lit and near, the car is put out past 9 tiles and slides on, three bars the poorer.
    EXPECT_EQ(run.field(407, "y"), "34");
    EXPECT_LT(std::stod(run.field(408, "y")), 30.5);
    EXPECT_EQ(run.field(408, "battery"), "10");
    // Lights off: the sand face; the tree in the flames' ring recharges and lights the car, and
    // the moon is back on dirt to be flashed.
    EXPECT_EQ(ground(run, 430), 0);
    EXPECT_EQ(ground(run, 431), 88);
    EXPECT_EQ(ground(run, 609), 88);
    EXPECT_EQ(run.field(609, "headlightsOn"), "true");
    EXPECT_EQ(ground(run, 610), 0);
    EXPECT_EQ(run.field(646, "moonPhase"), "3");
    EXPECT_EQ(run.field(647, "moonPhase"), "4"); // cracked by the flash
    EXPECT_EQ(run.field(648, "moonPhase"), "5");
    EXPECT_EQ(run.field(648, "battery"), "13");
    // In the dark a bolt strikes the car: stopped, lit and charged.
    EXPECT_EQ(run.field(1055, "headlightsOn"), "false");
    EXPECT_NE(run.field(1055, "speed"), "0");
    EXPECT_EQ(run.field(1056, "headlightsOn"), "true");
    EXPECT_EQ(run.field(1056, "speed"), "0");
    EXPECT_EQ(ground(run, 1057), 0);
    // The second run, timed between the strikes, passes the moon fast: the screen stays white.
    EXPECT_EQ(run.field(1849, "moonPhase"), "5");
    EXPECT_EQ(run.field(1850, "moonPhase"), "6");
    EXPECT_GT(pixelsIn(folder.file("sand.png"), 64, 200, 576, 300, flaming), 50); // the flames' ring
    EXPECT_GT(pixelsIn(folder.file("end.png"), 100, 40, 540, 260, white), 440 * 220 * 9 / 10);
}
