#include "objects/car.h"

#include <cmath>

#include "objects/spritePictures.h"

void car::reset() {
    resetCommon(objectKind::car);
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

namespace {

// Sixteen views turning against the relative angle.
int32_t carView(double r) {
    int32_t s = static_cast<int32_t>(std::floor(r / 22.5));
    s = s > 15 ? 15 : s;
    return ((9 - s) % 16 + 16) % 16 + 1;
}

} // namespace

void car::choosePictures(spriteRecord &record, double relativeAngle, const animTables &) const {
    choosePair(record, carLeftBase, carRightBase, carView(relativeAngle), 16);
}
