#include <gtest/gtest.h>

#include "levels/levelList.h"
#include "sessionRig.h"

TEST(GameStates, TheTitleFollowsTheLogoOnThe84thPass) {
    sessionRig rig;
    rig.pass(83);
    EXPECT_EQ(rig.context().state, gameState::logoAnim);
    EXPECT_EQ(rig.context().logoCounter, 83);
    rig.pass();
    EXPECT_EQ(rig.context().state, gameState::title);
    EXPECT_EQ(rig.context().logoCounter, 83);
    rig.pass(50);
    EXPECT_EQ(rig.context().logoCounter, 83);
    EXPECT_EQ(rig.savedGame(), "0000000"); // read, and so made, when the logo ended
}

TEST(GameStates, EnterFlickersTheHintOutAndASecondEnterRestartsIt) {
    sessionRig rig;
    rig.runUntil(gameState::title);
    rig.pass(30);
    rig.press({keyCode::enter});
    rig.pass(4);
    EXPECT_EQ(rig.context().state, gameState::title);
    rig.press({keyCode::enter}); // the flicker starts again from the brightest
    int passes = 0;
    while (rig.context().state == gameState::title && passes < 100) {
        rig.pass();
        passes++;
    }
    EXPECT_EQ(rig.context().state, gameState::introMenu);
    EXPECT_GT(passes, 20); // the whole flicker again, not the rest of the first one
}

TEST(GameStates, EscOnThePassThatEntersPlayDoesNothing) {
    sessionRig rig;
    rig.session->levels.startLevel = 5;
    rig.context().state = gameState::inGame;
    rig.context().entered = false;
    rig.press({keyCode::esc});
    EXPECT_EQ(rig.context().state, gameState::inGame); // the entry pass reads no keys
    rig.press({keyCode::esc});
    EXPECT_EQ(rig.context().state, gameState::paused);
}

TEST(GameStates, ACrossroadsCheckpointStartsOnTheRoadIntoIt) {
    sessionRig rig("2000000");
    rig.reachMenu();
    EXPECT_EQ(rig.session->levels.startLevel, 6);
    rig.press({keyCode::enter}); // continue
    ASSERT_TRUE(rig.runUntil(gameState::inGame));
    rig.pass();
    EXPECT_EQ(rig.session->levels.current, 6);
    EXPECT_DOUBLE_EQ(rig.session->world.car.x, 54.0);
    EXPECT_DOUBLE_EQ(rig.session->world.car.y, 32.0);
    EXPECT_DOUBLE_EQ(rig.session->world.car.heading, 30.3737);
}

TEST(GameStates, TheSettingsFileSwitchesFlagsOnAgainAfterAReturnToTheTitle) {
    sessionRig rig(nullptr, "01");
    rig.pass();
    EXPECT_TRUE(rig.session->flags.thirtyFps);
    rig.session->flags.thirtyFps = false; // switched off in a menu since
    rig.session->flags.fullscreen = true;
    returnToTitle(rig.context());
    rig.pass();
    EXPECT_TRUE(rig.session->flags.thirtyFps);
    EXPECT_TRUE(rig.session->flags.fullscreen); // off in the file: left as it is
}

TEST(GameStates, ReturningToTheTitleResetsTheWorld) {
    sessionRig rig;
    rig.startPlayAt(8);
    rig.pass(5);
    rig.session->world.car.battery = 3;
    rig.session->levels.levels[8]->groundGrid[40][40] = 88;
    rig.press({keyCode::esc});
    rig.pass(20);
    rig.press({keyCode::up}); // onto "return to title"
    rig.pass(20);
    rig.press({keyCode::enter});
    ASSERT_TRUE(rig.runUntil(gameState::logoAnim, 100));
    EXPECT_EQ(rig.session->world.car.battery, 13);
    EXPECT_EQ(rig.session->levels.levels[8]->groundGrid[40][40], 10);
    EXPECT_EQ(rig.context().logoCounter, 0);
    EXPECT_EQ(rig.context().pauseMenu.page, menuPage::main);
}
