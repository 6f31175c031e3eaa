#include "app/game.h"

#include "app/sceneOfPass.h"
#include "media/loadingWord.h"
#include "platform/settingsFile.h"
#include "player/optionsFile.h"

game::game(const screenHandle screen, const dataFiles &dataFolder, const displayChoice display)
    : sprites(images), world(animations, sprites, keyboard),
      context(flags, levels, world, text, keyboard, files, sounds),
      frameRenderer(images, shapes, animations, sprites), files(dataFolder) {
    loadImagesWithLoadingWord(images, screen.surface);
    allLevels.linkInto(levels);
    allObjects.linkInto(world);
    noteFileRead(files, dataFile::options,
                 readOptionsFile(files.optionsPath, world.car.bindings, world.volumes, world.brightness));
    sounds.volumes = &world.volumes;
    sounds.loadSounds();
    sounds.startLoops();
    frameRenderer.prepareRenderer(world.view);
    context.settingsText =
        settingsWithDisplayChoice(readDataFile(files, dataFile::settings, defaultSettingsText), display);
}

// The chunks go back to the mixer while it is still open. Saves that failed during play
// have their last try on the way out.
game::~game() {
    sounds.freeSounds();
    saveWaitingTexts(files);
}

void runPassLogic(game &session) {
    session.flags.quit = readPassInput(session.demo, session.keyboard);
    const screenHandle screen = followVideoMode(session.video, session.flags.fullscreen, session.screen());
    session.images.slots[screenSlot] = screen.surface;
    if (!screen.isOpen()) {
        // No video mode at all could be set: nothing can be drawn any more.
        session.flags.quit = true;
        return;
    }
    // The sound bank hears the state the pass starts in, before the state's work.
    describeSound(session.context.state, session.world, session.levels, session.keyboard, session.pass);
    session.sounds.updateSound(session.pass);
    updateState(session.context);
}

bool runPass(game &session) {
    session.frameTimer.start();
    runPassLogic(session);
    return runPassDrawing(session);
}

bool runPassDrawing(game &session) {
    if (!session.screen().isOpen() || !shouldDrawThisPass(session.flags, session.renderToggle)) {
        return false;
    }
    describeView(session.context, session.pass);
    session.frameRenderer.drawFrame(session.pass);
    return true;
}
