// The calls the page's scripts make into the game: the replay tool's state line of the pass
// just run, holding at a pass, and the canvas losing the keyboard.
#include <emscripten.h>

#include <string>

#include "app/browserHooks.h"
#include "app/stateReport.h"
#include "platform/input.h"

extern "C" {

// "{}" before the game is built and after the player quits.
EMSCRIPTEN_KEEPALIVE const char *velmoraState() {
    static std::string line;
    const game *session = runningGame();
    line = session != nullptr ? stateReport(*session, passesRun(), false) : "{}";
    return line.c_str();
}

EMSCRIPTEN_KEEPALIVE void velmoraHoldAfter(const int pass) {
    holdAfterPass(pass);
}

// The player's keys go elsewhere now: the game pauses, as when its window loses the keyboard.
EMSCRIPTEN_KEEPALIVE void velmoraFocusLost() {
    queueFocusLostEvent();
}
}
