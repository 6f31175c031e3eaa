#include "levels/levelThree.h"

#include "levels/levelLayout.h"
#include "levels/loadLevelObjects.h"
#include "levels/scriptBlocks.h"
#include "levels/tileCodes.h"

#include <cstdlib>

#include "objects/objectWorld.h"

using namespace groundCode;
using enum objectKind;

namespace {

// The ring is centred on (19, 46). Its outer edge is an octagon whose slanted sides run over
// the columns 8 … 16 and 22 … 30; the hole in the middle comes to a point above and below
// x = 19 and stands upright at x = 13 and x = 25.
constexpr int32_t ringX = 19;
constexpr int32_t ringY = 46;

void placeRingColumn(level &lvl, int32_t x) {
    const int32_t across = std::abs(x - ringX);
    const bool lowX = x < ringX;
    const int32_t top = ringY - 16 + across;
    const int32_t bottom = ringY + 16 - across;
    setGround(lvl, x, top, lowX ? edge21 : edge54);
    fillGround(lvl, x, top + 1, bottom - 1, road);
    setGround(lvl, x, bottom, lowX ? edge61 : edge4);
}

void cutRingHoleColumn(level &lvl, int32_t x) {
    const int32_t across = std::abs(x - ringX);
    const bool lowX = x < ringX;
    const int32_t top = ringY - 9 + across;
    const int32_t bottom = ringY + 9 - across;
    fillGround(lvl, x, top + 1, bottom - 1, dirt);
    if (across == 0) {
        return; // the centre line's two tips close the hole here
    }
    setGround(lvl, x, top, lowX ? edge4 : edge61);
    setGround(lvl, x, bottom, lowX ? edge54 : edge21);
}

// The lamps stand in pairs mirrored about the road's centre line; these are the low-x ones.
constexpr tileSpot lowXLamps[] = {{7, 40},  {7, 53},  {11, 36}, {11, 57}, {14, 43},
                                  {14, 49}, {15, 26}, {15, 32}, {18, 39}, {18, 53}};

// The sapling in the middle of the ring and the butterflies round it.
constexpr tileSpot theTree = {ringX, ringY};
constexpr tileSpot upperButterfly = {18, 45};
constexpr tileSpot lowerButterfly = {18, 47};
constexpr tileSpot farButterfly = {20, 46};

void placeLampPair(level &lvl, int32_t x, int32_t y) {
    placeObject(lvl, lamp, x, y);
    placeObject(lvl, lamp, 2 * ringX - x, y);
}

} // namespace

void levelThree::setup() {
    beginLayout(*this, 60);

    // The approach road runs along y at x = 17 … 21, into the ring and on across the edge of
    // the world into the ring's far side; its centre line breaks up near both ends.
    placeStraightRoad(*this, 17);
    dashLineInto(*this, 19, 37);
    dashLineOutOf(*this, 19, 55);
    // Its kerbs give way to the ring, the low-x one a row later than the high-x one.
    fillGround(*this, 17, 34, 59, road);
    fillGround(*this, 21, 33, 59, road);
    for (int32_t x = 8; x <= 16; x++) {
        placeRingColumn(*this, x);
        placeRingColumn(*this, 2 * ringX - x);
    }
    for (int32_t x = 13; x <= 25; x++) {
        cutRingHoleColumn(*this, x);
    }

    placeObjectColumn(*this, lamp, 15, 0, 20, 5);
    placeObjectColumn(*this, lamp, 23, 0, 20, 5);
    for (const tileSpot spot : lowXLamps) {
        placeLampPair(*this, spot.x, spot.y);
    }
    placeObjects(*this, tree, {theTree});
    placeObjects(*this, butterfly, {upperButterfly, lowerButterfly, farButterfly});
    stage = entering;
}

namespace {

// Set going by the script: the butterflies wing on and the tree needs no flash to start.
constexpr int32_t started = 2;
constexpr int32_t fullBattery = 13;
// The white screen of a recharge goes on into the next level.
constexpr int32_t whiteFlashHeld = 4;
constexpr int32_t nextLevel = 4;

void closeIn(objectWorld &world, const int32_t butterflyGroup, const double dx, const double dy) {
    moveHomeBy(world, butterflyGroup, dx, dy);
    setFrame(world, butterflyGroup, started);
}

} // namespace

void levelThree::script(objectWorld &world, const scriptServices &services) {
    if (stage == entering) {
        enter(world);
    } else if (stage == waitingForCharge) {
        if (leaveWhenCharged(world, services) == levelExit::left) {
            return; // level 4 has the rest of the pass
        }
    }
}

// The butterflies close in round the tree.
void levelThree::enter(objectWorld &world) {
    music = 2;
    world.fade.fadeIn();
    closeIn(world, groupOnTile(*this, upperButterfly), 0.5, 0.5);
    closeIn(world, groupOnTile(*this, lowerButterfly), 0.5, -0.5);
    setFrame(world, groupOnTile(*this, theTree), started);
    closeIn(world, groupOnTile(*this, farButterfly), -0.5, 0);
    stage = waitingForCharge;
}

levelExit levelThree::leaveWhenCharged(objectWorld &world, const scriptServices &services) {
    if (world.car.battery != fullBattery) {
        return levelExit::stayed;
    }
    world.car.cockpit.whiteFrame = whiteFlashHeld;
    const levelExit exit = leaveFor(world, services, *this, nextLevel);
    world.car.cockpit.whiteFrame = whiteFlashHeld; // level 4's entry must not end the flash
    return exit;
}
