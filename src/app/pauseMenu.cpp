#include "app/pauseMenu.h"

#include "app/stateContext.h"
#include "levels/saveGame.h"
#include "media/textBox.h"
#include "player/keyboardState.h"

namespace {

// The items of the page the menu is on; "paused" and a rule stand above every page.
void fillPage(stateContext &context) {
    menuPages &menu = context.pauseMenu;
    menu.setHeaders({"paused", "---------"});
    if (menu.page == menuPage::settings) {
        menu.setSettingsItems(context.fullscreenLabel, context.thirtyFpsLabel);
    } else {
        menu.setItems({"unpause", "settings", "return to title"});
    }
}

// After a page change or a toggle: the headers at once, every item writing itself in.
void showPage(stateContext &context, const menuPage page, const int cursor) {
    context.pauseMenu.page = page;
    context.pauseMenu.cursor = cursor;
    fillPage(context);
    context.pauseMenu.show(*context.text);
}

void toggle(stateContext &context, bool &flag, std::string &label) {
    flag = !flag;
    label = toggleLabel(flag);
    showPage(context, menuPage::settings, context.pauseMenu.cursor);
    if (context.world != nullptr) {
        saveDisplaySettings(*context.world);
    }
}

void pressEnter(stateContext &context) {
    textBox &text = *context.text;
    gameFlags &flags = *context.flags;
    menuPages &menu = context.pauseMenu;
    if (menu.page == menuPage::main) {
        if (menu.cursor == 0) {
            text.commandMenu(textCommand::menu);
        } else if (menu.cursor == 1) {
            showPage(context, menuPage::settings, 2);
        } else {
            text.commandMenu(textCommand::menu);
            menu.page = menuPage::title;
        }
    } else if (menu.page == menuPage::settings) {
        if (menu.cursor == 0) {
            toggle(context, flags.fullscreen, context.fullscreenLabel);
        } else if (menu.cursor == 1) {
            toggle(context, flags.thirtyFps, context.thirtyFpsLabel);
        } else {
            showPage(context, menuPage::main, 1);
        }
    }
}

} // namespace

void enterPauseMenu(stateContext &context) {
    context.pauseMenu.cursor = 0;
    context.thirtyFpsLabel = toggleLabel(context.flags->thirtyFps);
    context.fullscreenLabel = toggleLabel(context.flags->fullscreen);
    fillPage(context);
    context.pauseMenu.open(*context.text);
}

// Once "return to title" is chosen the box only closes: no key moves it any more.
void handlePauseKeys(stateContext &context) {
    const keyboardState &keys = *context.keyboard;
    menuPages &menu = context.pauseMenu;
    if (menu.page != menuPage::title) {
        menu.readCursorKeys(keys, *context.text);
    }
    if (keys.isKeyPressed(keyCode::enter)) {
        pressEnter(context);
    }
    if (menu.page == menuPage::main && keys.isKeyPressed(keyCode::esc)) {
        context.text->commandMenu(textCommand::menu);
    }
}
