#include "levels/levelFive.h"

#include "levels/levelLayout.h"
#include "levels/loadLevelObjects.h"
#include "levels/scriptBlocks.h"
#include "levels/tileCodes.h"
#include "objects/objectWorld.h"
#include "objects/treeFrames.h"

using enum objectKind;

namespace {

constexpr tileSpot lowSideTree = {36, 20};
constexpr tileSpot highSideTree = {44, 20};
constexpr tileSpot theRoadSign = {44, 30};

} // namespace

void levelFive::setup() {
    beginLayout(*this, 80);
    placeStraightRoad(*this, 38);

    placeRoadsideLamps(*this);
    // Trees take the place of the lamps at y = 20, a road sign that of the one at (44, 30).
    placeObjects(*this, tree, {lowSideTree, highSideTree});
    placeObjects(*this, roadSign, {theRoadSign});
    // Ground lights lead from the trees to the edges of the world.
    placeObjectRow(*this, gLight, 20, 0, 34, 2);
    placeObjectRow(*this, gLight, 20, 46, 78, 2);
    stage = entering;
}

namespace {

// Group numbers follow the grid's scan: column by column from x = 0, each from y = 0 up.
constexpr groupRange lowSideLights = groups(0, 17);   // x = 0 … 34 every 2
constexpr groupRange highSideLights = groups(50, 66); // x = 46 … 78 every 2
constexpr int32_t highSideFirstLight = 50;

constexpr double signAngle = 105;
constexpr int32_t darkLight = 0;
// One point per ground light place on each side, just past the line: 36 in all, the last
// one on the high-x side beyond the world's edge.
constexpr int32_t placesPerSide = 18;
constexpr double lineY = 21.5;
constexpr double highSideFirstX = 46.5;
constexpr int32_t nextLevel = 6;
// The crossroads' road lies ten tiles further along y.
constexpr double nextRoadOffsetY = 10;

void putOut(objectWorld &world, const groupRange lights) {
    for (const int32_t group : lights) {
        setLightShape(world, group, darkLight);
    }
}

} // namespace

void levelFive::script(objectWorld &world, const scriptServices &services) {
    if (stage == entering) {
        enter(world);
    } else if (stage == choosingSide) {
        chooseSide(world);
    } else if (stage == puttingOutLights) {
        putOutPassedLights(world);
    } else if (stage == leaving) {
        if (leave(world, services) == levelExit::left) {
            return; // level 6 has the rest of the pass
        }
    }
}

// The level is silent: only the lights speak.
void levelFive::enter(objectWorld &world) {
    setFrame(world, groupOnTile(*this, lowSideTree), grownFrame);
    setFrame(world, groupOnTile(*this, highSideTree), grownFrame);
    setAngle(world, groupOnTile(*this, theRoadSign), signAngle);
    world.fade.fadeIn();
    stage = choosingSide;
}

// The line beyond the road, on the side the car drives towards, goes dark at once; the
// lights on this side of the road go out as the car passes them.
void levelFive::chooseSide(objectWorld &world) {
    const playerCar &car = world.car;
    if (car.x > 40 && faces(car, -1, lineY)) {
        stage = puttingOutLights;
        putOut(world, lowSideLights);
    }
    if (car.x <= 40 && faces(car, 81, lineY)) {
        stage = puttingOutLights;
        putOut(world, highSideLights);
    }
}

void levelFive::putOutPassedLights(objectWorld &world) {
    const playerCar &car = world.car;
    int32_t behind = 0;
    for (int32_t i = 0; i < placesPerSide; i++) {
        if (!faces(car, 2 * i + 0.5, lineY)) {
            behind++;
            setLightShape(world, i, darkLight);
        }
        if (!faces(car, 2 * i + highSideFirstX, lineY)) {
            behind++;
            if (highSideFirstLight + i <= highSideLights.last) {
                setLightShape(world, highSideFirstLight + i, darkLight);
            }
        }
    }
    if (behind >= 2 * placesPerSide) {
        stage = leaving;
    }
}

levelExit levelFive::leave(objectWorld &world, const scriptServices &services) {
    world.car.y += nextRoadOffsetY;
    return leaveFor(world, services, *this, nextLevel);
}
