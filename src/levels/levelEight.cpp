#include "levels/levelEight.h"

#include <string_view>

#include "levels/levelLayout.h"
#include "levels/loadLevelObjects.h"
#include "levels/scriptBlocks.h"
#include "levels/scriptServices.h"
#include "levels/tileCodes.h"
#include "objects/objectWorld.h"
#include "objects/treeFrames.h"

using enum objectKind;

namespace {

constexpr tileSpot nearTree = {32, 5};
constexpr tileSpot farTree = {32, 70};
constexpr tileSpot firstGhost = {37, 52};
constexpr tileSpot secondGhost = {43, 57};
constexpr tileSpot theStatue = {47, 11};

} // namespace

void levelEight::setup() {
    beginLayout(*this, 80);
    placeStraightRoad(*this, 38);

    placeRoadsideLamps(*this);
    placeObjects(*this, tree, {nearTree, farTree});
    placeObjects(*this, ghostCar, {firstGhost, secondGhost});
    placeObjectColumn(*this, butterfly, 45, 5, 75, 10);
    placeObjects(*this, statue, {theStatue});

    forgetVisit();
}

namespace {

// Group numbers follow the grid's scan: column by column from x = 0, each from y = 0 up.
// Lamps every five tiles on both sides of the road (x = 36 and 44); the near half of a side
// stands at y = 0 … 35, the far half at y = 40 … 75.
constexpr groupRange lowSideNearLamps = groups(2, 9);
constexpr groupRange lowSideFarLamps = groups(10, 17);
constexpr groupRange highSideNearLamps = groups(20, 27);
constexpr groupRange highSideFarLamps = groups(28, 35);
constexpr groupRange highSideLamps = groups(20, 35);
// Butterflies along the road at x = 45, y = 5 … 35 and y = 45 … 75.
constexpr groupRange nearButterflies = groups(36, 39);
constexpr groupRange farButterflies = groups(40, 43);
constexpr groupRange butterflies = groups(36, 43);

constexpr int32_t nextLevel = 9;
constexpr int32_t lampsThatEndTheGhosts = 8;
constexpr int32_t framesBeforeLeaving = 30;
constexpr std::string_view statueLine = "dissolve them with light";

// The two ends of a pass along the road: driving on towards +y past the edge of the world
// onto the road's start, or turning back towards -y just past the middle.
bool endsPass(const playerCar &car) {
    const span road = inclusive(36, 44);
    return (carInBox(car, road, inclusive(0, 2)) && faces(car, 40, 5)) ||
           (carInBox(car, road, aboveUpTo(40, 42)) && faces(car, 40, 35));
}

// The same two places crossed the other way round.
bool endsReturnPass(const playerCar &car) {
    const span road = inclusive(36, 44);
    return (carInBox(car, road, inclusive(0, 2)) && faces(car, 40, -5)) ||
           (carInBox(car, road, aboveUpTo(40, 42)) && faces(car, 40, 45));
}

// Every second lamp from `first` on goes dark and out of sight; the ones between show as
// dark lamps for the player to light.
void alternateLamps(objectWorld &world, const groupRange lamps) {
    for (const int32_t group : lamps) {
        if ((group - lamps.first) % 2 == 0) {
            hide(world, group);
        } else {
            light(world, group);
        }
    }
}

bool aTreeRecharged(const objectWorld &world) {
    bool recharged = false;
    forEachPlaced(world, [&](const basicObj &object) {
        recharged = recharged || (object.kind == objectKind::tree && object.state == 1);
    });
    return recharged;
}

// Ghosts give up the hunt once the player has driven far from the road.
void callOffGhosts(objectWorld &world) {
    const double x = world.car.x;
    if (x >= 20 && x <= 60) {
        return;
    }
    forEachPlaced(world, [&](const basicObj &object) {
        if (object.kind == objectKind::ghostCar && object.mode == objectMode::attack) {
            setMode(world, object.groupId, objectMode::patrol);
        }
    });
}

} // namespace

void levelEight::script(objectWorld &world, const scriptServices &services) {
    if (runStage(world, services) == levelExit::left) {
        return;
    }
    speakOrFall(world, services.text);
    if (leaveSideways(world, services, *this, armed) == levelExit::left) {
        forgetVisit();
    }
}

levelExit levelEight::runStage(objectWorld &world, const scriptServices &services) {
    switch (stage) {
    case entering:
        enter(world);
        break;
    case waitingForFirstPass:
        startFirstPass(world);
        break;
    case onFirstPass:
        endFirstPass(world);
        break;
    case waitingForLamps:
        waitForLamps(world);
        break;
    case onSecondPass:
        endSecondPass(world);
        break;
    case onReturnPass:
        endReturnPass(world);
        break;
    case dimmingButterflies:
        dimButterflies(world);
        break;
    case waitingToLeave:
        return waitAndLeave(world, services);
    default:
        break;
    }
    return levelExit::stayed;
}

