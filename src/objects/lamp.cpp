#include "objects/lamp.h"

#include "objects/spritePictures.h"

void lamp::reset() {
    resetCommon(objectKind::lamp);
    lightShape = 4;
    frame = lampBurning;
    solid = true;
    lastFrame = lampBurning;
}

void lamp::update(playerCar &car, int32_t side) {
    soundCue = false;
    testHomeSquare(side);
    if (visible) {
        light(car);
    }
    // Recorded even while hidden, so a lamp shown later does not ring for an old change.
    lastFrame = frame;
}

void lamp::light(const playerCar &car) {
    // Only the home copy is heard, so a change of all nine copies makes one sound.
    if (frame != lastFrame && onMap) {
        soundCue = true;
    }
    shadeByDistance(car);
    // Only the home copy lights the map; the eight wrapped copies are drawn unlit.
    emitsLight = onMap;
    if (frame == lampDark) {
        // A dark lamp takes the light of the tile it stands on.
        emitsLight = false;
        fixedShade = false;
    }
    if (boxDistance(*this, car) > 25) {
        fixedShade = true;
        shade = 24;
    }
}

void lamp::choosePictures(spriteRecord &record, double, const animTables &) const {
    record.image = pictureOf(lampPostBase, frame, 3);
}

// The flash lights a dark lamp and puts out a burning one.
std::optional<objectChange> lamp::flashed(const levelInPlay &) const {
    if (!visible) {
        return std::nullopt;
    }
    return objectChange{.frame = frame == lampDark ? lampBurning : lampDark};
}

// A lamp driven into goes dark.
std::optional<objectChange> lamp::bumped() const {
    return objectChange{.frame = lampDark};
}

objectCue lamp::cue() const {
    return {.sound = effectSound::lamp};
}
