#include <gtest/gtest.h>

#include "levels/levelList.h"
#include "levels/levelZero.h"
#include "levels/saveGame.h"
#include "levels/scriptServices.h"
#include "sessionRig.h"

namespace {

levelZero &titleLevel(sessionRig &rig) {
    return rig.session->allLevels.zero;
}

} // namespace

TEST(TitleMenu, TheContinueItemCountsTheFlamesWon) {
    const struct {
        const char *saved;
        const char *menu;
    } cases[] = {
        {"1000000", "new game_continuesettingsexit"},
        {"1010000", "new game_continue - 1 flamesettingsexit"},
        {"2111111", "new game_continue - 6 flamessettingsexit"},
        {"0111111", "_new gamesettingsexit"}, // no checkpoint: nothing to continue
    };
    for (const auto &c : cases) {
        sessionRig rig(c.saved);
        rig.reachMenu();
        EXPECT_EQ(rig.menuText(), c.menu) << c.saved;
    }
}

TEST(TitleMenu, TheCursorWrapsRoundEveryPage) {
    sessionRig rig("1000000");
    rig.reachMenu();
    levelZero &title = titleLevel(rig);
    EXPECT_EQ(title.menu.cursor, 1);
    rig.press({keyCode::up});
    rig.pass(8);
    rig.press({keyCode::up});
    rig.pass(8);
    EXPECT_EQ(title.menu.cursor, 3); // up from the top comes round to "exit"
    rig.press({keyCode::down});
    rig.pass(8);
    EXPECT_EQ(title.menu.cursor, 0);
    rig.press({keyCode::enter}); // "new game" with a saved game asks first
    EXPECT_EQ(title.menu.page, menuPage::newGame);
    EXPECT_EQ(title.menu.cursor, 1);
    rig.press({keyCode::s});
    rig.pass(8);
    EXPECT_EQ(title.menu.cursor, 0);
    rig.press({keyCode::s});
    rig.pass(8);
    rig.press({keyCode::enter}); // "go back"
    EXPECT_EQ(title.menu.page, menuPage::main);
    EXPECT_EQ(title.menu.cursor, 0);
}

TEST(TitleMenu, SettingsOpenOnGoBackToggleAtOnceAndLeaveOntoSettings) {
    sessionRig rig;
    rig.reachMenu();
    levelZero &title = titleLevel(rig);
    rig.press({keyCode::down});
    rig.pass(8);
    rig.press({keyCode::enter});
    EXPECT_EQ(title.menu.page, menuPage::settings);
    EXPECT_EQ(title.menu.cursor, settingsPage::goBackItem);
    rig.press({keyCode::down}); // wraps to the fullscreen toggle
    rig.pass(8);
    rig.press({keyCode::enter});
    EXPECT_TRUE(rig.session->flags.fullscreen);
    EXPECT_EQ(rig.settings(), "10"); // written at once
    EXPECT_EQ(title.settings.fullscreenLabel, " - on");
    rig.press({keyCode::up}); // round to "go back"
    rig.pass(8);
    rig.press({keyCode::enter});
    EXPECT_TRUE(rig.session->flags.fullscreen);
    EXPECT_EQ(title.menu.page, menuPage::main);
    EXPECT_EQ(title.menu.cursor, 1);
}

TEST(TitleMenu, DownAndUpInOnePassLeaveTheCursorWithOneCooldown) {
    sessionRig rig;
    rig.reachMenu();
    levelZero &title = titleLevel(rig);
    rig.press({keyCode::s, keyCode::w});
    EXPECT_EQ(title.menu.cursor, 0);
    EXPECT_EQ(title.cooldown, 6); // set by the moves, then one pass of it spent
}

TEST(TitleMenu, ContinueWorksWhileTheMenuStillWritesItself) {
    sessionRig rig("1100000");
    rig.runUntil(gameState::title);
    rig.press({keyCode::enter});
    rig.runUntil(gameState::introMenu);
    rig.pass(2);
    rig.press({keyCode::enter}); // the continue item is under the cursor from the start
    EXPECT_TRUE(titleLevel(rig).starting);
    ASSERT_TRUE(rig.runUntil(gameState::inGame, 200));
    rig.pass();
    EXPECT_EQ(rig.session->levels.current, 4);
    EXPECT_EQ(rig.savedGame(), "1100000"); // continuing keeps the save
}

