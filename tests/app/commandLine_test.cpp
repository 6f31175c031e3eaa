#include <gtest/gtest.h>

#include <memory>
#include <tuple>
#include <vector>

#include "app/commandLine.h"
#include "app/game.h"
#include "support/sdlTestEnvironment.h"

namespace {

commandLineChoice read(std::vector<const char *> options) {
    options.insert(options.begin(), "velmora");
    return readCommandLine(static_cast<int>(options.size()), options.data());
}

// Every mode switch succeeds on the dummy screen.
screenHandle anyModeSucceeds(int, int, int, std::uint32_t) {
    return {dummyScreen()};
}

} // namespace

TEST(CommandLine, OptionsCombineAndTheLastModeWins) {
    const commandLineChoice choice = read({"--fullscreen", "--scale", "3", "--windowed", "--scale", "1"});
    EXPECT_EQ(choice.action, commandAction::play);
    EXPECT_EQ(choice.scale, 1);
    EXPECT_EQ(choice.display, displayChoice::windowed);
    EXPECT_EQ(read({"--windowed", "--fullscreen"}).display, displayChoice::fullscreen);
    EXPECT_EQ(read({}).display, displayChoice::fromSettings);
    EXPECT_EQ(read({"--scale", "2", "--version", "--bogus"}).action, commandAction::version);
    EXPECT_EQ(read({"-h"}).action, commandAction::help);
}

TEST(CommandLine, AnythingElseIsRefusedNamingWhatWasWrong) {
    const std::vector<std::pair<std::vector<const char *>, std::string>> refused = {
        {{"--scale"}, "''"},
        {{"--scale", "5"}, "'5'"},
        {{"--scale", "2x"}, "'2x'"},
        {{"--scale", "--windowed"}, "'--windowed'"}, // a missing value does not swallow an option silently
        {{"--window"}, "'--window'"},
        {{"--windowed", "level3"}, "'level3'"},
        {{"--bogus", "--help"}, "'--bogus'"},
        {{"--playdemo", "run.demo", "--state"}, "--state goes with --timedemo"},
    };
    for (const auto &[options, named] : refused) {
        const commandLineChoice choice = read(options);
        EXPECT_EQ(choice.action, commandAction::bad) << options.front();
        EXPECT_NE(choice.complaint.find(named), std::string::npos) << choice.complaint;
    }
}

TEST(CommandLine, AModeChosenForTheRunHoldsPastTheLogoAndIsNotSaved) {
    ASSERT_NE(dummyScreen(), nullptr);
    for (const auto &[saved, display, fullscreen] :
         {std::tuple{"11", displayChoice::windowed, false}, std::tuple{"01", displayChoice::fullscreen, true},
          std::tuple{"10", displayChoice::fromSettings, true}}) {
        const temporaryFolder folder;
        const dataFiles files = prepareDataFiles(folder.path());
        writeWholeFile(files.settingsPath, saved);
        const auto session = std::make_unique<game>(screenHandle{dummyScreen()}, files, display);
        session->video.setVideoMode = anyModeSucceeds;
        for (int pass = 0; pass < 120; pass++) { // the logo applies the settings on each of its passes
            runPassLogic(*session);
        }
        EXPECT_EQ(session->context.state, gameState::title) << saved;
        EXPECT_EQ(session->flags.fullscreen, fullscreen) << saved;
        EXPECT_EQ(session->video.currentlyWindowed, !fullscreen) << saved;
        EXPECT_TRUE(session->flags.thirtyFps == (saved[1] == '1')) << saved;
        EXPECT_EQ(readWholeFile(files.settingsPath), saved);
    }
}
