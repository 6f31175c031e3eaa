#include "levels/levelTwelve.h"

#include "levels/levelLayout.h"
#include "levels/loadLevelObjects.h"
#include "levels/scriptServices.h"
#include "levels/tileCodes.h"
#include "objects/objectWorld.h"

using namespace groundCode;
using enum objectKind;

namespace {

// Everything but the flame stands in pairs mirrored about the centre line at x = 40.
void placeMirrored(level &lvl, objectKind kind, int32_t x, int32_t y) {
    placeObject(lvl, kind, x, y);
    placeObject(lvl, kind, 80 - x, y);
}

constexpr tileSpot theFlame = {40, 50};

} // namespace

void levelTwelve::setup() {
    beginLayout(*this, 80);
    placeStraightRoad(*this, 38);
    cutRoadGap(*this, 38, 44, 56);
    // Here the first dash after the gap starts with an up cap, unlike in the other gaps.
    setGround(*this, 40, 57, lineCapUp);

    placeObjects(*this, flame, {theFlame});
    for (const int32_t y : {5, 15, 25, 35, 65, 75}) {
        placeMirrored(*this, lamp, 36, y);
    }
    // A lamp and a butterfly by each corner of the gap.
    for (const int32_t y : {41, 59}) {
        placeMirrored(*this, lamp, 32, y);
        placeMirrored(*this, butterfly, 33, y);
    }
    forgetVisit();
}

namespace {

// The four lamps by the corners of the gap, nearest the flame.
constexpr tileSpot cornerLamps[] = {{32, 41}, {32, 59}, {48, 41}, {48, 59}};
constexpr int32_t flagIndex = 2;
constexpr int32_t burningLamp = 3;
constexpr int32_t lampsForSecondTrack = 13;
constexpr int32_t lampsThatBringTheFlame = 16; // all of them

// Each corner butterfly gathers towards the flame.
struct butterflyMove {
    tileSpot from;
    double dx, dy;
};
constexpr butterflyMove gathering[] = {
    {{33, 41}, 5, 6}, {{33, 59}, 5, -6}, {{47, 41}, -5, 6}, {{47, 59}, -5, -6}};

} // namespace

void levelTwelve::script(objectWorld &world, const scriptServices &services) {
    if (stage == entering) {
        enter(world);
    } else if (stage == waitingForLamps) {
        waitForLamps(world);
    } else if (stage == waitingForPickup) {
        waitForPickup(world, services);
    }
    if (leaveSideways(world, services, *this, armed) == levelExit::left) {
        forgetVisit();
    }
}

// The corner lamps stand dark for the player to light, and the flame is out of sight; a
// flame already won leaves the corner lamps burning and nothing to do.
void levelTwelve::enter(objectWorld &world) {
    music = 1;
    for (const tileSpot lampTile : cornerLamps) {
        light(world, groupOnTile(*this, lampTile));
    }
    changeGroup(world, groupOnTile(*this, theFlame),
                {.frame = 1, .emitsLight = false, .lightShape = 0, .visible = false});
    world.fade.fadeIn();
    stage = waitingForLamps;
    if (world.car.progressFlags[flagIndex]) {
        stage = wonBefore;
        for (const tileSpot lampTile : cornerLamps) {
            changeGroup(world, groupOnTile(*this, lampTile),
                        {.frame = burningLamp, .emitsLight = true, .visible = true});
        }
    }
}

void levelTwelve::waitForLamps(objectWorld &world) {
    const int32_t lit = litLampCount(world);
    music = lit < lampsForSecondTrack ? 1 : 2;
    if (lit < lampsThatBringTheFlame) {
        return;
    }
    music = 3;
    for (const butterflyMove &move : gathering) {
        const int32_t group = groupOnTile(*this, move.from);
        moveHomeBy(world, group, move.dx, move.dy);
        light(world, group);
    }
    const int32_t flameGroup = groupOnTile(*this, theFlame);
    light(world, flameGroup);
    setLightShape(world, flameGroup, 3);
    stage = waitingForPickup;
}

void levelTwelve::waitForPickup(objectWorld &world, const scriptServices &services) {
    if (!carInBox(world.car, strict(38, 42), strict(48.5, 52.5))) {
        return;
    }
    pickUpFlame(world, services, *this, flagIndex, groupOnTile(*this, theFlame));
    stage = flameTaken;
}

void levelTwelve::forgetVisit() {
    stage = entering;
    armed = 0;
    music = 0;
}
