#include "objects/flame.h"

#include "media/animTables.h"
#include "objects/spritePictures.h"

void flame::reset() {
    resetCommon(objectKind::flame);
    emitsLight = true;
    lightShape = 3;
    frame = 1; // lighting
}

void flame::update(playerCar &, int32_t side) {
    testHomeSquare(side);
}

void flame::choosePictures(spriteRecord &record, double, const animTables &animations) const {
    record.image = pictureOf(flameBase, animations.at(flameFrames, frame), 10);
}

objectCue flame::cue() const {
    return {.sound = effectSound::flameChime};
}
