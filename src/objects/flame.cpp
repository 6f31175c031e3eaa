#include "objects/flame.h"

#include "media/animTables.h"
#include "objects/spritePictures.h"
#include "player/playerCar.h"

namespace {

constexpr int32_t lightingFrame = 1;
constexpr int32_t loopEndFrame = 27;   // frames 1 … 27 light it
constexpr int32_t loopStartFrame = 10; // a burning flame then loops through 10 … 27
constexpr int32_t goingOutSoundFrame = 30;
constexpr int32_t lastFrame = 34; // frames 28 … 35 put it out

} // namespace

void flame::reset() {
    resetCommon(objectKind::flame);
    emitsLight = true;
    lightShape = 3;
    frame = 1; // lighting
}

void flame::update(playerCar &car, int32_t side) {
    soundCue = false;
    testHomeSquare(side);
    if (visible && onMap && (frame == lightingFrame || frame == goingOutSoundFrame)) {
        soundCue = true;
    }
    if (frame == loopEndFrame) {
        frame = loopStartFrame;
    } else if (frame <= lastFrame) { // lighting, then going out after 28
        frame++;
    } else {
        // Gone out; a frame set past the end by a script puts it out at once.
        reset();
        return;
    }
    // Only the home copy lights the map.
    emitsLight = onMap;
    if (boxDistance(*this, car) > 25) {
        fixedShade = true;
        shade = 24;
    } else {
        fixedShade = false;
    }
}

void flame::choosePictures(spriteRecord &record, double, const animTables &animations) const {
    record.image = pictureOf(flameBase, animations.at(flameFrames, frame), 10);
}

objectCue flame::cue() const {
    return {.sound = effectSound::flameChime};
}
