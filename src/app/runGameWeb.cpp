// The browser calls the game once a frame, at its own pace (60 times a second, or more, or
// fewer in a busy tab). Each call runs the passes the game's own clock says are due, so play
// keeps 60 passes a second whatever the browser's frame rate; the screen goes to the page
// once a frame.
#include "app/runGame.h"

#include <emscripten.h>

#include <memory>

#include "app/browserHooks.h"
#include "app/game.h"
#include "platform/browserPage.h"

namespace {

// After a stall (a hidden tab, a slow frame) the game goes on from where it was rather than
// racing through the passes it missed.
constexpr int mostPassesPerFrame = 4;

struct browserLoop {
    std::unique_ptr<game> session;
    int passesRun = 0;
    int holdAfter = 0; // until the page lets it go, at the player's click

    std::uint32_t nextPassDue = 0;
};

browserLoop loop;

bool held() {
    return loop.holdAfter >= 0 && loop.passesRun >= loop.holdAfter;
}

// The game's own goodbye (the saves still waiting) runs before the page says its own.
void endAfterQuit() {
    loop.session.reset();
    emscripten_cancel_main_loop();
    showThanksForPlaying();
}

void runDuePasses() {
    game &session = *loop.session;
    const std::uint32_t now = clockTicks();
    const auto isDue = [&] { return static_cast<std::int32_t>(now - loop.nextPassDue) >= 0; };
    bool drew = false;
    int ran = 0;
    while (!session.flags.quit && !held() && isDue() && ran < mostPassesPerFrame) {
        drew = runPass(session) || drew;
        loop.passesRun++;
        ran++;
        loop.nextPassDue += static_cast<std::uint32_t>(passBudget(session.frameRateCap, session.pacer));
    }
    if (held() || (ran == mostPassesPerFrame && isDue())) {
        loop.nextPassDue = now;
    }
    if (drew) {
        presentScreen(session.screen());
    }
    if (session.flags.quit) {
        endAfterQuit();
    }
}

} // namespace

// Recording is the desktop's: the page never asks for it.
bool runGame(const screenHandle screen, const dataFiles &files, const displayChoice display,
             trackWriter * /*recording*/, gameOpening /*opening*/) {
    loop.session = std::make_unique<game>(screen, files, display);
    loop.nextPassDue = clockTicks();
    // Never returns: the browser calls back once a frame from now on.
    emscripten_set_main_loop(runDuePasses, 0, 1);
    return false;
}

const game *runningGame() {
    return loop.session.get();
}

int passesRun() {
    return loop.passesRun;
}

void holdAfterPass(const int pass) {
    loop.holdAfter = pass;
}
