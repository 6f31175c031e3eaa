#include <gtest/gtest.h>

#include <vector>

#include "app/game.h"
#include "app/mainLoop.h"
#include "support/sdlTestEnvironment.h"

namespace {

// A clock the test moves by hand, and a delay that only records what it was asked.
Uint32 fakeNow = 0;
Uint32 fakeStep = 0; // added on every read, to see which read the delay is based on
int fakeReads = 0;
std::vector<Uint32> delays;

Uint32 fakeClock() {
    const Uint32 now = fakeNow;
    fakeNow += fakeStep;
    fakeReads++;
    return now;
}
void recordDelay(Uint32 ms) {
    delays.push_back(ms);
}

timer startedFakeTimer(Uint32 startAt) {
    fakeNow = startAt;
    fakeStep = 0;
    delays.clear();
    timer frameTimer;
    frameTimer.clock = fakeClock;
    frameTimer.start();
    return frameTimer;
}

} // namespace

TEST(Pacing, SleepsOutTheRestOfSixteenMilliseconds) {
    const timer frameTimer = startedFakeTimer(1000);
    fakeNow = 1005;
    framePacer pacer;
    paceFrame(frameTimer, 60, pacer, recordDelay);
    EXPECT_EQ(delays, std::vector<Uint32>{11});
}

// Sixty passes make one second, not 960 ms: the budgets carry their fractions along.
TEST(Pacing, SixtyPassesTakeExactlyOneSecond) {
    framePacer pacer;
    Uint32 total = 0;
    for (int pass = 0; pass < 120; pass++) {
        const timer frameTimer = startedFakeTimer(total);
        fakeNow = total + 5; // each pass's work takes 5 ms
        paceFrame(frameTimer, 60, pacer, recordDelay);
        ASSERT_EQ(delays.size(), 1u);
        total += 5 + delays[0];
        if (pass == 2) {
            EXPECT_EQ(total, 50u); // 16 + 17 + 17
        }
        if (pass == 59) {
            EXPECT_EQ(total, 1000u);
        }
    }
    EXPECT_EQ(total, 2000u);
}

TEST(Pacing, APassOfSixteenMillisecondsOrMoreIsNotDelayed) {
    const timer frameTimer = startedFakeTimer(50);
    framePacer pacer;
    fakeNow = 66;
    paceFrame(frameTimer, 60, pacer, recordDelay);
    fakeNow = 90;
    paceFrame(frameTimer, 60, pacer, recordDelay);
    EXPECT_TRUE(delays.empty());
}

// A clock that passes the budget between two reads must not turn the delay negative
// (some 49 days as an unsigned count): the pass's length is read once.
TEST(Pacing, TheClockIsReadOnceSoTheDelayNeverWrapsRound) {
    const timer frameTimer = startedFakeTimer(0);
    fakeNow = 15;
    fakeStep = 2; // a second read would see 17, past the budget
    fakeReads = 0;
    framePacer pacer;
    paceFrame(frameTimer, 60, pacer, recordDelay);
    EXPECT_EQ(fakeReads, 1);
    EXPECT_EQ(delays, std::vector<Uint32>{1});
}

TEST(Timer, CountsFromStartAndSurvivesTheClockWrapping) {
    timer frameTimer;
    EXPECT_EQ(frameTimer.getTicks(), 0); // not started
    frameTimer = startedFakeTimer(0xFFFFFFF0u);
    fakeNow = 0x10;
    EXPECT_EQ(frameTimer.getTicks(), 0x20);
}

TEST(ThirtyFps, DrawsEverySecondPassStartingWithASkip) {
    gameFlags flags;
    bool renderToggle = false;
    EXPECT_TRUE(shouldDrawThisPass(flags, renderToggle));
    EXPECT_TRUE(shouldDrawThisPass(flags, renderToggle));
    flags.thirtyFps = true;
    std::vector<bool> drawn;
    for (int pass = 0; pass < 6; pass++) {
        drawn.push_back(shouldDrawThisPass(flags, renderToggle));
    }
    EXPECT_EQ(drawn, (std::vector<bool>{false, true, false, true, false, true}));
}

namespace {

std::vector<Uint32> requestedModes;
bool failFullscreen = false;
bool failEverything = false;

screenHandle fakeSetVideoMode(int width, int height, int depth, std::uint32_t flags) {
    requestedModes.push_back(flags);
    if (failEverything || (failFullscreen && (flags & SDL_FULLSCREEN))) {
        return {};
    }
    return {SDL_SetVideoMode(width, height, depth, flags & ~SDL_FULLSCREEN)};
}

class VideoMode : public ::testing::Test {
  protected:
    void SetUp() override {
        screen = {dummyScreen()};
        ASSERT_TRUE(screen.isOpen());
        requestedModes.clear();
        failFullscreen = false;
        failEverything = false;
        video.setVideoMode = fakeSetVideoMode;
    }
    screenHandle screen;
    videoModeState video;
    gameFlags flags;
};

} // namespace

