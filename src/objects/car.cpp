#include "objects/car.h"

void car::reset() {
    resetCommon("car");
    split = true;
    emitsLight = true;
    frame = 1;
    message = "nothing to see here";
    lightTimer = 0;
}

void car::update(playerCar &, int32_t side) {
    growLight();
    testHomeSquare(side);
    if (!onMap) {
        // The wrapped copies stand dark and unseen; only the home car shows and shines.
        visible = false;
        lightShape = 0;
    }
    emitsLight = onMap;
}

void car::growLight() {
    if (lightTimer < carLightStepFrames - 1) {
        lightTimer++;
        return;
    }
    lightTimer = 0;
    if (lightShape < carLightFull) {
        lightShape++;
    }
}
