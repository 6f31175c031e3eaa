#include "app/demoRun.h"

#include "app/game.h"
#include "levels/saveGame.h"
#include "platform/inputTrack.h"
#include "platform/trackWriter.h"
#include "player/keyboardState.h"
#include "player/optionsFile.h"

bool readPassInput(demoRun &demo, keyboardState &keys) {
    demo.pass++;
    switch (demo.mode) {
    case demoMode::none:
        break;
    case demoMode::record: {
        const bool quit = keys.poll();
        recordPassInput(keys, quit, demo.pass, demo.recorded, *demo.writer);
        return quit;
    }
    case demoMode::play:
    case demoMode::time:
        // The track's events go through the window's queue, as the replay tool's do: the
        // window's own were drained before the pass (demoOver).
        pushTrackEvents(*demo.track, demo.cursor, demo.pass);
        break;
    }
    return keys.poll();
}

bool demoOver(demoRun &demo, keyboardState &keys) {
    inputEvent event;
    while (pollInputEvent(event)) {
        demo.ended = demo.ended || (event.type == inputEventType::keyDown && event.key == keyCode::esc);
        demo.closed = demo.closed || event.type == inputEventType::quit;
        if (event.type == inputEventType::screenshotKey ||
            event.type == inputEventType::fullscreenSwitchKey) {
            keys.handleEvent(event);
        }
    }
    demo.ended = demo.ended || demo.pass >= trackLength(*demo.track);
    return demo.ended || demo.closed;
}

void startRecording(game &session, trackWriter &writer) {
    const trackStart start = {.game = gameVersion(),
                              .settings = session.context.settingsText,
                              .saved = peekFileText(session.files.gameSavePath, newGameText),
                              .options = playerOptionsText(session.world.car.bindings, session.world.volumes,
                                                           session.world.brightness)};
    if (!writer.begin(start)) {
        return; // said by the writer
    }
    session.demo.mode = demoMode::record;
    session.demo.writer = &writer;
}
