#include "objects/moon.h"

#include "objects/spritePictures.h"

void moon::reset() {
    resetCommon(objectKind::moon);
    split = true;
    emitsLight = true;
    frame = 1;
    state = moonWhole;
    solid = true;
    falling = false;
    stepTimer = 0;
    holdTimer = 0;
}

void moon::update(playerCar &, int32_t side) {
    testHomeSquare(side);
}

// Whole in state 1, cracked in state 2.
void moon::choosePictures(spriteRecord &record, double, const animTables &) const {
    choosePair(record, moonLeftBase, moonRightBase, state, 2);
}

// The flash cracks the moon.
std::optional<objectChange> moon::flashed(int32_t) const {
    if (!visible) {
        return std::nullopt;
    }
    return objectChange{.state = moonCracked};
}

// Nothing comes near the moon.
bool moon::isWall(int32_t) const {
    return true;
}

// Its beat while it repels is heard across the whole level.
objectCue moon::cue() const {
    return {.sound = effectSound::moonBeat, .heardEverywhere = mode == objectMode::repel};
}
