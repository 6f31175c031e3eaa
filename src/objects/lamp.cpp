#include "objects/lamp.h"

void lamp::reset() {
    resetCommon("lamp");
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
    if (frame != lastFrame) {
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
