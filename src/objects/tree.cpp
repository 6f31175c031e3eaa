#include "objects/tree.h"

#include "media/animTables.h"
#include "media/levelInPlay.h"
#include "objects/spritePictures.h"

void tree::reset() {
    resetCommon(objectKind::tree);
    lightShape = 1;
    frame = saplingFrame;
    solid = true;
    chimed = false;
}

void tree::update(playerCar &, int32_t side) {
    testHomeSquare(side);
}

void tree::choosePictures(spriteRecord &record, double, const animTables &animations) const {
    record.image = pictureOf(treeBase, animations.at(treeFrames, frame), 8);
}

// The flash starts a sapling growing.
std::optional<objectChange> tree::flashed(int32_t) const {
    if (!visible || frame != saplingFrame) {
        return std::nullopt;
    }
    return objectChange{.frame = growingFrame};
}

// In the moon level a tree keeps the car off like the moon itself.
bool tree::isWall(int32_t levelIndex) const {
    return levelIndex == moonLevel;
}

objectCue tree::cue() const {
    return {.sound = effectSound::save};
}
