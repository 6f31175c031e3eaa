#include "objects/statue.h"

#include "media/animTables.h"
#include "objects/spritePictures.h"

void statue::reset() {
    resetCommon(objectKind::statue);
    fixedShade = true;
    waitCount = 0;
    glowLevel = 0;
    glowTurns = 0;
    glowDarkening = false;
    crumbled = false;
    playerDistance = 0.0;
}

void statue::update(playerCar &, int32_t side) {
    testHomeSquare(side);
}

// Unseen while the player is right beside it, the ghost, the ghost fading, or the killed
// statue crumbling.
void statue::choosePictures(spriteRecord &record, double, const animTables &animations) const {
    if (state < 0) {
        record.image = shadedSlot(blankBase, 0, 0);
    } else if (state == 0) {
        record.image = pictureOf(statueGhostBase, animations.at(statueFrames, frame), 4);
    } else if (state == 1) {
        record.image = pictureOf(statueGhostFadeBase, animations.at(statueFrames, frame), 4);
    } else if (state == statueKilled) {
        record.image = pictureOf(statueGhostStatueBase, animations.at(statueDeathFrames, frame), 4);
    }
}

// The flash kills the ghost and leaves a statue of it.
std::optional<objectChange> statue::flashed(int32_t) const {
    if (!visible || state > statueKilled) {
        return std::nullopt;
    }
    return objectChange{.frame = 0, .state = statueKilled, .mode = objectMode::dead};
}

// Driving into a killed statue starts it crumbling.
std::optional<objectChange> statue::bumped() const {
    return objectChange{.frame = 1};
}

// A statue already breaking crumbles.
objectCue statue::cue() const {
    return {.sound = frame < 1 ? effectSound::statue : effectSound::crush};
}
