#include "app/windowKeys.h"

#include <cstdio>
#include <ctime>

#include "app/game.h"
#include "levels/levelZero.h"
#include "levels/saveGame.h"
#include "levels/scriptServices.h"
#include "media/pngFile.h"
#include "platform/screenshotFile.h"

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

void switchFullscreen(stateContext &context) {
    context.flags.fullscreen = !context.flags.fullscreen;
    saveDisplaySettings(scriptServicesOf(context));
    if (context.state == gameState::paused) {
        relabel(context.pauseSettings, context.pauseMenu, context);
    }
    auto *const title = dynamic_cast<levelZero *>(context.levels.levels[context.levels.current]);
    if (context.state == gameState::introMenu && title != nullptr) {
        relabel(title->settings, title->menu, context);
    }
}

void saveScreenshot(const game &session, const std::string &folder) {
    std::string error;
    const std::string path = claimScreenshotPath(folder, std::time(nullptr), error);
    if (path.empty()) {
        std::fprintf(stderr, "velmora: no screenshot: %s\n", error.c_str());
        return;
    }
    if (!saveSurfacePng(session.screen().surface, path)) {
        std::remove(path.c_str());
        std::fprintf(stderr, "velmora: no screenshot: cannot write %s\n", path.c_str());
        return;
    }
    std::fprintf(stderr, "velmora: screenshot %s\n", path.c_str());
}

void followWindowKeys(game &session, const std::string &screenshotFolder) {
    if (session.keyboard.screenshotAsked && session.screen().isOpen()) {
        saveScreenshot(session, screenshotFolder);
    }
    if (session.keyboard.fullscreenSwitchAsked) {
        switchFullscreen(session.context);
    }
}
