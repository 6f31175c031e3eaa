#include "levels/levelSix.h"

#include "levels/levelLayout.h"
#include "levels/saveGame.h"
#include "levels/scriptBlocks.h"
#include "levels/scriptServices.h"
#include "levels/tileCodes.h"
#include "media/textBox.h"
#include "objects/lamp.h"
#include "objects/objectWorld.h"
#include "objects/treeFrames.h"

using enum objectKind;

void levelSix::setup() {
    beginLayout(*this, 80);
    placeStraightRoad(*this, 38);

    placeRoadsideLamps(*this);
    // Trees take the place of the lamps at y = 35, a road sign that of the one at (44, 45).
    placeObject(*this, tree, 36, 35);
    placeObject(*this, tree, 44, 35);
    placeObject(*this, roadSign, 44, 45);
    stage = entering;
    finished = 0;
    fadeStarted = false;
}

namespace {

// Group numbers follow the grid's scan: column by column from x = 0, each from y = 0 up;
// every other group is a lamp.
constexpr int32_t lowSideTree = 7;
constexpr int32_t highSideTree = 23;
constexpr int32_t theRoadSign = 25;
constexpr groupRange roadside = groups(0, 31);

constexpr double signAngle = 105;
// Driving faster than this lights every lamp along the road.
constexpr double lightingSpeed = 5;
constexpr int32_t noLevel = -1;
constexpr const char *endLine = "thats all for now";

// The routes from the ends of the road, each taken while its flame is not yet won; the
// third of each end opens only while the game goes beyond the fourth flame.
struct route {
    int32_t flag;
    int32_t level;
};
constexpr route northRoutes[] = {{1, 10}, {3, 13}, {5, 16}};
constexpr route southRoutes[] = {{0, 8}, {2, 11}, {4, 14}};

int32_t routeFrom(const route (&routes)[3], const playerCar &car, const gameFlags &flags) {
    const bool(&won)[progressFlagCount] = car.progressFlags;
    if (!won[routes[0].flag]) {
        return routes[0].level;
    }
    if (!won[routes[1].flag]) {
        return routes[1].level;
    }
    if (!won[routes[2].flag] && !flags.fourth) {
        return routes[2].level;
    }
    return noLevel;
}

bool atNorthEnd(const playerCar &car) {
    return carInBox(car, inclusive(36, 44), inclusive(1, 2)) && faces(car, 40, -5);
}

bool atSouthEnd(const playerCar &car) {
    return carInBox(car, inclusive(36, 44), inclusive(78, 79)) && faces(car, 40, 85);
}

} // namespace

void levelSix::script(objectWorld &world, const scriptServices &services) {
    if (stage == entering) {
        enter(world, services);
    } else if (stage == waitingForMiddle) {
        reachMiddle(world);
    } else if (stage == exitsOpen) {
        if (lightAndLeave(world, services) == levelExit::left) {
            return; // the next level has the rest of the pass
        }
    }
    endOrFade(world, services);
}

// The second checkpoint, saved on every arrival.
void levelSix::enter(objectWorld &world, const scriptServices &services) {
    saveProgress(services, world.currentLevel.index, world.car.progressFlags);
    music = 0;
    fadeStarted = false;
    world.fade.fadeIn();
    setFrame(world, lowSideTree, grownFrame);
    setFrame(world, highSideTree, grownFrame);
    setAngle(world, theRoadSign, signAngle);
    stage = waitingForMiddle;
}

void levelSix::reachMiddle(objectWorld &world) {
    if (carInBox(world.car, strict(20, 60), strict(20, 60))) {
        stage = exitsOpen;
    }
}

levelExit levelSix::lightAndLeave(objectWorld &world, const scriptServices &services) {
    const playerCar &car = world.car;
    if (car.speed > lightingSpeed) {
        for (const int32_t group : roadside) {
            if (group != lowSideTree && group != highSideTree && group != theRoadSign) {
                setFrame(world, group, lampBurning);
            }
        }
    }
    if (atSideExit(car)) {
        return takeExit(world, services, moonLevel);
    }
    if (atNorthEnd(car)) {
        return takeExit(world, services, routeFrom(northRoutes, car, services.flags));
    }
    if (atSouthEnd(car)) {
        return takeExit(world, services, routeFrom(southRoutes, car, services.flags));
    }
    return levelExit::stayed;
}

// An end with no route left open is no exit: the player stays at the crossroads.
levelExit levelSix::takeExit(objectWorld &world, const scriptServices &services, const int32_t nextLevel) {
    if (nextLevel == noLevel) {
        return levelExit::stayed;
    }
    const levelExit exit = leaveFor(world, services, *this, nextLevel);
    stage = entering;
    return exit;
}

// Once the four flames are won the journey ends here for now. Until then, a line carried in
// from the level before fades out; the fade is started once and left to run.
void levelSix::endOrFade(objectWorld &world, const scriptServices &services) {
    if (!services.flags.fourth || finished != 0) {
        return;
    }
    const bool(&won)[progressFlagCount] = world.car.progressFlags;
    if (won[0] && won[1] && won[2] && won[3]) {
        services.text.showMessage(endLine);
        finished = 1;
        return;
    }
    if (!fadeStarted) {
        services.text.commandMessages(textCommand::fade);
    }
    fadeStarted = true;
}
