#include "objects/statue.h"

#include <cmath>

#include "media/animTables.h"
#include "objects/spritePictures.h"
#include "player/carView.h"
#include "player/playerCar.h"
#include "world/wrapping.h"

namespace {

constexpr int32_t lastAliveFrame = 119;  // the ghost's loop
constexpr int32_t lastCrumbleFrame = 12; // the statue has fallen to dust
constexpr int32_t readingWait = 40;      // updates of reading before the statue speaks
constexpr int32_t readingSpeed = 7;      // the fastest a reader may roll
constexpr int32_t darkestGlow = 24;
constexpr int32_t glowTurnsToEnd = 6; // the glow ends once it has turned more often than this

// Attitudes while alive: away, close, very close.
constexpr int32_t attitudeAway = 0;
constexpr int32_t attitudeClose = 1;
constexpr int32_t attitudeBeside = -1;

// The offset from `from` to the nearest wrapped copy of `to`.
double nearestOffset(double to, double from, int32_t side) {
    const double offset = to - from;
    return side > 0 ? offset - side * std::round(offset / side) : offset;
}

} // namespace

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

void statue::update(playerCar &car, int32_t side) {
    soundCue = false;
    testHomeSquare(side);
    playerDistance = wrappedDistance(x, y, car.x, car.y, side);
    if (state < statueKilled) {
        turnToCar();
    }
    if (state <= attitudeClose) {
        frame = frame >= lastAliveFrame || frame < 0 ? 0 : frame + 1;
        stepMode(car);
        read(car, side);
    }
    if (state == statueKilled) {
        crumble();
        if (!placed) {
            return; // fallen to dust: it keeps its reset state until placed again
        }
    }
    if (mode != objectMode::glow) {
        shade = 1;
    }
    shadeByBands(car);
}

// The ghost looks up as the car comes near and away again as it rolls right beside it;
// in the bands between, it swaps its attitude each update, so it seems to flicker.
void statue::turnToCar() {
    const double d = playerDistance;
    if (d > 4.5) {
        state = attitudeAway;
    } else if (d > 4) {
        if (state == attitudeAway) {
            state = attitudeClose;
        } else if (state == attitudeClose) {
            state = attitudeAway;
        }
    } else if (d > 2.5) {
        state = attitudeClose;
    } else if (d > 1.5) {
        if (state == attitudeClose) {
            state = attitudeBeside;
        } else if (state == attitudeBeside) {
            state = attitudeClose;
        }
    } else {
        state = attitudeBeside;
    }
}

void statue::stepMode(const playerCar &car) {
    switch (mode) {
    case objectMode::trigger:
        mode = objectMode::glow;
        break;
    case objectMode::glow:
        glow(car);
        break;
    case objectMode::end:
        mode = objectMode::after;
        waitCount = glowLevel = glowTurns = 0;
        glowDarkening = false;
        break;
    default:
        break;
    }
}

// The statue pulses between light and dark while its line is read.
void statue::glow(const playerCar &car) {
    fixedShade = true;
    if (boxDistance(*this, car) > 25) {
        shade = darkestGlow;
        return;
    }
    shade = glowLevel;
    // One step a pass; a pass at either end turns the glow instead of moving it, so seven
    // turns take 151 passes.
    if (glowDarkening) {
        if (glowLevel < darkestGlow) {
            glowLevel++;
        } else {
            glowTurns++;
            glowDarkening = false;
        }
    } else if (glowLevel > 0) {
        glowLevel--;
    } else {
        glowTurns++;
        glowDarkening = true;
    }
    if (glowTurns > glowTurnsToEnd) {
        mode = objectMode::end;
    }
}

// A player rolling slowly before the statue, not too near and not too far, reads it; one
// who turns away, speeds up or leaves ends the reading.
void statue::read(const playerCar &car, int32_t side) {
    const bool reading = car.speed <= readingSpeed && playerDistance > 1 && playerDistance < 4;
    // Every copy judges by the copy nearest the car, so that a far copy ahead cannot be
    // read while the near one stands behind the driver.
    const bool behind =
        isBehindViewer(car, car.x + nearestOffset(x, car.x, side), car.y + nearestOffset(y, car.y, side));
    if (!reading || behind) {
        if (mode == objectMode::after) {
            mode = objectMode::none;
        } else if (mode == objectMode::glow) {
            mode = objectMode::end;
        }
        return;
    }
    if (mode != objectMode::none) {
        return;
    }
    if (waitCount < readingWait) {
        waitCount++;
    } else {
        mode = objectMode::trigger;
    }
}

// Killed by the flash, the statue stands solid until the car drives into it; then it falls
// to dust over twelve updates and leaves the world.
void statue::crumble() {
    if (!crumbled) {
        frame = 0;
        solid = true;
        mode = objectMode::end;
        waitCount = glowLevel = glowTurns = 0;
        glowDarkening = false;
        crumbled = true;
        soundCue = onMap;
    } else {
        mode = objectMode::none;
    }
    if (frame <= 0) {
        return;
    }
    if (frame >= lastCrumbleFrame) {
        reset();
        return;
    }
    frame++;
    if (solid) {
        soundCue = onMap;
        solid = false;
    }
}

// Bright near the car, darker in steps beyond 22 tiles.
void statue::shadeByBands(const playerCar &car) {
    shade = farShade(boxDistance(*this, car), shade, farBeyond25::dark);
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
std::optional<objectChange> statue::flashed(const levelInPlay &) const {
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
