#include "levels/settingsPage.h"

#include "levels/menuPages.h"
#include "levels/saveGame.h"
#include "levels/scriptServices.h"
#include "platform/gameFlags.h"

namespace {

enum settingsItem { fullscreenItem, thirtyFpsItem };

const char *toggleLabel(const bool on) {
    return on ? " - on" : " - off";
}

} // namespace

void settingsPage::readFlags(const gameFlags &flags) {
    fullscreenLabel = toggleLabel(flags.fullscreen);
    thirtyFpsLabel = toggleLabel(flags.thirtyFps);
}

void settingsPage::fill(menuPages &menu) const {
    menu.setItems({"fullscreen toggle" + fullscreenLabel, "30 fps toggle" + thirtyFpsLabel, "go back"});
}

void settingsPage::open(menuPages &menu, textBox &text) const {
    menu.page = menuPage::settings;
    menu.cursor = goBackItem;
    fill(menu);
    menu.show(text);
}

bool settingsPage::pressEnter(menuPages &menu, const scriptServices &services) {
    if (menu.cursor == goBackItem) {
        return true;
    }
    gameFlags &flags = services.flags;
    if (menu.cursor == fullscreenItem) {
        flags.fullscreen = !flags.fullscreen;
        fullscreenLabel = toggleLabel(flags.fullscreen);
    } else {
        flags.thirtyFps = !flags.thirtyFps;
        thirtyFpsLabel = toggleLabel(flags.thirtyFps);
    }
    fill(menu);
    menu.show(services.text);
    saveDisplaySettings(services);
    return false;
}
