#include <gtest/gtest.h>

#include <sys/stat.h>

#include "replayRun.h"
#include "support/sdlTestEnvironment.h"

TEST(Replay, RunsTenThousandPassesAndReportsStateAndTimings) {
    const temporaryFolder data;
    const replayResult result =
        runReplay("--frames 10000 --state 1 --state 10000 --timedemo --data-dir " + data.path());
    ASSERT_EQ(result.exitCode, 0) << result.errors;
    ASSERT_EQ(result.lines.size(), 3u);
    EXPECT_EQ(jsonField(result.lines[0], "pass"), "1");
    EXPECT_EQ(jsonField(result.lines[0], "state"), "\"logoAnim\"");
    EXPECT_NE(result.lines[0].find("\"gameFlags\": {\"quit\": false"), std::string::npos);
    EXPECT_EQ(jsonField(result.lines[1], "pass"), "10000");
    EXPECT_EQ(result.lines[2].rfind("{\"timedemo\": {\"passes\": 10000", 0), 0u) << result.lines[2];
    for (const char *figure : {"median_ms", "p99_ms", "max_ms"}) {
        EXPECT_NE(result.lines[2].find(figure), std::string::npos);
    }
    EXPECT_EQ(readWholeFile(data.file("settings.sav")), "00");
}

TEST(Replay, TheSettingsInTheDataFolderTakeEffect) {
    const temporaryFolder data;
    writeWholeFile(data.file("settings.sav"), "11");
    const replayResult result = runReplay("--frames 3 --state all --data-dir " + data.path());
    ASSERT_EQ(result.exitCode, 0) << result.errors;
    ASSERT_EQ(result.lines.size(), 3u);
    EXPECT_EQ(jsonField(result.lines[0], "currentlyWindowed"), "true");
    EXPECT_EQ(jsonField(result.lines[1], "currentlyWindowed"), "false");
    EXPECT_EQ(jsonField(result.lines[1], "thirtyFps"), "true");
}

TEST(Replay, AQuitInTheTrackEndsTheRunAfterThatPass) {
    const temporaryFolder data;
    writeWholeFile(data.file("track"), "2 w down\n4 quit\n");
    const replayResult result =
        runReplay("--frames 50 --state all --input " + data.file("track") + " --data-dir " + data.path());
    ASSERT_EQ(result.exitCode, 0) << result.errors;
    ASSERT_EQ(result.lines.size(), 4u);
    EXPECT_EQ(jsonField(result.lines[3], "quit"), "true");
}

TEST(Replay, ScreenshotsAreWrittenAndIdenticalOnTwoRuns) {
    const temporaryFolder data;
    const std::string arguments = "--frames 5 --data-dir " + data.path();
    ASSERT_EQ(runReplay(arguments + " --shot 3:" + data.file("a.png")).exitCode, 0);
    ASSERT_EQ(runReplay(arguments + " --shot 3:" + data.file("b.png")).exitCode, 0);
    const std::string first = readWholeFile(data.file("a.png"));
    EXPECT_EQ(first.substr(1, 3), "PNG");
    EXPECT_EQ(first, readWholeFile(data.file("b.png")));
}

TEST(Replay, BadArgumentsAndTracksFailWithAMessage) {
    const temporaryFolder data;
    writeWholeFile(data.file("bad"), "1 w sideways\n");
    for (const std::string &arguments :
         {std::string(""), std::string("--frames"), std::string("--frames x"),
          std::string("--frames 5 --bogus 1"), std::string("--frames 5 --shot nopass.png"),
          std::string("--frames 5 --state soon"), "--frames 5 --input " + data.file("bad"),
          "--frames 5 --input " + data.file("missing"), std::string("--frames 5 --assets /nonexistent")}) {
        const replayResult result = runReplay(arguments + " --data-dir " + data.path());
        EXPECT_NE(result.exitCode, 0) << arguments;
        EXPECT_NE(result.errors.find("velmora-replay:"), std::string::npos) << arguments;
    }
}

// --help prints the usage and every option, and runs nothing; a folder of assets without one
// readable picture is refused before the game starts, where every shot would come out black.
TEST(Replay, HelpIsPrintedAndAFolderWithoutPicturesIsRefused) {
    const temporaryFolder data;
    for (const char *const arguments : {"--help", "--frames 5 -h"}) {
        const replayResult help = runReplay(arguments);
        EXPECT_EQ(help.exitCode, 0) << arguments;
        EXPECT_EQ(help.errors, "") << arguments;
        ASSERT_FALSE(help.lines.empty()) << arguments;
        EXPECT_EQ(help.lines[0].rfind("usage: velmora-replay", 0), 0u);
        EXPECT_NE(help.lines.back().find("--help"), std::string::npos);
    }
    ASSERT_EQ(mkdir(data.file("art").c_str(), 0755), 0);
    writeWholeFile(data.file("art/road.png"), "not a picture");
    const replayResult run = runReplay("--frames 5 --state 5 --assets " + data.path());
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.lines.empty());
    EXPECT_NE(run.errors.find("not one picture could be read in " + data.file("art")), std::string::npos)
        << run.errors;
}

