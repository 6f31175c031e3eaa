#include "levels/levelZero.h"

#include <cmath>

#include "levels/levelLayout.h"
#include "levels/levelList.h"
#include "levels/saveGame.h"
#include "levels/scriptServices.h"
#include "levels/tileCodes.h"
#include "media/textBox.h"
#include "objects/objectWorld.h"
#include "platform/dataFiles.h"
#include "player/menuKeys.h"
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
    placeObject(*this, objectKind::car, 14, 15);
    menuReady = 0;
    menu.page = menuPage::main;
    menu.cursor = 0;
    cooldown = 0;
    spin = restingSpin;
    spinning = true;
    starting = false;
    flameCount = 0;
    continueLabel = "continue";
    settings = settingsPage{};
}

bool levelZero::hasContinue() const {
    return list->startLevel > 1;
}

// The items of the page the menu is on.
void levelZero::fillPage(const objectWorld &world) {
    switch (menu.page) {
    case menuPage::newGame:
        menu.setItems({"start new game - erase old game", "go back"});
        break;
    case menuPage::settings:
    case menuPage::controls:
        settings.fill(menu, world);
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

void levelZero::buildMenu(objectWorld &world, const scriptServices &services) {
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
    settings.readFlags(services.flags);
    menu.cursor = hasContinue() ? 1 : 0; // a saved game offers to go on with it
    fillPage(world);
    menu.open(services.text);
    world.view.x = 22.0;
    world.view.y = 14.0;
    world.view.light = 0;
    menuReady = 1;
}

void levelZero::script(objectWorld &world, const scriptServices &services) {
    if (menuReady == 0) {
        buildMenu(world, services);
    }
    if (cooldown > 0) {
        cooldown--;
    } else {
        if (!starting && !settings.waitingForKey()) {
            readCursorKeys(services);
        }
        if (menu.page == menuPage::settings || menu.page == menuPage::controls) {
            readSettingsKeys(world, services);
        } else if (menuKeyPressed(services.keyboard, menuKey::choose)) {
            pressEnter(world, services);
        }
    }
    turnView(world);
}

// Each cursor move keeps the keys away for a few passes and whirls the view round.
void levelZero::readCursorKeys(const scriptServices &services) {
    for (int moves = menu.readCursorKeys(services.keyboard, services.text); moves > 0; moves--) {
        cooldown = cursorCooldown;
        spin *= 100;
    }
}

// A new page after an enter: every line writes itself in.
void levelZero::showPage(objectWorld &world, const scriptServices &services, const menuPage newPage,
                         const int newCursor) {
    menu.page = newPage;
    menu.cursor = newCursor;
    fillPage(world);
    menu.show(services.text);
}

void levelZero::pressEnter(objectWorld &world, const scriptServices &services) {
    switch (menu.page) {
    case menuPage::main:
        pressEnterOnMain(world, services);
        break;
    case menuPage::newGame:
        pressEnterOnNewGame(world, services);
        break;
    case menuPage::settings:
    case menuPage::controls:
    case menuPage::title:
        break;
    }
}

void levelZero::pressEnterOnMain(objectWorld &world, const scriptServices &services) {
    const bool withContinue = hasContinue();
    const int settingsItem = withContinue ? 2 : 1;
    const int cursor = menu.cursor;
    if (cursor == 0) {
        if (withContinue) {
            showPage(world, services, menuPage::newGame, 1); // a saved game is only erased when asked twice
        } else {
            startGame(world, services);
        }
    } else if (withContinue && cursor == 1) {
        starting = true;
        spinning = false;
        world.fade.fadeOut();
        services.text.commandMenu(textCommand::menu);
    } else if (cursor == settingsItem) {
        settings.open(menu, world, services);
    } else {
        services.flags.quit = true;
    }
}

void levelZero::pressEnterOnNewGame(objectWorld &world, const scriptServices &services) {
    if (menu.cursor == 0) {
        startGame(world, services);
    } else {
        showPage(world, services, menuPage::main, 0);
    }
}

// Back from the settings: the main page with the cursor on "settings".
void levelZero::readSettingsKeys(objectWorld &world, const scriptServices &services) {
    if (settings.readKeys(menu, world, services)) {
        showPage(world, services, menuPage::main, hasContinue() ? 2 : 1);
    }
}

void levelZero::startGame(objectWorld &world, const scriptServices &services) {
    saveNewGame(services);
    list->startLevel = 1;
    for (bool &won : world.car.progressFlags) {
        won = false;
    }
    starting = true;
    spinning = false;
    world.fade.fadeOut();
    services.text.commandMenu(textCommand::menu);
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
