#include "levels/levelZero.h"

#include <cmath>

#include "app/saveGame.h"
#include "app/settingsFile.h"
#include "app/textBox.h"
#include "levels/levelLayout.h"
#include "levels/levelList.h"
#include "levels/tileCodes.h"
#include "media/wrapping.h"
#include "objects/objectWorld.h"

namespace {

constexpr double restingSpin = -0.01;
constexpr int cursorCooldown = 7;
constexpr double circleCentreX = 14.0;
constexpr double circleCentreY = 16.0;

const char *onOff(bool on) {
    return on ? " - on" : " - off";
}

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
    cursor = 0;
    cooldown = 0;
    spin = restingSpin;
    spinning = true;
    starting = false;
    flameCount = 0;
    continueLabel = "continue";
    thirtyFpsLabel = " - off";
    fullscreenLabel = " - off";
    page = "main";
}

bool levelZero::hasContinue(const objectWorld &world) const {
    return world.levels.startLevel > 1;
}

int levelZero::itemCount(const objectWorld &world) const {
    if (page == "newGame") {
        return 2;
    }
    if (page == "settings") {
        return 3;
    }
    return hasContinue(world) ? 4 : 3;
}

std::string levelZero::itemText(const objectWorld &world, int item) const {
    if (page == "newGame") {
        return item == 0 ? "start new game - erase old game" : "go back";
    }
    if (page == "settings") {
        return item == 0   ? "fullscreen toggle" + fullscreenLabel
               : item == 1 ? "30 fps toggle" + thirtyFpsLabel
                           : "go back";
    }
    if (hasContinue(world)) {
        static const char *const withContinue[] = {"new game", nullptr, "settings", "exit"};
        return item == 1 ? continueLabel : withContinue[item];
    }
    static const char *const plain[] = {"new game", "settings", "exit"};
    return plain[item];
}

void levelZero::buildMenu(objectWorld &world) {
    cooldown = 0;
    spin = restingSpin;
    spinning = true;
    starting = false;
    textBox &text = *world.text;
    if (hasContinue(world)) {
        for (const bool won : world.car.progressFlags) {
            flameCount += won;
        }
        continueLabel = flameLabel(flameCount);
        cursor = 1;
        text.addMenuLine("new game", false);
        text.addMenuLine("_" + continueLabel, false);
        text.addMenuLine("settings", false);
        text.addMenuLine("exit", false);
    } else {
        cursor = 0;
        text.addMenuLine("_new game", false);
        text.addMenuLine("settings", false);
        text.addMenuLine("exit", false);
    }
    thirtyFpsLabel = onOff(world.flags.thirtyFps);
    fullscreenLabel = onOff(world.flags.fullscreen);
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

void levelZero::readCursorKeys(objectWorld &world) {
    const keyboardState &keys = world.car.keyboard;
    if (keys.isKeyPressed(keyCode::s) || keys.isKeyPressed(keyCode::down)) {
        moveCursor(world, 1);
    }
    if (keys.isKeyPressed(keyCode::w) || keys.isKeyPressed(keyCode::up)) {
        moveCursor(world, -1);
    }
}

// Past the last item the cursor comes round to the first, and the other way.
void levelZero::moveCursor(objectWorld &world, int step) {
    const int count = itemCount(world);
    cursor = (cursor + step + count) % count;
    redrawPage(world);
    cooldown = cursorCooldown;
    spin *= 100;
}

// The item under the cursor writes itself in and pulses; the others are there at once, dim.
void levelZero::redrawPage(objectWorld &world) const {
    textBox &text = *world.text;
    text.commandMenu(textCommand::blank);
    for (int item = 0; item < itemCount(world); item++) {
        if (item == cursor) {
            text.addMenuLine("_" + itemText(world, item), false);
        } else {
            text.addMenuLine(itemText(world, item), true);
        }
    }
}

// A new page after an enter: every line writes itself in.
void levelZero::showPage(objectWorld &world, std::string_view newPage, int newCursor) {
    page = newPage;
    cursor = newCursor;
    textBox &text = *world.text;
    text.commandMenu(textCommand::blank);
    for (int item = 0; item < itemCount(world); item++) {
        text.addMenuLine((item == cursor ? "_" : "") + itemText(world, item), false);
    }
}

void levelZero::pressEnter(objectWorld &world) {
    if (page == "main") {
        pressEnterOnMain(world);
    } else if (page == "newGame") {
        pressEnterOnNewGame(world);
    } else if (page == "settings") {
        pressEnterOnSettings(world);
    }
}

void levelZero::pressEnterOnMain(objectWorld &world) {
    const bool withContinue = hasContinue(world);
    const int settingsItem = withContinue ? 2 : 1;
    if (cursor == 0) {
        if (withContinue) {
            showPage(world, "newGame", 1); // a saved game is only erased when asked twice
        } else {
            startGame(world);
        }
    } else if (withContinue && cursor == 1) {
        starting = true;
        spinning = false;
        world.fade.fadeOut();
        world.text->commandMenu(textCommand::menu);
    } else if (cursor == settingsItem) {
        showPage(world, "settings", 2);
    } else {
        world.flags.quit = true;
    }
}

void levelZero::pressEnterOnNewGame(objectWorld &world) {
    if (cursor == 0) {
        startGame(world);
    } else {
        showPage(world, "main", 0);
    }
}

void levelZero::pressEnterOnSettings(objectWorld &world) {
    if (cursor == 2) {
        showPage(world, "main", hasContinue(world) ? 2 : 1);
        return;
    }
    if (cursor == 0) {
        world.flags.fullscreen = !world.flags.fullscreen;
        fullscreenLabel = onOff(world.flags.fullscreen);
    } else {
        world.flags.thirtyFps = !world.flags.thirtyFps;
        thirtyFpsLabel = onOff(world.flags.thirtyFps);
    }
    showPage(world, "settings", cursor);
    if (world.files != nullptr) {
        saveSettings(world.flags, *world.files);
    }
}

void levelZero::startGame(objectWorld &world) {
    if (world.files != nullptr) {
        saveNewGame(*world.files);
    }
    world.levels.startLevel = 1;
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