// Numbers the tool cannot use are refused before anything runs: no hang in a wrapping loop,
// no overflow in the floor caster, no pass that never comes.
TEST(Replay, NumbersOutOfReachAreRefusedWithStatusTwo) {
    const temporaryFolder data;
    const struct {
        const char *arguments;
        const char *said;
    } cases[] = {
        {"--frames -5", "bad value for --frames: '-5'"},
        {"--frames 1e3", "bad value for --frames"},
        {"--frames 99999999999999999999", "bad value for --frames"},
        {"--frames 5 --state 0", "bad value for --state"},
        {"--frames 5 --shot -1:x.png", "bad value for --shot"},
        {"--frames 5 --level 18", "bad value for --level"},
        {"--frames 5 --level -1", "bad value for --level"},
        {"--frames 5 --map-cell 0 --level 1 --map m.png", "bad value for --map-cell"},
        {"--frames 5 --level 5 --pose nan,5.5,90", "bad value for --pose"},
        {"--frames 5 --level 5 --pose inf,5.5,90", "bad value for --pose"},
        {"--frames 5 --level 5 --pose 1e999,5.5,90", "bad value for --pose"},
        {"--frames 5 --level 5 --pose 1e300,5.5,90", "--pose: X and Y must lie within -160 to 160"},
        {"--frames 5 --level 5 --pose 2147483648,5.5,90", "--pose: X and Y"},
        {"--frames 5 --level 5 --pose 10,-161,90", "--pose: X and Y"},
        {"--frames 5 --level 5 --pose 1e15,1e15,1e15", "--pose: X and Y"},
        {"--frames 5 --level 5 --pose 40.5,10.5,1e15", "--pose: HEADING must lie within -360 to 360"},
        {"--frames 5 --level 1 --pose 10,10,-361", "--pose: HEADING"},
    };
    for (const auto &c : cases) {
        const replayResult result = runReplay(std::string(c.arguments) + " --data-dir " + data.path());
        EXPECT_EQ(result.exitCode, 2) << c.arguments;
        EXPECT_NE(result.errors.find(std::string("velmora-replay: ") + c.said), std::string::npos)
            << c.arguments << "\n"
            << result.errors;
        EXPECT_TRUE(result.lines.empty()) << c.arguments;
    }
    // The edges themselves are fine.
    const replayResult edge =
        runReplay("--frames 2 --state 2 --level 5 --pose -160,160,-360 --data-dir " + data.path());
    EXPECT_EQ(edge.exitCode, 0) << edge.errors;
    EXPECT_EQ(edge.lines.size(), 1u);
}

TEST(Replay, AnUnwritableShotPathIsAFailure) {
    const temporaryFolder data;
    const replayResult result =
        runReplay("--frames 2 --shot 1:/nonexistent/folder/x.png --data-dir " + data.path());
    EXPECT_NE(result.exitCode, 0);
}

// Level 5 straight up the road from (40.5, 10.5). Pass 1 enters the level; from pass 2 the
// gas adds 0.2 a pass, so after 100 more passes the speed is 20, the car has gone
// 0.01 · 0.2 · (1 + … + 100) = 10.1 tiles, and the needle has caught up with the 10 marks
// below 20. Then a left turn bends the path towards −x.
TEST(Replay, DrivesLevelFiveAlongTheRoadAndIntoATurn) {
    const temporaryFolder data;
    writeWholeFile(data.file("track"), "1-131 w\n102-131 a\n");
    const std::string arguments =
        "--frames 131 --level 5 --pose 40.5,10.5,90 --state 101 --state 102 --state 131 "
        "--input " +
        data.file("track") + " --data-dir " + data.path();
    const replayResult result = runReplay(arguments);
    ASSERT_EQ(result.exitCode, 0) << result.errors;
    ASSERT_EQ(result.lines.size(), 3u);
    const std::string &straight = result.lines[0];
    EXPECT_EQ(jsonField(straight, "level"), "5");
    EXPECT_EQ(jsonField(straight, "state"), "\"inGame\"");
    EXPECT_NEAR(std::stod(jsonField(straight, "speed")), 20.0, 1e-9);
    EXPECT_NEAR(std::stod(jsonField(straight, "y")), 20.6, 1e-9);
    EXPECT_NEAR(std::stod(jsonField(straight, "x")), 40.5, 1e-12);
    EXPECT_EQ(jsonField(straight, "needle"), "10");
    EXPECT_EQ(jsonField(straight, "groundTile"), "10");

    const double firstTurn = 0.001 / 6.4 * 2 * 3.14159265358979;
    EXPECT_NEAR(std::stod(jsonField(result.lines[1], "turn")), firstTurn, 1e-9);
    const std::string &turned = result.lines[2];
    EXPECT_LT(std::stod(jsonField(turned, "x")), 40.5);
    EXPECT_LT(std::stod(jsonField(turned, "heading")), 90.0);
    EXPECT_GT(std::stod(jsonField(turned, "dirY")), 0.9);

    // The same track gives the same game, to the last digit.
    EXPECT_EQ(runReplay(arguments).lines, result.lines);
}

TEST(Replay, StartsOnTheLevelsStartTileWithoutAPose) {
    const temporaryFolder data;
    const replayResult result = runReplay("--frames 1 --level 1 --state 1 --data-dir " + data.path());
    ASSERT_EQ(result.exitCode, 0) << result.errors;
    EXPECT_EQ(jsonField(result.lines[0], "x"), "30.5");
    EXPECT_EQ(jsonField(result.lines[0], "y"), "17.5");
    EXPECT_NE(runReplay("--frames 1 --level 18 --data-dir " + data.path()).exitCode, 0);
    EXPECT_NE(runReplay("--frames 1 --pose 1,2,3 --data-dir " + data.path()).exitCode, 0);
    EXPECT_NE(runReplay("--frames 1 --level 2 --pose 1,2 --data-dir " + data.path()).exitCode, 0);
}
