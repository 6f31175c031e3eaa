#include "app/pauseMenu.h"

#include "app/stateContext.h"
#include "levels/saveGame.h"
#include "levels/scriptServices.h"
#include "media/textBox.h"
#include "player/keyboardState.h"

namespace {

// The items of the page the menu is on; "paused" and a rule stand above every page.
void fillPage(stateContext &context) {
    menuPages &menu = context.pauseMenu;
    menu.setHeaders({"paused", "---------"});
    if (menu.page == menuPage::settings) {
        context.pauseSettings.fill(menu);
    } else {
        menu.setItems({"unpause", "settings", "return to title"});
    }
}

// "go back" from the settings: the main page with the cursor on "settings", the headers at
// once and every item writing itself in.
void showMainPage(stateContext &context) {
    context.pauseMenu.page = menuPage::main;
    context.pauseMenu.cursor = 1;
    fillPage(context);
    context.pauseMenu.show(context.text);
}

void pressEnter(stateContext &context) {
    textBox &text = context.text;
    menuPages &menu = context.pauseMenu;
    if (menu.page == menuPage::main) {
        if (menu.cursor == 0) {
            text.commandMenu(textCommand::menu);
        } else if (menu.cursor == 1) {
            context.pauseSettings.open(menu, text);
        } else {
            text.commandMenu(textCommand::menu);
            menu.page = menuPage::title;
        }
    } else if (menu.page == menuPage::settings) {
        if (context.pauseSettings.pressEnter(menu, scriptServicesOf(context))) {
            showMainPage(context);
        }
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
    const keyboardState &keys = context.keyboard;
    menuPages &menu = context.pauseMenu;
    if (menu.page != menuPage::title) {
        menu.readCursorKeys(keys, context.text);
    }
    if (keys.isKeyPressed(keyCode::enter)) {
        pressEnter(context);
    }
    if (menu.page == menuPage::main && keys.isKeyPressed(keyCode::esc)) {
        context.text.commandMenu(textCommand::menu);
    }
}
