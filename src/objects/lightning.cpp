#include "objects/lightning.h"

#include "media/animTables.h"
#include "objects/spritePictures.h"

void lightning::reset() {
    resetCommon(objectKind::lightning);
    strikeDelay = 0;
}

void lightning::update(playerCar &, int32_t side) {
    testHomeSquare(side);
}

void lightning::choosePictures(spriteRecord &record, double, const animTables &animations) const {
    record.image = pictureOf(lightningBase, animations.at(lightningFrames, frame), 8);
}

objectCue lightning::cue() const {
    return {.sound = effectSound::crush};
}
