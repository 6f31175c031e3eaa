// Level 8 played through the whole game, from input tracks, by the replay tool.
#include <gtest/gtest.h>

#include "support/sdlTestEnvironment.h"
#include "tools/replayRun.h"

namespace {

// The state line after the last pass of a drive in level 8 from a pose, gas held throughout.
std::string driveLevelEight(const temporaryFolder &folder, const std::string &pose, int passes) {
    writeWholeFile(folder.file("gas"), "1-" + std::to_string(passes) + " w\n");
    const replayResult result =
        runReplay("--frames " + std::to_string(passes) + " --level 8 --pose " + pose + " --state " +
                  std::to_string(passes) + " --input " + folder.file("gas") + " --data-dir " + folder.path());
    EXPECT_EQ(result.exitCode, 0) << result.errors;
    return result.lines.empty() ? "" : result.lines.back();
}

} // namespace

TEST(LevelEightReplay, DrivingUpTheMiddleStartsTheHuntAndDrivingDownDoesNot) {
    const temporaryFolder folder;
    const std::string up = driveLevelEight(folder, "40.5,30.5,90", 120);
    EXPECT_EQ(jsonField(up, "level"), "8");
    EXPECT_EQ(jsonField(up, "stage"), "2");

    const std::string down = driveLevelEight(folder, "40.5,50.5,270", 200);
    EXPECT_LT(std::stod(jsonField(down, "y")), 38.0); // it did pass through the middle
    EXPECT_EQ(jsonField(down, "stage"), "1");
}

TEST(LevelEightReplay, TheSideExitLeadsToTheMoonOnlyOnceArmed) {
    const temporaryFolder folder;
    // From inside the centre square, out across the left edge.
    EXPECT_EQ(jsonField(driveLevelEight(folder, "21.5,40.5,0", 400), "level"), "7");
    // Never in the centre: the car wraps round the world and stays in level 8.
    const std::string wrapped = driveLevelEight(folder, "12.5,10.5,0", 400);
    EXPECT_EQ(jsonField(wrapped, "level"), "8");
    EXPECT_GT(std::stod(jsonField(wrapped, "x")), 20.0);
}