TEST(TitleMenu, ANewGameErasesTheSaveAndStartsAtLevelOne) {
    sessionRig rig("2011000");
    rig.reachMenu();
    rig.press({keyCode::up});
    rig.pass(8);
    rig.press({keyCode::enter});
    rig.press({keyCode::w});
    rig.pass(8);
    rig.press({keyCode::enter}); // "start new game - erase old game"
    EXPECT_EQ(rig.savedGame(), "0000000");
    ASSERT_TRUE(rig.runUntil(gameState::inGame, 200));
    rig.pass();
    EXPECT_EQ(rig.session->levels.current, 1);
    for (const bool won : rig.session->world.car.progressFlags) {
        EXPECT_FALSE(won);
    }
}

TEST(TitleMenu, ExitQuitsAndLeavesTheSavedGameAlone) {
    sessionRig rig("1010101");
    rig.reachMenu();
    rig.press({keyCode::up});
    rig.pass(8);
    rig.press({keyCode::up}); // round from "new game" to "exit"
    rig.pass(8);
    rig.hold({keyCode::enter});
    EXPECT_TRUE(rig.session->flags.quit); // the main loop ends after this pass
    EXPECT_EQ(rig.savedGame(), "1010101");
}

TEST(SavedGame, AFileOfTheWrongLengthIsReplacedByANewGame) {
    const struct {
        const char *onDisk;
        const char *afterReading;
    } cases[] = {{"20", "0000000"},
                 {"20000000", "0000000"},
                 {"1000000\n", "1000000\n"},
                 {"2000000\r\n", "2000000\r\n"}};
    for (const auto &c : cases) {
        sessionRig rig(c.onDisk);
        rig.runUntil(gameState::title);
        EXPECT_EQ(rig.savedGame(), c.afterReading) << c.onDisk;
    }
}

TEST(SavedGame, ProgressSavesTheCheckpointOfTheCurrentLevel) {
    sessionRig rig;
    playerCar &car = rig.session->world.car;
    car.progressFlags[1] = true;
    const struct {
        int level;
        const char *saved;
    } cases[] = {{3, "0010000"}, {4, "1010000"}, {5, "1010000"}, {6, "2010000"}, {17, "2010000"}};
    for (const auto &c : cases) {
        rig.session->levels.current = c.level;
        EXPECT_TRUE(saveProgress(scriptServicesOf(rig.session->context), c.level, car.progressFlags));
        EXPECT_EQ(rig.savedGame(), c.saved) << c.level;
    }
}

TEST(PauseMenu, CursorWrapsTogglesWriteAtOnceAndACursorKeyCancelsClosing) {
    sessionRig rig;
    rig.startPlayAt(5);
    rig.pass();
    rig.press({keyCode::esc});
    ASSERT_EQ(rig.context().state, gameState::paused);
    rig.pass(20);
    rig.press({keyCode::w});
    EXPECT_EQ(rig.context().pauseMenu.cursor, 2);
    rig.press({keyCode::s});
    EXPECT_EQ(rig.context().pauseMenu.cursor, 0);
    rig.press({keyCode::s});
    rig.press({keyCode::enter}); // settings
    EXPECT_EQ(rig.context().pauseMenu.page, menuPage::settings);
    EXPECT_EQ(rig.context().pauseMenu.cursor, settingsPage::goBackItem);
    rig.press({keyCode::up});
    rig.press({keyCode::enter}); // 30 fps toggle
    EXPECT_TRUE(rig.session->flags.thirtyFps);
    EXPECT_EQ(rig.settings(), "01");
    EXPECT_EQ(rig.context().pauseSettings.thirtyFpsLabel, " - on");
    rig.press({keyCode::s});
    rig.press({keyCode::enter}); // go back
    EXPECT_EQ(rig.context().pauseMenu.page, menuPage::main);
    EXPECT_EQ(rig.context().pauseMenu.cursor, 1);

    rig.press({keyCode::esc}); // closes the box …
    rig.pass(3);
    rig.press({keyCode::down}); // … but a cursor key brings it back
    rig.pass(40);
    EXPECT_EQ(rig.context().state, gameState::paused);
    rig.press({keyCode::esc});
    ASSERT_TRUE(rig.runUntil(gameState::inGame, 60));
    EXPECT_TRUE(rig.context().entered); // play goes on where it stopped
}

TEST(PauseMenu, KeysDoNothingOnceReturnToTitleIsChosen) {
    sessionRig rig;
    rig.startPlayAt(5);
    rig.pass();
    rig.press({keyCode::esc});
    rig.pass(20);
    rig.press({keyCode::w});
    rig.press({keyCode::enter});
    EXPECT_EQ(rig.context().pauseMenu.page, menuPage::title);
    rig.press({keyCode::down});
    EXPECT_EQ(rig.context().pauseMenu.cursor, 2);
    ASSERT_TRUE(rig.runUntil(gameState::logoAnim, 60));
}
