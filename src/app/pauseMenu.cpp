#include "app/pauseMenu.h"

#include <string>

#include "app/settingsFile.h"
#include "app/stateContext.h"
#include "app/textBox.h"
#include "player/keyboardState.h"

namespace {

const char *onOff(bool on) {
    return on ? " - on" : " - off";
}

std::string pageItem(const stateContext &context, int item) {
    if (context.menuPage == "settings") {
        return item == 0   ? "fullscreen toggle" + context.fullscreenLabel
               : item == 1 ? "30 fps toggle" + context.thirtyFpsLabel
                           : std::string("go back");
    }
    static const char *const mainItems[] = {"unpause", "settings", "return to title"};
    return mainItems[item];
}

void addHeaders(textBox &text, bool instant) {
    text.addMenuLine("paused", instant);
    text.addMenuLine("---------", instant);
}

// After a cursor move: the headers and the other items at once, the one under the cursor
// writing itself in.
void redraw(stateContext &context) {
    textBox &text = *context.text;
    text.commandMenu(textCommand::blank);
    addHeaders(text, true);
    for (int item = 0; item < 3; item++) {
        if (item == context.menuCursor) {
            text.addMenuLine("_" + pageItem(context, item), false);
        } else {
            text.addMenuLine(pageItem(context, item), true);
        }
    }
}

// After a page change or a toggle: the headers at once, every item writing itself in.
void showPage(stateContext &context, const char *page, int cursor) {
    context.menuPage = page;
    context.menuCursor = cursor;
    textBox &text = *context.text;
    text.commandMenu(textCommand::blank);
    addHeaders(text, true);
    for (int item = 0; item < 3; item++) {
        text.addMenuLine((item == cursor ? "_" : "") + pageItem(context, item), false);
    }
}

void toggle(stateContext &context, bool &flag, std::string &label) {
    flag = !flag;
    label = onOff(flag);
    showPage(context, "settings", context.menuCursor);
    if (context.files != nullptr) {
        saveSettings(*context.flags, *context.files);
    }
}

void pressEnter(stateContext &context) {
    textBox &text = *context.text;
    gameFlags &flags = *context.flags;
    if (context.menuPage == "main") {
        if (context.menuCursor == 0) {
            text.commandMenu(textCommand::menu);
        } else if (context.menuCursor == 1) {
            showPage(context, "settings", 2);
        } else {
            text.commandMenu(textCommand::menu);
            context.menuPage = "title";
        }
    } else if (context.menuPage == "settings") {
        if (context.menuCursor == 0) {
            toggle(context, flags.fullscreen, context.fullscreenLabel);
        } else if (context.menuCursor == 1) {
            toggle(context, flags.thirtyFps, context.thirtyFpsLabel);
        } else {
            showPage(context, "main", 1);
        }
    }
}

} // namespace

void enterPauseMenu(stateContext &context) {
    context.menuCursor = 0;
    context.thirtyFpsLabel = onOff(context.flags->thirtyFps);
    context.fullscreenLabel = onOff(context.flags->fullscreen);
    textBox &text = *context.text;
    addHeaders(text, false);
    text.addMenuLine("_unpause", false);
    text.addMenuLine("settings", false);
    text.addMenuLine("return to title", false);
}

void handlePauseKeys(stateContext &context) {
    const keyboardState &keys = *context.keyboard;
    const bool onAPage = context.menuPage == "main" || context.menuPage == "settings";
    if (onAPage && (keys.isKeyPressed(keyCode::s) || keys.isKeyPressed(keyCode::down))) {
        context.menuCursor = context.menuCursor > 1 ? 0 : context.menuCursor + 1;
        redraw(context);
    }
    if (onAPage && (keys.isKeyPressed(keyCode::w) || keys.isKeyPressed(keyCode::up))) {
        context.menuCursor = context.menuCursor < 1 ? 2 : context.menuCursor - 1;
        redraw(context);
    }
    if (keys.isKeyPressed(keyCode::enter)) {
        pressEnter(context);
    }
    if (context.menuPage == "main" && keys.isKeyPressed(keyCode::esc)) {
        context.text->commandMenu(textCommand::menu);
    }
}
