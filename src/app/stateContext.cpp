#include "app/stateContext.h"

#include "app/pauseMenu.h"
#include "levels/levelList.h"
#include "levels/loadLevelObjects.h"
#include "levels/saveGame.h"
#include "levels/scriptServices.h"
#include "media/soundBank.h"
#include "media/textBox.h"
#include "objects/buildSpriteList.h"
#include "objects/objectWorld.h"
#include "objects/worldStep.h"
#include "platform/dataFiles.h"
#include "platform/settingsFile.h"
#include "player/carView.h"
#include "player/menuKeys.h"

stateContext::stateContext(gameFlags &switches, levelList &allLevels, objectWorld &objects, textBox &lines,
                           const keyboardState &keys, dataFiles &folder, soundBank &bank)
    : flags(switches), levels(allLevels), world(objects), text(lines), keyboard(keys), files(folder),
      sounds(bank) {}

scriptServices scriptServicesOf(const stateContext &context) {
    return {
        .text = context.text, .files = context.files, .flags = context.flags, .keyboard = context.keyboard};
}

namespace {

void changeState(stateContext &context, const gameState state) {
    context.state = state;
    context.entered = false;
}

// The logo plays one frame a pass. On every pass of it the flags the settings file
// switched on are switched on again, so a return to the title restores them.
void updateLogo(stateContext &context) {
    applySettingsText(context.settingsText, context.flags);
    if (context.logoCounter >= logoLastFrame) {
        context.gameSaveText = readSavedGame(context.files, context.levels, context.world.car);
        tellUnreadFiles(context.files, context.text);
        context.logoCounter = logoLastFrame;
        changeState(context, gameState::title);
        return;
    }
    context.logoCounter++;
}

// The title picture with "press enter"; enter flickers the hint out and the menu follows
// once its last letter is gone.
void updateTitle(stateContext &context) {
    textBox &text = context.text;
    if (!context.entered) {
        text.showHint(446, 439, "press enter", true);
        context.entered = true;
    }
    updateObjects(context.world);
    text.updateHint();
    if (menuKeyPressed(context.keyboard, menuKey::choose)) {
        text.commandHint(textCommand::flicker);
        context.world.fade.fadeOut();
    }
    if (text.hintFinished) {
        changeState(context, gameState::introMenu);
    }
}

// The title level with its menu; play begins once the closing menu box is empty.
void updateIntroMenu(stateContext &context) {
    objectWorld &world = context.world;
    const scriptServices services = scriptServicesOf(context);
    if (!context.entered) {
        loadLevelObjects(context.levels, true, 0, world, services);
        world.fade.fadeIn();
        context.entered = true;
    }
    context.levels.runLevelScript(world, services);
    context.text.updateMenu();
    updateObjects(world);
    buildSpriteList(world);
    if (context.text.menuFinished) {
        changeState(context, gameState::inGame);
    }
}

// A game continued from the crossroads starts on the road into it.
void placeCarAtCrossroads(playerCar &car) {
    car.placeAt({.x = 54.0,
                 .y = 32.0,
                 .dirX = -0.862741,
                 .dirY = 0.505645,
                 .planeX = 0.404517,
                 .planeY = 0.690193,
                 .heading = 30.3737});
}

// Driving. The entry pass only enters the level; after it: pause on the pause key (the
// rest of the pass still runs), the level's script, the world, the text, the sprites, the camera.
void updatePlay(stateContext &context) {
    objectWorld &world = context.world;
    levelList &levels = context.levels;
    const scriptServices services = scriptServicesOf(context);
    if (!context.entered) {
        if (levels.startLevel == 6) {
            placeCarAtCrossroads(world.car);
        }
        loadLevelObjects(levels, true, levels.startLevel, world, services);
        context.entered = true;
        return;
    }
    // Another window taking the keyboard, or the window iconified, pauses as the key does.
    if (world.car.bindings.pressedThisPass(keyAction::pauseKey) || context.keyboard.focusLost) {
        changeState(context, gameState::paused);
    }
    levels.runLevelScript(world, services);
    updateObjects(world);
    context.text.updateMessages();
    context.text.updateHint();
    // The recalled message is drawn apart from the areas the scripts read: nothing else changes.
    if (world.car.bindings.pressedThisPass(keyAction::recallKey)) {
        context.text.recalled.recall();
    }
    context.text.recalled.update();
    buildSpriteList(world);
    followCar(world.view, world.car);
}

// The pause menu over the frozen level: nothing of the world moves.
void updatePaused(stateContext &context) {
    if (!context.entered) {
        enterPauseMenu(context);
        context.entered = true;
        return;
    }
    handlePauseKeys(context);
    context.text.updateMenu();
    if (!context.text.menuFinished) {
        return;
    }
    if (context.pauseMenu.page == menuPage::title) {
        returnToTitle(context);
    } else {
        context.state = gameState::inGame; // entered stays set: play goes on where it stopped
    }
}

} // namespace

void returnToTitle(stateContext &context) {
    changeState(context, gameState::logoAnim);
    context.pauseMenu.cursor = 0;
    context.pauseMenu.page = menuPage::main;
    context.pauseSettings = settingsPage{};
    context.logoCounter = 0;
    context.levels.resetLevels();
    context.world.car.resetPlayerCar();
    context.world.view.resetCamera();
    context.sounds.resetSound();
    context.text.commandMessages(textCommand::blank);
    context.text.recalled.forget();
}

void updateState(stateContext &context) {
    context.world.car.bindings.menuShown = context.state != gameState::inGame;
    switch (context.state) {
    case gameState::logoAnim:
        updateLogo(context);
        break;
    case gameState::title:
        updateTitle(context);
        break;
    case gameState::introMenu:
        updateIntroMenu(context);
        break;
    case gameState::inGame:
        updatePlay(context);
        break;
    case gameState::paused:
        updatePaused(context);
        break;
    }
}