TEST_F(VideoMode, FollowsTheFlagOnTheNextCheckOnly) {
    EXPECT_EQ(followVideoMode(video, flags.fullscreen, screen).surface, screen.surface);
    EXPECT_TRUE(requestedModes.empty());

    // Toggled twice within one pass's logic: nothing to do at the next check.
    flags.fullscreen = true;
    flags.fullscreen = false;
    followVideoMode(video, flags.fullscreen, screen);
    EXPECT_TRUE(requestedModes.empty());

    flags.fullscreen = true;
    EXPECT_TRUE(followVideoMode(video, flags.fullscreen, screen).isOpen());
    EXPECT_EQ(requestedModes, std::vector<Uint32>{fullscreenVideoFlags});
    EXPECT_FALSE(video.currentlyWindowed);
    EXPECT_EQ(fullscreenVideoFlags, 0xD0000001u);

    flags.fullscreen = false;
    followVideoMode(video, flags.fullscreen, screen);
    EXPECT_EQ(requestedModes.back(), windowedVideoFlags);
    EXPECT_EQ(windowedVideoFlags, 0x50000001u);
    EXPECT_TRUE(video.currentlyWindowed);
}

TEST_F(VideoMode, AFailedSwitchKeepsTheModeAndWithdrawsTheWish) {
    failFullscreen = true;
    flags.fullscreen = true;
    EXPECT_TRUE(followVideoMode(video, flags.fullscreen, screen).isOpen());
    EXPECT_TRUE(video.currentlyWindowed);
    EXPECT_FALSE(flags.fullscreen);
    EXPECT_FALSE(video.switchPending);
    // No retry on every pass: the wish now matches the mode in force.
    requestedModes.clear();
    followVideoMode(video, flags.fullscreen, screen);
    EXPECT_TRUE(requestedModes.empty());
}

TEST_F(VideoMode, NoModeAtAllGivesNoScreen) {
    failEverything = true;
    flags.fullscreen = true;
    EXPECT_FALSE(followVideoMode(video, flags.fullscreen, screen).isOpen());
}

namespace {

class GamePasses : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_NE(dummyScreen(), nullptr); }

    std::unique_ptr<game> startWithSettings(const char *settings) {
        files = prepareDataFiles(folder.path());
        if (settings != nullptr) {
            writeWholeFile(files.settingsPath, settings);
        }
        auto session = std::make_unique<game>(screenHandle{dummyScreen()}, files);
        session->video.setVideoMode = fakeSetVideoMode;
        requestedModes.clear();
        failFullscreen = false;
        failEverything = false;
        return session;
    }

    temporaryFolder folder;
    dataFiles files;
};

} // namespace

TEST_F(GamePasses, AFreshFolderGetsTheDefaultSettings) {
    const auto session = startWithSettings(nullptr);
    EXPECT_EQ(session->context.settingsText, "00");
    EXPECT_EQ(readWholeFile(files.settingsPath), "00");
}

TEST_F(GamePasses, FullscreenFromTheSettingsArrivesOnTheSecondPass) {
    const auto session = startWithSettings("10");
    runPassLogic(*session);
    EXPECT_TRUE(session->video.currentlyWindowed);
    EXPECT_TRUE(session->flags.fullscreen);
    runPassLogic(*session);
    EXPECT_FALSE(session->video.currentlyWindowed);
    EXPECT_EQ(requestedModes, std::vector<Uint32>{fullscreenVideoFlags});
}

TEST_F(GamePasses, ThirtyFpsFromTheSettingsHalvesTheDrawing) {
    const auto session = startWithSettings("11");
    std::vector<bool> drawn;
    for (int pass = 0; pass < 4; pass++) {
        runPassLogic(*session);
        drawn.push_back(runPassDrawing(*session));
    }
    EXPECT_EQ(drawn, (std::vector<bool>{false, true, false, true}));
    EXPECT_EQ(session->context.logoCounter, 4); // the logic ran on every pass
}

TEST_F(GamePasses, AWindowClosedDuringAPassLetsThatPassFinish) {
    const auto session = startWithSettings("00");
    SDL_Event quit = {};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);
    runPassLogic(*session);
    EXPECT_TRUE(session->flags.quit);
    EXPECT_EQ(session->context.logoCounter, 1);
    EXPECT_TRUE(runPassDrawing(*session));
}

TEST_F(GamePasses, TheLogoCounterStopsAtItsLastFrame) {
    const auto session = startWithSettings("00");
    for (int pass = 0; pass < 200; pass++) {
        runPassLogic(*session);
    }
    EXPECT_EQ(session->context.logoCounter, logoLastFrame);
}
