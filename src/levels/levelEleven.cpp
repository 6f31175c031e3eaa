#include "levels/levelEleven.h"

#include <iterator>

#include "levels/levelLayout.h"
#include "levels/tileCodes.h"
#include "objects/objectWorld.h"

using enum objectKind;

void levelEleven::setup() {
    beginLayout(*this, 80);
    placeStraightRoad(*this, 38);

    placeRoadsideLamps(*this);
    // Two columns of ghost cars, one in each lane.
    placeObjectColumn(*this, ghostCar, 39, 64, 68, 1);
    placeObjectColumn(*this, ghostCar, 41, 64, 68, 1);
    forgetVisit();
}

namespace {

constexpr groupRange ghosts = groups(16, 25);
constexpr int32_t nextLevel = 12;
constexpr int32_t framesBeforeLeaving = 60;
constexpr double headingMinusY = 90; // a loosed ghost drives back down the road at the player

// Who is let loose on each lap through the gate, and who is sent away: two ghosts at most
// each way, and a loosed ghost may start a few tiles along the road.
struct ghostRelease {
    int32_t group;
    double shiftY;
};
struct lapChange {
    int32_t retired[2];
    ghostRelease released[2];
};
constexpr int32_t noGhost = -1;
constexpr lapChange laps[] = {
    {{noGhost, noGhost}, {{16, 0}, {noGhost, 0}}},
    {{16, noGhost}, {{21, 0}, {noGhost, 0}}},
    {{21, noGhost}, {{17, -5}, {25, 5}}},
    {{17, 25}, {{22, 0}, {noGhost, 0}}},
    {{22, noGhost}, {{20, 0}, {noGhost, 0}}},
    {{20, noGhost}, {{18, -7}, {23, 7}}},
    {{18, 23}, {{19, 0}, {24, 0}}},
    {{19, 24}, {{noGhost, 0}, {noGhost, 0}}},
};

// The laps are stages in a row, one for each lap's change, and the final pass follows them.
using scriptStage = levelEleven::scriptStage;
constexpr int32_t lapIndex(const scriptStage stage) {
    return static_cast<int32_t>(stage) - static_cast<int32_t>(scriptStage::firstLap);
}
constexpr scriptStage stageAfter(const scriptStage stage) {
    return static_cast<scriptStage>(static_cast<int32_t>(stage) + 1);
}
static_assert(lapIndex(scriptStage::eighthLap) + 1 == static_cast<int32_t>(std::size(laps)));
static_assert(stageAfter(scriptStage::eighthLap) == scriptStage::finalPass);

// Across the start of the road, heading on towards +y.
bool inGate(const playerCar &car) {
    return carInBox(car, inclusive(36, 44), inclusive(0, 2)) && faces(car, 40, 5);
}

// Every second lamp of the runs goes out.
void hideEverySecond(objectWorld &world, const groupRange lamps) {
    for (const int32_t group : lamps) {
        if ((group - lamps.first) % 2 == 0) {
            hide(world, group);
        }
    }
}

} // namespace

void levelEleven::script(objectWorld &world, const scriptServices &services) {
    if (runStage(world, services) == levelExit::left) {
        return;
    }
    if (leaveSideways(world, services, *this, armed) == levelExit::left) {
        forgetVisit();
    }
}

levelExit levelEleven::runStage(objectWorld &world, const scriptServices &services) {
    if (stage == entering) {
        enter(world);
    } else if (stage == waitingForFirstPass) {
        startFirstPass(world);
    } else if (stage == onFirstPass) {
        endFirstPass(world);
    } else if (stage >= firstLap && stage <= eighthLap) {
        lap(world);
    } else if (stage == finalPass) {
        return lastLap(world, services);
    }
    return levelExit::stayed;
}

void levelEleven::enter(objectWorld &world) {
    music = 1;
    for (const int32_t group : ghosts) {
        setVisible(world, group, false);
    }
    world.fade.fadeIn();
    stage = waitingForFirstPass;
}

void levelEleven::startFirstPass(objectWorld &world) {
    if (!(carInBox(world.car, inclusive(36, 44), inclusive(38, 40)) && faces(world.car, 40, 45))) {
        return;
    }
    hideEverySecond(world, groups(0, 7));
    hideEverySecond(world, groups(26, 35));
    stage = onFirstPass;
}

// Driving on round the world, or turning back past the middle.
void levelEleven::endFirstPass(objectWorld &world) {
    const span road = inclusive(36, 44);
    const bool onward = carInBox(world.car, road, inclusive(0, 2)) && faces(world.car, 40, 5);
    const bool back = carInBox(world.car, road, aboveUpTo(40, 42)) && faces(world.car, 40, 35);
    if (!onward && !back) {
        return;
    }
    hideEverySecond(world, groups(0, 15));
    hideEverySecond(world, groups(26, 41));
    stage = firstLap;
    passed = false;
}

// Standing in the gate counts once: the car must leave it before it counts again.
bool levelEleven::passesGate(const playerCar &car) {
    if (!inGate(car)) {
        passed = false;
        return false;
    }
    if (passed || car.speed < 0) {
        return false;
    }
    passed = true;
    return true;
}

void levelEleven::lap(objectWorld &world) {
    if (!passesGate(world.car)) {
        return;
    }
    const lapChange &change = laps[lapIndex(stage)];
    for (const int32_t group : change.retired) {
        if (group != noGhost) {
            setMode(world, group, objectMode::dead);
        }
    }
    for (const ghostRelease &release : change.released) {
        if (release.group != noGhost) {
            changeGroup(world, release.group,
                        {.shiftY = release.shiftY,
                         .angle = headingMinusY,
                         .visible = true,
                         .mode = objectMode::straight});
        }
    }
    stage = stageAfter(stage);
}

// After a short wait, one more pass through the gate leads on. The car must have left the
// gate since the last lap, as on every lap.
levelExit levelEleven::lastLap(objectWorld &world, const scriptServices &services) {
    if (timer < framesBeforeLeaving) {
        timer++;
        if (!inGate(world.car)) {
            passed = false;
        }
        return levelExit::stayed;
    }
    if (!passesGate(world.car)) {
        return levelExit::stayed;
    }
    forgetVisit();
    return leaveFor(world, services, *this, nextLevel);
}

void levelEleven::forgetVisit() {
    stage = entering;
    armed = 0;
    timer = 0;
    passed = false;
    music = 0;
}
