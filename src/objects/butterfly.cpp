#include "objects/butterfly.h"

#include <algorithm>
#include <cmath>

#include "media/animTables.h"
#include "objects/spritePictures.h"
#include "player/playerCar.h"
#include "world/levelInPlay.h"

namespace {

constexpr int32_t lastWingFrame = 18;
constexpr int32_t brightestLight = 3;
constexpr int32_t lightStepPasses = 10; // the light changes one step in every eleven passes
constexpr double springPull = 0.0002;
constexpr double slowestDrift = 0.001;
constexpr double fastestDrift = 0.1;
constexpr double arrivedWithin = 0.05;

// One axis of the wander: a spring pulls the offset back towards the centre.
void wander(double &offset, double &velocity) {
    if (offset < 0) {
        velocity += springPull;
    } else if (offset > 0) {
        velocity -= springPull;
    }
    offset += velocity;
}

// One axis of the centre's drift home: a hundredth of the way, neither crawling nor racing,
// and exactly home once close.
void driftHome(double &centre, double home) {
    double step = (home - centre) / 100;
    if (step > 0 && step < slowestDrift) {
        step = slowestDrift;
    } else if (step < 0 && step > -slowestDrift) {
        step = -slowestDrift;
    }
    step = std::clamp(step, -fastestDrift, fastestDrift);
    if (std::fabs(home - centre) <= arrivedWithin) {
        centre = home;
    } else {
        centre += step;
    }
}

// One axis of keeping a copy in its own square: a copy that has wandered over an edge is
// brought back by a whole side, its centre with it.
void keepInSquare(double &position, double &centre, double start, int32_t side) {
    const double low = side * std::floor(start / side);
    if (position < low) {
        position += side;
        centre += side;
    } else if (position > low + side) {
        position -= side;
        centre -= side;
    }
}

} // namespace

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

void butterfly::update(playerCar &car, int32_t side) {
    testHomeSquare(side);
    if (!visible) {
        return;
    }
    if (!started) {
        start();
    }
    shadeByDistance(car);
    frame = frame >= lastWingFrame || frame < 0 ? 0 : frame + 1;
    wander(wanderX, wanderVX);
    wander(wanderY, wanderVY);
    driftHome(centreX, homeX);
    driftHome(centreY, homeY);
    x = centreX + wanderX;
    y = centreY + wanderY;
    if (side > 0) {
        keepInSquare(x, centreX, startX, side);
        keepInSquare(y, centreY, startY, side);
    }
    testHomeSquare(side);
    emitsLight = onMap;
    if (boxDistance(*this, car) > 25) {
        fixedShade = true;
        shade = 24;
    }
    stepLight();
}

// The first time it is seen: its group number sets its phase, so neighbours beat apart.
void butterfly::start() {
    started = true;
    startX = centreX = x;
    startY = centreY = y;
    const int32_t phase = groupId >= 0 ? groupId % 10 : 0;
    wanderX = wanderY = phase * 0.1;
    frame = phase;
}

// "light" lets the light grow and "dim" lets it die; the weaker the light, the darker the
// butterfly is drawn, and a dying one vanishes once its light is gone.
void butterfly::stepLight() {
    if (mode == objectMode::dim) {
        if (dimTimer < lightStepPasses) {
            dimTimer++;
        } else {
            dimTimer = 0;
            if (lightShape > 0) {
                lightShape--;
            }
        }
    } else if (mode == objectMode::light) {
        if (lightTimer < lightStepPasses) {
            lightTimer++;
        } else {
            lightTimer = 0;
            if (lightShape < brightestLight) {
                lightShape++;
            }
        }
    } else {
        return;
    }
    const int32_t floors[] = {24, 18, 12};
    if (lightShape >= 0 && lightShape < 3) {
        fixedShade = true;
        shade = std::max(shade, floors[lightShape]);
    }
    if (mode == objectMode::dim && lightShape <= 0) {
        visible = false;
    }
}

void butterfly::choosePictures(spriteRecord &record, double, const animTables &animations) const {
    record.image = pictureOf(butterflyBase, animations.at(butterflyFrames, frame), 8);
}

// Where the level says so (the butterflies' own), the flash shows a hidden one that still glows.
std::optional<objectChange> butterfly::flashed(const levelInPlay &level) const {
    if (visible || !emitsLight || !level.flashRevealsHiddenButterflies) {
        return std::nullopt;
    }
    return objectChange{.visible = true};
}
