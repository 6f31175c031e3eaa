#include "app/windowKeys.h"

#include "app/game.h"
#include "levels/levelZero.h"
#include "levels/saveGame.h"
#include "levels/scriptServices.h"

namespace {

// A settings page shown now gets its fullscreen line afresh; one not shown reads the flags
// when it opens.
void relabel(settingsPage &page, menuPages &menu, stateContext &context) {
    page.readFlags(context.flags);
    if (menu.page == menuPage::settings) {
        page.fill(menu, context.world);
        menu.redraw(context.text);
    }
}

} // namespace

void switchFullscreen(game &session) {
    stateContext &context = session.context;
    context.flags.fullscreen = !context.flags.fullscreen;
    saveDisplaySettings(scriptServicesOf(context));
    if (context.state == gameState::paused) {
        relabel(context.pauseSettings, context.pauseMenu, context);
    }
    levelZero &title = session.allLevels.zero;
    if (context.state == gameState::introMenu && context.levels.isCurrent(title)) {
        relabel(title.settings, title.menu, context);
    }
}

void followWindowKeys(game &session, const std::string &screenshotFolder) {
    if (session.keyboard.screenshotAsked && session.screen().isOpen()) {
        saveScreenshot(session, screenshotFolder);
    }
    if (session.keyboard.fullscreenSwitchAsked) {
        switchFullscreen(session);
    }
}
