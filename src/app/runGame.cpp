#include "app/runGame.h"

#include <memory>

#include "app/game.h"
#include "app/windowKeys.h"
#include "platform/dataFolder.h"
#include "platform/screenshotFile.h"
#include "platform/trackWriter.h"

bool runGame(const screenHandle screen, const dataFiles &files, const displayChoice display,
             trackWriter *recording, const gameOpening opening) {
    // The game's objects are large (fixed tables); they live on the heap, built once.
    const std::unique_ptr<game> session = std::make_unique<game>(screen, files, display);
    if (opening == gameOpening::title) {
        // The logo's last pass reads the saved game and brings up the title.
        session->context.logoCounter = logoLastFrame;
    }
    if (recording != nullptr) {
        startRecording(*session, *recording);
    }
    const std::string screenshotFolder = joinPath(files.folder, screenshotsFolderName);
    while (!session->flags.quit) {
        runPass(*session);
        followWindowKeys(*session, screenshotFolder);
        paceFrame(session->frameTimer, session->frameRateCap, session->pacer, sleepMilliseconds);
    }
    if (recording != nullptr) {
        recording->finish(session->demo.pass);
    }
    return session->sounds.audible();
}
