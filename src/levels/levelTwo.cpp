#include "levels/levelTwo.h"

#include "levels/levelLayout.h"
#include "levels/loadLevelObjects.h"
#include "levels/scriptBlocks.h"
#include "levels/tileCodes.h"
#include "objects/lamp.h"
#include "objects/objectWorld.h"

using enum objectKind;

namespace {

// A column of lamps on each side of the road, a lamp every five tiles.
constexpr int32_t lampColumns[] = {2, 10};
constexpr tileSpot stopSign = {9, 25};
constexpr tileSpot lampBySign = {10, 25};
constexpr tileSpot butterflyBySign = {12, 25};

} // namespace

void levelTwo::setup() {
    beginLayout(*this, 40);
    placeStraightRoad(*this, 4);

    for (const int32_t x : lampColumns) {
        placeObjectColumn(*this, objectKind::lamp, x, 0, 35, 5);
    }
    placeObjects(*this, stop, {stopSign});
    placeObjects(*this, butterfly,
                 {{4, 2},
                  {4, 8},
                  {4, 21},
                  {4, 37},
                  {5, 16},
                  {5, 35},
                  {6, 29},
                  {7, 11},
                  {7, 25},
                  {8, 5},
                  {8, 19},
                  butterflyBySign});
    stage = entering;
    timer = counter = 0;
}

namespace {

// Group numbers follow the grid's scan: column by column from x = 0, each from y = 0 up.
constexpr groupRange lowSideLamps = groups(0, 7); // x = 2, y = 0 … 35 every 5
constexpr groupRange roadButterflies = groups(8, 18);
constexpr groupRange highSideLamps = groups(20, 27); // x = 10

constexpr int32_t nextLevel = 3;
// Frames the car must stand before the stop sign, counted whether in a row or not.
constexpr int32_t framesAtStopSign = 40;
constexpr int32_t framesBeforeLampsShow = 30;
constexpr int32_t framesOfDimming = 60;
constexpr int32_t framesBeforeLampsLight = 30;
// Level 3's road lies 13 tiles further along x than this one.
constexpr double nextRoadOffsetX = 13;

const span road = strict(3, 9);

bool facesStopSign(const playerCar &car) {
    return faces(car, 6, 25);
}

// Both lamps of each row, the rows given by y.
void lightLampRows(const level &lvl, objectWorld &world, std::initializer_list<int32_t> rows) {
    for (const int32_t y : rows) {
        for (const int32_t x : lampColumns) {
            changeGroup(world, groupOnTile(lvl, {x, y}), {.frame = lampBurning, .emitsLight = true});
        }
    }
}

} // namespace

void levelTwo::script(objectWorld &world, const scriptServices &services) {
    switch (stage) {
    case entering:
        enter(world);
        break;
    case approachingStopSign:
        showStopSign(world);
        break;
    case waitingAtStopSign:
        waitAtStopSign(world);
        break;
    case dimmingButterflies:
        dimButterflies(world);
        break;
    case lightingLamps:
        lightLamps(world);
        break;
    case passingStopSign:
        passStopSign(world);
        break;
    case drivingOn:
        if (driveOn(world, services) == levelExit::left) {
            return; // level 3 has the rest of the pass
        }
        break;
    default:
        break;
    }
}

// The lamps stand hidden and the butterflies wander off along the road.
void levelTwo::enter(objectWorld &world) {
    music = 1;
    world.fade.fadeIn();
    for (const groupRange lamps : {lowSideLamps, highSideLamps}) {
        for (const int32_t group : lamps) {
            hide(world, group);
        }
    }
    for (const int32_t group : roadButterflies) {
        moveHomeBy(world, group, 0, 50);
    }
    changeGroup(world, groupOnTile(*this, stopSign), {.frame = 1, .angle = 90, .visible = false});
    hide(world, groupOnTile(*this, butterflyBySign));
    stage = approachingStopSign;
}

// Coming down the road towards it, the stop sign appears with a lamp and a butterfly.
void levelTwo::showStopSign(objectWorld &world) {
    const playerCar &car = world.car;
    if (!(car.y > 30 && road.holds(car.x) && facesStopSign(car))) {
        return;
    }
    setVisible(world, groupOnTile(*this, stopSign), true);
    changeGroup(world, groupOnTile(*this, lampBySign), {.emitsLight = true, .visible = true});
    const int32_t butterflyGroup = groupOnTile(*this, butterflyBySign);
    moveHomeBy(world, butterflyGroup, -2.5, 0);
    changeGroup(world, butterflyGroup, {.emitsLight = true, .visible = true});
    stage = waitingAtStopSign;
    timer = 0;
}

void levelTwo::waitAtStopSign(objectWorld &world) {
    const playerCar &car = world.car;
    if (car.speed <= 0 && carInBox(car, road, strict(15, 23)) && facesStopSign(car)) {
        timer++;
    }
    if (timer >= framesAtStopSign) {
        stage = dimmingButterflies;
        timer = 0;
    }
}

// The butterflies fade, then the lamps show, dark but for the one by the sign.
void levelTwo::dimButterflies(objectWorld &world) {
    if (timer == 0) {
        for (const int32_t group : roadButterflies) {
            setMode(world, group, objectMode::dim);
        }
    }
    if (timer == framesBeforeLampsShow) {
        music = 2;
        for (const groupRange lamps : {lowSideLamps, highSideLamps}) {
            for (const int32_t group : lamps) {
                changeGroup(world, group, {.frame = lampDark, .emitsLight = false, .visible = true});
            }
        }
        changeGroup(world, groupOnTile(*this, lampBySign),
                    {.frame = lampBurning, .emitsLight = true, .visible = true});
    }
    timer++;
    if (timer >= framesOfDimming) {
        stage = lightingLamps;
        timer = 0;
        counter = 0;
    }
}

// While the car is held, the lamps light outwards from the sign, a pair of rows a frame.
void levelTwo::lightLamps(objectWorld &world) {
    if (counter < 2) {
        world.car.speed = 0;
        world.car.turn = 0;
    }
    if (timer < framesBeforeLampsLight) {
        timer++;
    }
    if (timer != framesBeforeLampsLight) {
        return;
    }
    counter++;
    if (counter == 1) {
        lightLampRows(*this, world, {25, 30});
    } else if (counter == 2) {
        lightLampRows(*this, world, {35});
        setMode(world, groupOnTile(*this, butterflyBySign), objectMode::dim);
    } else if (counter == 3) {
        lightLampRows(*this, world, {0});
    } else if (counter == 4) {
        lightLampRows(*this, world, {5, 10, 15, 20});
        stage = passingStopSign;
        counter = timer = 0;
    }
}

// The sign is gone once it is behind the car.
void levelTwo::passStopSign(objectWorld &world) {
    if (faces(world.car, 9, 25.5)) {
        return;
    }
    setVisible(world, groupOnTile(*this, stopSign), false);
    timer = 0;
    stage = drivingOn;
}

levelExit levelTwo::driveOn(objectWorld &world, const scriptServices &services) {
    playerCar &car = world.car;
    if (!(carInBox(car, road, strict(1, 3)) && facesStopSign(car))) {
        return levelExit::stayed;
    }
    const levelExit exit = leaveFor(world, services, *this, nextLevel);
    car.x += nextRoadOffsetX;
    return exit;
}
