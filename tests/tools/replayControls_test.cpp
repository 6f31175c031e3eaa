#include <gtest/gtest.h>

#include "replayRun.h"
#include "support/sdlTestEnvironment.h"

namespace {

// The car's speed after 40 passes of level 5 with the key held, under the options given.
struct drive {
    double speed = 0.0;
    std::string errors;
};

drive driveWith(const char *key, const char *options) {
    const temporaryFolder data;
    if (options != nullptr) {
        writeWholeFile(data.file("options.txt"), options);
    }
    writeWholeFile(data.file("track"), std::string("1-40 ") + key + "\n");
    const replayResult result = runReplay("--frames 40 --level 5 --pose 40.5,10.5,90 --state 40 --input " +
                                          data.file("track") + " --data-dir " + data.path());
    EXPECT_EQ(result.exitCode, 0) << result.errors;
    EXPECT_EQ(result.lines.size(), 1u);
    drive outcome;
    outcome.errors = result.errors;
    if (!result.lines.empty()) {
        outcome.speed = std::stod(jsonField(result.lines[0], "speed"));
    }
    return outcome;
}

} // namespace

TEST(ReplayControls, TheArrowsDriveAsTheLettersDo) {
    EXPECT_GT(driveWith("up", nullptr).speed, 5.0);
    EXPECT_EQ(driveWith("up", nullptr).speed, driveWith("w", nullptr).speed);
    EXPECT_LT(driveWith("down", nullptr).speed, 0.0);
}

TEST(ReplayControls, TheOptionsFileRebindsTheKeysAndSkipsJunk) {
    const char *const rebound = "accelerate i\n";
    EXPECT_GT(driveWith("i", rebound).speed, 5.0);
    EXPECT_EQ(driveWith("w", rebound).speed, 0.0);
    EXPECT_EQ(driveWith("up", rebound).speed, 0.0);

    // A junk line is skipped with a word, and every choice keeps its default.
    const char *const junk = "accelerate i banana\nsteer w\nmusicVolume 11\n";
    const drive withJunk = driveWith("w", junk);
    EXPECT_GT(withJunk.speed, 5.0);
    EXPECT_NE(withJunk.errors.find("line 1 skipped"), std::string::npos) << withJunk.errors;
    EXPECT_NE(
        withJunk.errors.find("line 3 skipped: \"musicVolume 11\": a volume is a whole number from 0 to 10"),
        std::string::npos)
        << withJunk.errors;
    EXPECT_EQ(driveWith("i", junk).speed, 0.0);
}

TEST(ReplayControls, ThePadDrivesThroughItsOwnEvents) {
    EXPECT_EQ(driveWith("padA", nullptr).speed, driveWith("w", nullptr).speed);
    EXPECT_LT(driveWith("padB", nullptr).speed, 0.0);
}