// Nothing of the story shows before the player drives along the road.
void levelEight::enter(objectWorld &world) {
    music = 1;
    changeGroup(world, groupOnTile(*this, nearTree), {.frame = grownFrame, .visible = false});
    for (const tileSpot tile : {farTree, firstGhost, secondGhost, theStatue}) {
        setVisible(world, groupOnTile(*this, tile), false);
    }
    for (const int32_t group : butterflies) {
        moveBy(world, group, -1, 0);
        changeGroup(world, group, {.emitsLight = false, .lightShape = 0, .visible = false});
    }
    world.fade.fadeIn();
    stage = waitingForFirstPass;
}

void levelEight::startFirstPass(objectWorld &world) {
    if (!(carInBox(world.car, inclusive(36, 44), inclusive(38, 40)) && faces(world.car, 40, 45))) {
        return;
    }
    setVisible(world, groupOnTile(*this, nearTree), true);
    for (const int32_t group : lowSideNearLamps) {
        hide(world, group);
    }
    alternateLamps(world, highSideNearLamps);
    for (const int32_t group : nearButterflies) {
        light(world, group);
    }
    setVisible(world, groupOnTile(*this, theStatue), true);
    stage = onFirstPass;
}

// The second half of the lamps goes dark and the ghosts are let loose, each with its
// patrol point seven tiles across the road.
void levelEight::endFirstPass(objectWorld &world) {
    if (!endsPass(world.car)) {
        return;
    }
    for (const int32_t group : lowSideFarLamps) {
        hide(world, group);
    }
    alternateLamps(world, highSideFarLamps);
    for (const int32_t group : farButterflies) {
        light(world, group);
    }
    changeGroup(world, groupOnTile(*this, firstGhost), {.homeShiftX = 7, .visible = true});
    changeGroup(world, groupOnTile(*this, secondGhost), {.homeShiftX = -7, .visible = true});
    stage = waitingForLamps;
}

// A recharge at a tree wakes the ghosts and puts the player's lamps out again.
void levelEight::waitForLamps(objectWorld &world) {
    if (aTreeRecharged(world)) {
        alternateLamps(world, highSideLamps);
    }
    callOffGhosts(world);
    const int32_t lit = litLampCount(world);
    music = lit > 0 ? 2 : 1;
    if (lit < lampsThatEndTheGhosts) {
        return;
    }
    music = 3;
    changeGroup(world, groupOnTile(*this, nearTree),
                {.frame = grownFrame, .emitsLight = false, .visible = false});
    setVisible(world, groupOnTile(*this, theStatue), false);
    for (const int32_t group : butterflies) {
        moveHomeBy(world, group, -4, 90);
    }
    stage = onSecondPass;
}

void levelEight::endSecondPass(objectWorld &world) {
    if (!endsPass(world.car)) {
        return;
    }
    for (const int32_t group : highSideFarLamps) {
        hide(world, group);
    }
    stage = onReturnPass;
}

void levelEight::endReturnPass(objectWorld &world) {
    if (!endsReturnPass(world.car)) {
        return;
    }
    for (const int32_t group : highSideNearLamps) {
        hide(world, group);
    }
    stage = dimmingButterflies;
}

void levelEight::dimButterflies(objectWorld &world) {
    for (const int32_t group : butterflies) {
        setMode(world, group, objectMode::dim);
    }
    stage = waitingToLeave;
}

// A short wait, then the start of the road leads on.
levelExit levelEight::waitAndLeave(objectWorld &world, const scriptServices &services) {
    if (waitTimer < framesBeforeLeaving) {
        waitTimer++;
        return levelExit::stayed;
    }
    if (!carInBox(world.car, inclusive(36, 44), inclusive(0, 2))) {
        return levelExit::stayed;
    }
    const levelExit exit = leaveFor(world, services, *this, nextLevel);
    forgetVisit();
    return exit;
}

// The statue speaks only while the ghosts are about.
void levelEight::speakOrFall(const objectWorld &world, textBox &text) {
    if (stage == onFirstPass || stage == waitingForLamps) {
        statueMessage(world, text, statueLine, messageShown);
    } else {
        withdrawMessage(text, messageShown);
    }
}

void levelEight::forgetVisit() {
    stage = entering;
    armed = 0;
    messageShown = false;
    waitTimer = 0;
    music = 0;
}
