#include "levels/settingsPage.h"

#include "levels/keyWords.h"
#include "levels/menuPages.h"
#include "levels/saveGame.h"
#include "levels/scriptServices.h"
#include "objects/objectWorld.h"
#include "platform/gameFlags.h"
#include "player/menuKeys.h"
#include "player/optionsFile.h"

namespace {

// The controls page: the actions, then these two.
constexpr int defaultsItem = choosableActionCount;
constexpr int controlsGoBackItem = choosableActionCount + 1;
static_assert(controlsGoBackItem < maxMenuItems, "the controls page holds every action");

// Above the actions the page's own heading and how a key is changed; below them the keys
// that are always the same. No rule under the heading: in play, with one action more, the
// page ends just above the dashboard.
constexpr std::string_view controlsHeading = "controls";
constexpr std::string_view howToChange = "change a key - enter then the new key";
constexpr std::string_view screenshotKeys = "screenshot - f12";
constexpr std::string_view fullscreenKeys = "fullscreen - alt enter";

const char *toggleLabel(const bool on) {
    return on ? " - on" : " - off";
}

std::string volumeLine(const char *name, const int volume) {
    return std::string(name) + " - " + std::to_string(volume);
}

// "steer left - a or left".
std::string actionLine(const choosableAction &choice, const keyBindings &bindings, const bool waiting) {
    const keyText keys = actionKeysText(bindings.keysOf(choice.action));
    return std::string(choice.label) + " - " + std::string(waiting ? "press a key" : keys.view());
}

// One line for each action the player can bind, however many the list holds.
void fillControls(menuPages &menu, const objectWorld &world, const int waitingAction) {
    menu.setPageHeaders({controlsHeading, howToChange});
    menu.setNotes({screenshotKeys, fullscreenKeys});
    menu.itemCount = 0;
    for (int line = 0; line < choosableActionCount; line++) {
        menu.items[menu.itemCount++] =
            actionLine(choosableActions[line], world.car.bindings, line == waitingAction);
    }
    menu.items[menu.itemCount++] = "defaults";
    menu.items[menu.itemCount++] = "go back";
}

// The first key pressed this pass that can be bound, if any: a key of the keyboard with a name.
bool keyPressedThisPass(const keyboardState &keys, keyCode &found) {
    for (int index = 0; index < keyboardKeyCount; index++) {
        const keyCode key = static_cast<keyCode>(index);
        if (keys.isKeyPressed(key) && !keyName(key).empty()) {
            found = key;
            return true;
        }
    }
    return false;
}

// The new key takes the first place of the action's keys; an action that had it before
// takes the key it replaced, so no key drives two actions.
void bindKey(keyBindings &bindings, const keyAction action, const keyCode key) {
    actionKeys &keys = bindings.keysOf(action);
    const keyCode replaced = keys.keys[0];
    keys.keys[0] = key;
    if (keys.count == 2 && keys.keys[1] == key) {
        keys.count = 1;
    }
    for (const choosableAction &other : choosableActions) {
        actionKeys &otherKeys = bindings.keysOf(other.action);
        if (other.action == action) {
            continue;
        }
        for (int index = 0; index < otherKeys.count; index++) {
            if (otherKeys.keys[index] == key) {
                otherKeys.keys[index] = replaced;
            }
        }
        if (otherKeys.count == 2 && otherKeys.keys[0] == otherKeys.keys[1]) {
            otherKeys.count = 1;
        }
    }
}

} // namespace

void settingsPage::readFlags(const gameFlags &flags) {
    fullscreenLabel = toggleLabel(flags.fullscreen);
    thirtyFpsLabel = toggleLabel(flags.thirtyFps);
}

void settingsPage::fill(menuPages &menu, const objectWorld &world) const {
    // The settings page shows the menu's own headers and no notes.
    menu.setPageHeaders({});
    menu.setNotes({});
    if (menu.page == menuPage::controls) {
        fillControls(menu, world, waitingAction);
        return;
    }
    menu.setItems({"fullscreen toggle" + fullscreenLabel, volumeLine("brightness", world.brightness),
                   volumeLine("music volume", world.volumes.music),
                   volumeLine("effects volume", world.volumes.effects), "controls",
                   "30 fps toggle" + thirtyFpsLabel, "go back"});
}

