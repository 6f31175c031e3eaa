#include "objects/butterfly.h"

#include "media/animTables.h"
#include "media/levelInPlay.h"
#include "objects/spritePictures.h"

void butterfly::reset() {
    resetCommon(objectKind::butterfly);
    emitsLight = true;
    frame = 1;
    mode = objectMode::light;
    started = false;
    wanderVX = wanderVY = 0.0;
    wanderX = 1.0;
    wanderY = 0.8;
    centreX = centreY = 0.0;
    startX = startY = 0.0;
    dimTimer = 0;
    lightTimer = 0;
}

void butterfly::update(playerCar &, int32_t side) {
    testHomeSquare(side);
}

void butterfly::choosePictures(spriteRecord &record, double, const animTables &animations) const {
    record.image = pictureOf(butterflyBase, animations.at(butterflyFrames, frame), 8);
}

// In the butterflies' own level the flash shows a hidden one that still glows.
std::optional<objectChange> butterfly::flashed(int32_t levelIndex) const {
    if (visible || !emitsLight || levelIndex != butterflyLevel) {
        return std::nullopt;
    }
    return objectChange{.visible = true};
}
