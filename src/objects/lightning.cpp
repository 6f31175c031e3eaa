#include "objects/lightning.h"

#include "media/animTables.h"
#include "objects/spritePictures.h"
#include "player/playerCar.h"

namespace {

constexpr int32_t lastStrikeFrame = 24; // the empty picture ends a strike
constexpr int32_t strikeLight = 5;

} // namespace

void lightning::reset() {
    resetCommon(objectKind::lightning);
    strikeDelay = 0;
}

void lightning::update(playerCar &car, int32_t side) {
    soundCue = false;
    switch (mode) {
    case objectMode::random:
    case objectMode::hideRandom:
        if (strikeDelay < randomWait()) {
            strikeDelay++;
            lightShape = 0;
        } else {
            strike(mode == objectMode::random);
        }
        break;
    case objectMode::once:
    case objectMode::hideOnce:
        strike(mode == objectMode::once);
        break;
    default:
        // Waiting for a command; the first random wait is half the usual, so bolts of
        // different groups start apart.
        strikeDelay = (groupId + objectId) / 4;
        frame = 0;
        lightShape = 0;
        break;
    }
    if (mode == objectMode::hideRandom) {
        visible = false;
    } else {
        visible = mode != objectMode::hideOnce && frame > 0 && frame < lastStrikeFrame;
    }
    if (visible) {
        fixedShade = true;
        shade = 1;
    } else {
        fixedShade = false;
        shade = 24;
    }
    farBands(car);
    // The sound above was decided on the previous pass's home-square test.
    testHomeSquare(side);
    emitsLight = onMap;
    if (boxDistance(*this, car) > 25) {
        fixedShade = true;
        shade = 24;
    }
}

// Passes between random strikes: bolts of different groups and ids wait differently.
int32_t lightning::randomWait() const {
    return (groupId + objectId) / 2;
}

// One pass of a strike: the bolt runs through its pictures with a burst of light that dies
// away. A random strike starts its wait again at the end; a single one returns to rest.
void lightning::strike(bool heard) {
    const bool once = mode == objectMode::once || mode == objectMode::hideOnce;
    if (frame >= lastStrikeFrame || frame < 0) {
        if (once) {
            mode = objectMode::none;
        } else {
            frame = strikeDelay = lightShape = 0;
        }
    } else {
        frame++;
    }
    if (lightShape > 0) {
        lightShape--;
    }
    if (frame == 1) {
        lightShape = strikeLight;
        if (heard && onMap) {
            soundCue = true;
        }
    }
}

// Beyond 22 tiles the bolt is drawn darker in steps, whether or not it shows.
void lightning::farBands(const playerCar &car) {
    shade = farShade(boxDistance(*this, car), shade, farBeyond25::asAt25);
}

void lightning::choosePictures(spriteRecord &record, double, const animTables &animations) const {
    record.image = pictureOf(lightningBase, animations.at(lightningFrames, frame), 8);
}

objectCue lightning::cue() const {
    return {.sound = effectSound::crush};
}
