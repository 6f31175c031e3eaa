#include "levels/levelSixteen.h"

#include "levels/levelLayout.h"
#include "levels/tileCodes.h"
#include "objects/objectWorld.h"

using enum objectKind;

void levelSixteen::setup() {
    beginLayout(*this, 80);
    placeStraightRoad(*this, 38);

    placeRoadsideLamps(*this);
    placeObjects(*this, ghostCar, {{38, 20}, {40, 23}, {42, 20}});
    forgetVisit();
}

namespace {

constexpr int32_t ghosts[] = {16, 17, 18};
constexpr int32_t ghostCount = 3;
constexpr double headingPlusY = 270; // against a player arriving from the crossroads
constexpr int32_t flagIndex = 5;
constexpr int32_t nextLevel = 17;

void sendGhosts(objectWorld &world, const objectMode mode) {
    for (const int32_t group : ghosts) {
        changeGroup(world, group, {.angle = headingPlusY, .mode = mode});
    }
}

int32_t restingGhosts(const objectWorld &world) {
    int32_t count = 0;
    forEachPlaced(world, [&](const basicObj &object) {
        count += object.kind == objectKind::ghostCar && object.onMap && object.mode == objectMode::none;
    });
    return count;
}

} // namespace

void levelSixteen::script(objectWorld &world, const scriptServices &services) {
    if (stage == entering) {
        enter(world);
    } else if (stage == waitingForDarkness && waitForDarkness(world, services) == levelExit::left) {
        return;
    }
    respawnGhosts(world);
    if (leaveSideways(world, services, *this, armed) == levelExit::left) {
        forgetVisit();
    }
}

void levelSixteen::enter(objectWorld &world) {
    music = 1;
    sendGhosts(world, objectMode::straight);
    stage = waitingForDarkness;
    world.fade.fadeIn();
}

// Before the sixth flame is won, driving on in the dark leads to it.
levelExit levelSixteen::waitForDarkness(objectWorld &world, const scriptServices &services) {
    const playerCar &car = world.car;
    if (car.progressFlags[flagIndex] || car.headlightsOn) {
        return levelExit::stayed;
    }
    forgetVisit();
    return leaveFor(world, services, *this, nextLevel);
}

// Once all three ghosts have been put to rest, they come back down the road while the
// player is on its second half.
void levelSixteen::respawnGhosts(objectWorld &world) {
    if (restingGhosts(world) >= ghostCount && carInBox(world.car, strict(20, 60), strict(40, 60))) {
        sendGhosts(world, objectMode::respawnStraight);
    }
}

void levelSixteen::forgetVisit() {
    stage = entering;
    armed = 0;
    music = 0;
}
