// The fifth flame won by an input track from level 15's entry: round inside the ring of ground
// lights, flashing the four lamps alight one by one; out backwards through the spinning ring and
// straight in again at the sapling, flashed from a standstill; on into the flame, and out of
// the level the way to the moon.
#include <gtest/gtest.h>

#include "levels/trackedRun.h"

namespace {

constexpr const char *ringDrive = "1-939 d\n" // steering round the ring all the while
                                  "1-94 w\n134 space down\n135 space up\n"
                                  "212-332 w\n372 space down\n373 space up\n"
                                  "450-573 w\n613 space down\n614 space up\n"
                                  "691-823 w\n863 space down\n864 space up\n"
                                  "940-1102 s\n940-1102 a\n" // backwards out, turning to the tree
                                  "1120-1228 w\n"            // in again, stopping 5 tiles short
                                  "1270 space down\n1271 space up\n"
                                  "1350-1700 w\n"
                                  "1410-1540 a\n"; // curving round to leave across y = 30

bool flaming(int red, int green, int blue) {
    return red > 180 && red > green + 60 && red > blue + 100;
}

// The sapling's glowing green.
bool sapling(int red, int green, int blue) {
    return green >= 55 && green > red + 20 && green > blue + 8;
}

} // namespace

TEST(LevelFifteenReplay, FourLampsBringTheSaplingAndTheFlashOnItTheFlameToTake) {
    const temporaryFolder folder;
    const trackedRun run = playTrack(folder,
                                     "--level 15 --pose 40.5,50.5,0 --shot 1265:" + folder.file("tree.png") +
                                         " --shot 1340:" + folder.file("flame.png"),
                                     ringDrive, 1694, {869, 871, 1276, 1278, 1408, 1409, 1693, 1694});
    ASSERT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.field(869, "stage"), "1"); // three lamps burning
    EXPECT_EQ(run.field(871, "stage"), "3"); // the fourth: the sapling shows
    EXPECT_EQ(run.field(1276, "stage"), "3");
    EXPECT_EQ(run.field(1278, "stage"), "5"); // grown in the flash, it gives way to the flame
    EXPECT_EQ(run.field(1408, "progressFlags"), "\"000000\"");
    EXPECT_EQ(run.field(1409, "progressFlags"), "\"000010\"");
    EXPECT_EQ(run.field(1409, "stage"), "6");
    EXPECT_EQ(run.saved, "2000010");
    // Out across y = 30 heading -y: the moon level, 45 tiles further along y.
    EXPECT_EQ(run.field(1693, "level"), "15");
    EXPECT_EQ(run.field(1694, "level"), "7");
    EXPECT_GT(std::stod(run.field(1694, "y")), 75);
    // Straight ahead, first the sapling glows green; then the flame burns where it stood.
    const int flameBefore = pixelsIn(folder.file("tree.png"), 64, 200, 576, 300, flaming);
    EXPECT_GE(flameBefore, 0);
    EXPECT_GT(pixelsIn(folder.file("tree.png"), 64, 200, 576, 300, sapling), 40);
    EXPECT_GT(pixelsIn(folder.file("flame.png"), 64, 200, 576, 300, flaming), flameBefore + 200)
        << flameBefore;
}

// With the fifth flame already won the ring turns and the flame comes again, all the same.
TEST(LevelFifteenReplay, AWonFlameIsPlayedForAgain) {
    const temporaryFolder folder;
    const trackedRun run =
        playTrack(folder, "--level 15 --flags 000010 --pose 40.5,50.5,0", ringDrive, 1409, {871, 1278, 1409});
    EXPECT_EQ(run.field(871, "stage"), "3");
    EXPECT_EQ(run.field(1278, "stage"), "5");
    EXPECT_EQ(run.field(1409, "stage"), "6");
    EXPECT_EQ(run.field(1409, "progressFlags"), "\"000010\"");
    EXPECT_EQ(run.saved, "2000010");
}