void settingsPage::open(menuPages &menu, objectWorld &world, const scriptServices &services) const {
    menu.page = menuPage::settings;
    menu.cursor = goBackItem;
    fill(menu, world);
    menu.show(services.text);
}

// The page afresh with the cursor where it was, every item writing itself in.
void settingsPage::showAgain(menuPages &menu, objectWorld &world, const scriptServices &services) const {
    fill(menu, world);
    menu.show(services.text);
}

bool settingsPage::readKeys(menuPages &menu, objectWorld &world, const scriptServices &services) {
    if (menu.page == menuPage::controls) {
        readControlsKeys(menu, world, services);
        return false;
    }
    return readSettingsKeys(menu, world, services);
}

bool settingsPage::readSettingsKeys(menuPages &menu, objectWorld &world, const scriptServices &services) {
    const keyboardState &keys = services.keyboard;
    const bool onLevel =
        menu.cursor == brightnessItem || menu.cursor == musicItem || menu.cursor == effectsItem;
    if (onLevel && menuKeyPressed(keys, menuKey::left)) {
        changeLevel(menu, world, services, -1, false);
    }
    if (onLevel && menuKeyPressed(keys, menuKey::right)) {
        changeLevel(menu, world, services, 1, false);
    }
    if (menuKeyPressed(keys, menuKey::back)) {
        return true;
    }
    if (!menuKeyPressed(keys, menuKey::choose)) {
        return false;
    }
    gameFlags &flags = services.flags;
    switch (menu.cursor) {
    case goBackItem:
        return true;
    case fullscreenItem:
        flags.fullscreen = !flags.fullscreen;
        fullscreenLabel = toggleLabel(flags.fullscreen);
        break;
    case thirtyFpsItem:
        flags.thirtyFps = !flags.thirtyFps;
        thirtyFpsLabel = toggleLabel(flags.thirtyFps);
        break;
    case brightnessItem:
    case musicItem:
    case effectsItem:
        changeLevel(menu, world, services, 1, true);
        return false;
    case controlsItem:
        menu.page = menuPage::controls;
        menu.cursor = 0;
        showAgain(menu, world, services);
        return false;
    }
    showAgain(menu, world, services);
    saveDisplaySettings(services);
    return false;
}

// A volume or the brightness: left and right stop at 0 and 10; choose goes round from 10 to 0.
void settingsPage::changeLevel(menuPages &menu, objectWorld &world, const scriptServices &services,
                               const int step, const bool wrap) {
    static_assert(maxBrightness == fullVolume);
    int &level = menu.cursor == brightnessItem ? world.brightness
                 : menu.cursor == musicItem    ? world.volumes.music
                                               : world.volumes.effects;
    int changed = level + step;
    if (changed > fullVolume) {
        changed = wrap ? 0 : fullVolume;
    }
    if (changed < 0) {
        changed = 0;
    }
    if (changed == level) {
        return;
    }
    level = changed;
    fill(menu, world);
    menu.redraw(services.text);
    saveOptions(services, world);
}

void settingsPage::readControlsKeys(menuPages &menu, objectWorld &world, const scriptServices &services) {
    const keyboardState &keys = services.keyboard;
    if (waitingForKey()) {
        bindWaitingAction(menu, world, services);
        return;
    }
    if (menuKeyPressed(keys, menuKey::back) ||
        (menuKeyPressed(keys, menuKey::choose) && menu.cursor == controlsGoBackItem)) {
        menu.page = menuPage::settings;
        menu.cursor = controlsItem;
        showAgain(menu, world, services);
        return;
    }
    if (!menuKeyPressed(keys, menuKey::choose)) {
        return;
    }
    if (menu.cursor == defaultsItem) {
        world.car.bindings.restoreDefaults();
        saveOptions(services, world);
    } else {
        waitingAction = menu.cursor;
    }
    showAgain(menu, world, services);
}

// Esc (or the pad's back button) gives up the wait and keeps the keys as they were.
void settingsPage::bindWaitingAction(menuPages &menu, objectWorld &world, const scriptServices &services) {
    keyCode key = keyCode::esc;
    if (!keyPressedThisPass(services.keyboard, key) && !services.keyboard.isKeyPressed(keyCode::padB)) {
        return;
    }
    if (key != keyCode::esc) {
        bindKey(world.car.bindings, choosableActions[waitingAction].action, key);
        saveOptions(services, world);
    }
    waitingAction = -1;
    showAgain(menu, world, services);
}
