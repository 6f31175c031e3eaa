#include "objects/moon.h"

#include "objects/spritePictures.h"
#include "player/playerCar.h"

namespace {

constexpr int32_t pulseTop = 4;
constexpr int32_t pulseStepPasses = 4; // one step of the pulse in every five passes
constexpr int32_t holdAtTop = 10;
constexpr int32_t holdAtBottom = 5;
constexpr int32_t brightest = 7;

} // namespace

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

void moon::update(playerCar &car, int32_t side) {
    soundCue = false;
    testHomeSquare(side);
    if (!visible) {
        return;
    }
    switch (mode) {
    case objectMode::pulse:
        pulse();
        break;
    case objectMode::fade:
        if (lightShape > 0) {
            lightShape--;
        }
        break;
    case objectMode::repel:
        // Flares to its brightest with a beat, then fades.
        if (lightShape == 0 && onMap) {
            soundCue = true;
        }
        if (lightShape == brightest) {
            mode = objectMode::fade;
        } else if (lightShape < brightest) {
            lightShape++;
        }
        break;
    case objectMode::lit:
        if (lightShape < brightest) {
            lightShape++;
        }
        break;
    default:
        break;
    }
    // Only the home copy lights the map.
    emitsLight = onMap;
    if (boxDistance(*this, car) <= 25) {
        fixedShade = false;
    } else {
        // Out of sight the pulse rests, and starts again from dark when the car returns.
        fixedShade = true;
        shade = 24;
        lightShape = stepTimer = holdTimer = 0;
    }
}

// The light climbs a step every five passes with a beat at each, holds at the top, sinks
// back as slowly and holds in the dark.
void moon::pulse() {
    if (holdTimer > 0) {
        holdTimer--;
        return;
    }
    if (!falling) {
        if (lightShape >= pulseTop) {
            falling = true;
            holdTimer = holdAtTop;
        } else if (stepTimer < pulseStepPasses) {
            stepTimer++;
        } else {
            stepTimer = 0;
            lightShape++;
            soundCue = onMap;
        }
    } else if (lightShape <= 0) {
        falling = false;
        holdTimer = holdAtBottom;
    } else if (stepTimer < pulseStepPasses) {
        stepTimer++;
    } else {
        stepTimer = 0;
        lightShape--;
    }
}

// Whole in state 1, cracked in state 2.
void moon::choosePictures(spriteRecord &record, double, const animTables &) const {
    choosePair(record, moonLeftBase, moonRightBase, state, 2);
}

// The flash cracks the moon.
std::optional<objectChange> moon::flashed(const levelInPlay &) const {
    if (!visible) {
        return std::nullopt;
    }
    return objectChange{.state = moonCracked};
}

// Nothing comes near the moon.
bool moon::isWall(const levelInPlay &) const {
    return true;
}

// Its beat while it repels is heard across the whole level.
objectCue moon::cue() const {
    return {.sound = effectSound::moonBeat, .heardEverywhere = mode == objectMode::repel};
}
