#include "objects/gLight.h"

void gLight::reset() {
    resetCommon(objectKind::gLight);
    lightShape = 4;
    solid = true;
}

void gLight::update(playerCar &, int32_t side) {
    soundCue = false;
    visible = false; // even when a script shows it: there is nothing to draw
    testHomeSquare(side);
    emitsLight = onMap;
}
