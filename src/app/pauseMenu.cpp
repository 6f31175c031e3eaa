#include "app/pauseMenu.h"

#include "app/stateContext.h"
#include "levels/saveGame.h"
#include "levels/scriptServices.h"
#include "media/textBox.h"
#include "objects/objectWorld.h"
#include "player/menuKeys.h"

namespace {

// The items of the page the menu is on; "paused" and a rule stand above every page.
void fillPage(stateContext &context) {
    menuPages &menu = context.pauseMenu;
    menu.setHeaders({"paused", "---------"});
    if (menu.page == menuPage::settings || menu.page == menuPage::controls) {
        context.pauseSettings.fill(menu, context.world);
    } else {
        menu.setItems({"unpause", "settings", "return to title"});
    }
}

// Back from the settings: the main page with the cursor on "settings", the headers at
// once and every item writing itself in.
void showMainPage(stateContext &context) {
    context.pauseMenu.page = menuPage::main;
    context.pauseMenu.cursor = 1;
    fillPage(context);
    context.pauseMenu.show(context.text);
}

void pressEnterOnMain(stateContext &context) {
    textBox &text = context.text;
    menuPages &menu = context.pauseMenu;
    if (menu.cursor == 0) {
        text.commandMenu(textCommand::menu);
    } else if (menu.cursor == 1) {
        context.pauseSettings.open(menu, context.world, scriptServicesOf(context));
    } else {
        text.commandMenu(textCommand::menu);
        menu.page = menuPage::title;
    }
}

// On the main page esc, like the pause key that opened the menu, closes it again.
void readMainPageKeys(stateContext &context) {
    const keyboardState &keys = context.keyboard;
    if (menuKeyPressed(keys, menuKey::choose)) {
        pressEnterOnMain(context);
    }
    if (context.pauseMenu.page == menuPage::main &&
        (menuKeyPressed(keys, menuKey::back) ||
         context.world.car.bindings.pressedThisPass(keyAction::pauseKey))) {
        context.text.commandMenu(textCommand::menu);
    }
}

} // namespace

void enterPauseMenu(stateContext &context) {
    context.pauseMenu.cursor = 0;
    context.pauseSettings.readFlags(context.flags);
    fillPage(context);
    context.pauseMenu.open(context.text);
}

// Once "return to title" is chosen the box only closes: no key moves it any more.
void handlePauseKeys(stateContext &context) {
    menuPages &menu = context.pauseMenu;
    settingsPage &settings = context.pauseSettings;
    if (menu.page != menuPage::title && !settings.waitingForKey()) {
        menu.readCursorKeys(context.keyboard, context.text);
    }
    switch (menu.page) {
    case menuPage::main:
        readMainPageKeys(context);
        break;
    case menuPage::settings:
    case menuPage::controls:
        if (settings.readKeys(menu, context.world, scriptServicesOf(context))) {
            showMainPage(context);
        }
        break;
    case menuPage::newGame:
    case menuPage::title:
        break;
    }
}
