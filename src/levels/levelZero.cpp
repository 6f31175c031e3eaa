#include "levels/levelZero.h"

#include <cmath>

#include "levels/levelLayout.h"
#include "levels/levelList.h"
#include "levels/saveGame.h"
#include "levels/tileCodes.h"
#include "media/textBox.h"
#include "objects/objectWorld.h"
#include "platform/settingsFile.h"
#include "world/wrapping.h"

namespace {

constexpr double restingSpin = -0.01;
constexpr int cursorCooldown = 7;
constexpr double circleCentreX = 14.0;
constexpr double circleCentreY = 16.0;

std::string flameLabel(int flames) {
    if (flames < 1) {
        return "continue";
    }
    if (flames == 1) {
        return "continue - 1 flame";
    }
    return "continue - " + std::to_string(flames) + " flames";
}

} // namespace

void levelZero::setup() {
    beginLayout(*this, 30);
    placeObject(*this, objectCode::car, 14, 15);
    menuReady = 0;
    menu.page = menuPage::main;
    menu.cursor = 0;
    cooldown = 0;
    spin = restingSpin;
    spinning = true;
    starting = false;
    flameCount = 0;
    continueLabel = "continue";
    thirtyFpsLabel = " - off";
    fullscreenLabel = " - off";
}

bool levelZero::hasContinue() const {
    return list->startLevel > 1;
}

// The items of the page the menu is on.
void levelZero::fillPage() {
    switch (menu.page) {
    case menuPage::newGame:
        menu.setItems({"start new game - erase old game", "go back"});
        break;
    case menuPage::settings:
        menu.setSettingsItems(fullscreenLabel, thirtyFpsLabel);
        break;
    case menuPage::main:
    case menuPage::title:
        if (hasContinue()) {
            menu.setItems({"new game", continueLabel, "settings", "exit"});
        } else {
            menu.setItems({"new game", "settings", "exit"});
        }
        break;
    }
}

void levelZero::buildMenu(objectWorld &world) {
    cooldown = 0;
    spin = restingSpin;
    spinning = true;
    starting = false;
    if (hasContinue()) {
        for (const bool won : world.car.progressFlags) {
            flameCount += won;
        }
        continueLabel = flameLabel(flameCount);
    }
    thirtyFpsLabel = toggleLabel(world.flags.thirtyFps);
    fullscreenLabel = toggleLabel(world.flags.fullscreen);
    menu.cursor = hasContinue() ? 1 : 0; // a saved game offers to go on with it
    fillPage();
    menu.open(*world.text);
    world.view.x = 22.0;
    world.view.y = 14.0;
    world.view.light = 0;
    menuReady = 1;
}

void levelZero::script(objectWorld &world) {
    if (world.text == nullptr) {
        return;
    }
    if (menuReady == 0) {
        buildMenu(world);
    }
    if (cooldown > 0) {
        cooldown--;
    } else {
        if (!starting) {
            readCursorKeys(world);
        }
        if (world.car.keyboard.isKeyPressed(keyCode::enter)) {
            pressEnter(world);
        }
    }
    turnView(world);
}

// Each cursor move keeps the keys away for a few passes and whirls the view round.
void levelZero::readCursorKeys(objectWorld &world) {
    for (int moves = menu.readCursorKeys(world.car.keyboard, *world.text); moves > 0; moves--) {
        cooldown = cursorCooldown;
        spin *= 100;
    }
}

// A new page after an enter: every line writes itself in.
void levelZero::showPage(objectWorld &world, const menuPage newPage, const int newCursor) {
    menu.page = newPage;
    menu.cursor = newCursor;
    fillPage();
    menu.show(*world.text);
}

void levelZero::pressEnter(objectWorld &world) {
    switch (menu.page) {
    case menuPage::main:
        pressEnterOnMain(world);
        break;
    case menuPage::newGame:
        pressEnterOnNewGame(world);
        break;
    case menuPage::settings:
        pressEnterOnSettings(world);
        break;
    case menuPage::title:
        break;
    }
}

void levelZero::pressEnterOnMain(objectWorld &world) {
    const bool withContinue = hasContinue();
    const int settingsItem = withContinue ? 2 : 1;
    const int cursor = menu.cursor;
    if (cursor == 0) {
        if (withContinue) {
            showPage(world, menuPage::newGame, 1); // a saved game is only erased when asked twice
        } else {
            startGame(world);
        }
    } else if (withContinue && cursor == 1) {
        starting = true;
        spinning = false;
        world.fade.fadeOut();
        world.text->commandMenu(textCommand::menu);
    } else if (cursor == settingsItem) {
        showPage(world, menuPage::settings, 2);
    } else {
        world.flags.quit = true;
    }
}

void levelZero::pressEnterOnNewGame(objectWorld &world) {
    if (menu.cursor == 0) {
        startGame(world);
    } else {
        showPage(world, menuPage::main, 0);
    }
}

void levelZero::pressEnterOnSettings(objectWorld &world) {
    const int cursor = menu.cursor;
    if (cursor == 2) {
        showPage(world, menuPage::main, hasContinue() ? 2 : 1);
        return;
    }
    if (cursor == 0) {
        world.flags.fullscreen = !world.flags.fullscreen;
        fullscreenLabel = toggleLabel(world.flags.fullscreen);
    } else {
        world.flags.thirtyFps = !world.flags.thirtyFps;
        thirtyFpsLabel = toggleLabel(world.flags.thirtyFps);
    }
    showPage(world, menuPage::settings, cursor);
    if (world.files != nullptr) {
        saveSettings(world.flags, *world.files);
    }
}

void levelZero::startGame(objectWorld &world) {
    if (world.files != nullptr) {
        saveNewGame(*world.files);
    }
    list->startLevel = 1;
    for (bool &won : world.car.progressFlags) {
        won = false;
    }
    starting = true;
    spinning = false;
    world.fade.fadeOut();
    world.text->commandMenu(textCommand::menu);
}

// The view circles the title scene, fast for a moment after each cursor move; once a game
// is chosen it glides in towards the centre while the screen fades out.
void levelZero::turnView(objectWorld &world) {
    camera &view = world.view;
    if (spinning) {
        spin = spin < restingSpin ? spin / 2 : restingSpin;
        rotateVector(view.dirX, view.dirY, spin);
        rotateVector(view.planeX, view.planeY, spin);
        double dx = view.x - circleCentreX;
        double dy = view.y - circleCentreY;
        rotateVector(dx, dy, spin);
        view.x = circleCentreX + dx;
        view.y = circleCentreY + dy;
        view.heading = wrapDegrees(view.heading - spin * 360 / 6);
    } else if (world.fade.fadeLevel <= 4) {
        view.x += (circleCentreX - view.x) / 9;
        view.y += (circleCentreY - view.y) / 9;
    }
}
