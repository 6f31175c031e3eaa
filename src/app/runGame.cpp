#include "app/runGame.h"

#include <memory>

#include "app/game.h"

bool runGame(const screenHandle screen, const dataFiles &files, const displayChoice display) {
    // The game's objects are large (fixed tables); they live on the heap, built once.
    const std::unique_ptr<game> session = std::make_unique<game>(screen, files, display);
    while (!session->flags.quit) {
        runPass(*session);
        paceFrame(session->frameTimer, session->frameRateCap, session->pacer, sleepMilliseconds);
    }
    return session->sounds.audible();
}
