#include "objects/tree.h"

#include "media/animTables.h"
#include "objects/objectWorld.h"
#include "objects/spritePictures.h"
#include "player/playerCar.h"
#include "world/levelInPlay.h"
#include "world/wrapping.h"

namespace {

constexpr int32_t widestGlow = 4;
constexpr int32_t fullBattery = 13;
constexpr double rechargeReach = 5.0;
// While the white flash is above this frame, the tree holds it back instead of recharging.
constexpr int32_t rechargeWhiteFrame = 5;

} // namespace

void tree::reset() {
    resetCommon(objectKind::tree);
    lightShape = 1;
    frame = saplingFrame;
    solid = true;
    chimed = false;
}

void tree::update(playerCar &car, int32_t side) {
    soundCue = false;
    testHomeSquare(side);
    state = 0;
    if (!visible) {
        return;
    }
    shadeByDistance(car);
    // A sapling waits for the flash; anything else grows up to the grown tree. A frame set
    // past the grown one by a script stays where it is.
    if (frame != saplingFrame && frame < grownFrame) {
        frame++;
    }
    if (frame > growingFrame && lightShape < widestGlow) {
        lightShape++;
    }
    recharge(car, side);
    // Only the home copy lights the map.
    emitsLight = onMap;
    if (boxDistance(*this, car) > 25) {
        fixedShade = true;
        shade = 24;
    }
}

// A grown tree fills the battery of a car waiting near it. It first holds the white flash
// back, two frames a pass against the car's one, so the screen whitens while the player
// waits; when the flash has come down, the battery is full and every ghost car wakes.
void tree::recharge(playerCar &car, int32_t side) {
    const bool near = shade == 1 && wrappedDistance(x, y, car.x, car.y, side) < rechargeReach;
    if (frame != grownFrame || !near || car.battery >= fullBattery) {
        return;
    }
    int32_t &white = car.cockpit.whiteFrame;
    if (white > rechargeWhiteFrame) {
        if (!chimed) {
            chimed = true;
            soundCue = true;
        }
        white = white > 2 ? white - 2 : 0;
        return;
    }
    car.battery = fullBattery;
    car.headlightsOn = true;
    if (world != nullptr) {
        respawnGhostCars(*world);
    }
    state = 1;
    chimed = false;
}

void tree::choosePictures(spriteRecord &record, double, const animTables &animations) const {
    record.image = pictureOf(treeBase, animations.at(treeFrames, frame), 8);
}

// The flash starts a sapling growing.
std::optional<objectChange> tree::flashed(const levelInPlay &) const {
    if (!visible || frame != saplingFrame) {
        return std::nullopt;
    }
    return objectChange{.frame = growingFrame};
}

// Where the level says so (the moon's), a tree keeps the car off like the moon itself.
bool tree::isWall(const levelInPlay &level) const {
    return level.treesAreWalls;
}

objectCue tree::cue() const {
    return {.sound = effectSound::save};
}
