#include "levels/levelFifteen.h"

#include "levels/levelLayout.h"
#include "levels/scriptServices.h"
#include "levels/tileCodes.h"
#include "objects/objectWorld.h"

using namespace groundCode;
using enum objectKind;

namespace {

int32_t lowXWinding(int32_t x) {
    return 54 - x / 2;
}
int32_t highXWinding(int32_t x) {
    return 14 - x / 2;
}

// The diagonal road comes in across the low-x edge and, at x = 24 and 25, runs into the first
// stretch along x (y = 43 … 50), whose kerb takes the place of its opening piece. The stretch
// ends in a point at x = 40 … 42.
void placeFirstStretch(level &lvl) {
    for (int32_t x = 0; x <= 25; x++) {
        placeDiagonalColumn(lvl, x, lowXWinding(x));
    }
    for (const int32_t x : {24, 25}) {
        setGround(lvl, x, 42, dirt);
        setGround(lvl, x, 43, capUp);
    }
    placeStretchAlongX(lvl, 26, 39, 43, 50);
    placePointedEnd(lvl, 40, 43, 50, +1, 3);
}

// The second stretch along x (y = 69 … 76) starts in a point at x = 36 … 38 and, at x = 52
// and 53, runs into the diagonal road again, its kerb taking the place of the closing piece.
void placeSecondStretch(level &lvl) {
    placePointedEnd(lvl, 38, 69, 76, -1, 3);
    placeStretchAlongX(lvl, 39, 51, 69, 76);
    for (int32_t x = 52; x < 80; x++) {
        placeDiagonalColumn(lvl, x, highXWinding(x));
    }
    for (const int32_t x : {52, 53}) {
        setGround(lvl, x, 77, dirt);
        setGround(lvl, x, 76, capDown);
    }
}

// Lamps flank the diagonal road every eighth column.
void placeDiagonalRoadLamps(level &lvl) {
    for (const int32_t x : {7, 15, 23}) {
        placeDiagonalLamps(lvl, x, lowXWinding(x));
    }
    for (const int32_t x : {55, 63, 71, 79}) {
        placeDiagonalLamps(lvl, x, highXWinding(x));
    }
}

} // namespace

void levelFifteen::setup() {
    beginLayout(*this, 80);
    placeFirstStretch(*this);
    placeSecondStretch(*this);

    placeDiagonalRoadLamps(*this);
    placeObjects(
        *this, lamp,
        {{26, 41}, {31, 41}, {36, 41}, {39, 47}, {27, 60}, {51, 60}, {39, 72}, {41, 78}, {46, 78}, {51, 78}});
    // Twelve ground lights ring the flame and the tree beside it.
    placeObject(*this, flame, 40, 60);
    placeObject(*this, tree, 39, 60);
    placeObjects(*this, gLight,
                 {{29, 60},
                  {31, 54},
                  {31, 65},
                  {34, 51},
                  {34, 68},
                  {39, 49},
                  {39, 70},
                  {44, 51},
                  {44, 68},
                  {47, 54},
                  {47, 65},
                  {49, 60}});
    placeObject(*this, ashTree, 79, 79);
    forgetVisit();
    dice = {};
}

namespace {

constexpr int32_t ringLamps[] = {7, 15, 19, 28};
constexpr int32_t theTree = 17;
constexpr int32_t theFlame = 20;
constexpr int32_t theAshTree = 38;
// The ring's lights: the first seven stay as placed, the last five start as frame 1.
constexpr int32_t ringLights[] = {8, 10, 11, 12, 13, 16, 18, 22, 23, 25, 26, 27};
constexpr int32_t restartedRingLights[] = {22, 23, 25, 26, 27};
constexpr worldPoint ringCentre = {40.5, 60.5};
constexpr int32_t flagIndex = 4;
constexpr int32_t burningLamp = 3;
constexpr int32_t sapling = 1;
constexpr int32_t randomShape = -1;

// How the ring turns and shines with 0 … 4 of its lamps burning.
struct ringMotion {
    double turn; // radians per frame
    int32_t lightShape;
};
constexpr ringMotion motionByLamps[] = {
    {0, 0}, {0.01, randomShape}, {0.03, 3}, {0.05, randomShape}, {0.08, 5}};
constexpr ringMotion ringRacing = {0.08, 5};
constexpr ringMotion ringAtRest = {0, 0};

int32_t burningRingLamps(const objectWorld &world) {
    int32_t count = 0;
    forEachPlaced(world, [&](const basicObj &object) {
        for (const int32_t group : ringLamps) {
            count += object.groupId == group && object.onMap && object.frame == burningLamp;
        }
    });
    return count;
}

bool saplingGrowing(const objectWorld &world) {
    bool growing = false;
    forEachPlaced(world, [&](const basicObj &object) {
        growing = growing || (object.kind == objectKind::tree && object.onMap && object.frame > sapling);
    });
    return growing;
}

void darkenRing(objectWorld &world) {
    for (const int32_t group : ringLights) {
        setLightShape(world, group, 0);
    }
    for (const int32_t group : restartedRingLights) {
        setFrame(world, group, 1);
    }
}

} // namespace

void levelFifteen::script(objectWorld &world, const scriptServices &services) {
    if (stage == entering) {
        enter(world);
    } else if (stage == showingSapling) {
        showSapling(world);
    } else if (stage == showingFlame) {
        showFlame(world);
    } else if (stage == waitingForPickup) {
        waitForPickup(world, services);
    }
    const int32_t lit = burningRingLamps(world);
    turnRing(world, lit);
    if (stage < showingSapling) {
        followLamps(lit);
    }
    if (saplingGrowing(world)) {
        stage = showingFlame;
    }
    if (leave(world, services) == levelExit::left) {
        forgetVisit();
    }
}

// The ring lamps stand dark; the tree and the flame are hidden, and the ash tree from the
// corner of the world stands on the tree's tile.
void levelFifteen::enter(objectWorld &world) {
    music = 1;
    for (const int32_t lamp : ringLamps) {
        setFrame(world, lamp, 1);
    }
    for (const int32_t group : {theTree, theFlame}) {
        changeGroup(world, group, {.emitsLight = false, .lightShape = 0, .visible = false});
    }
    darkenRing(world);
    shiftBy(world, theAshTree, -40, -19);
    world.fade.fadeIn();
    stage = waitingForRingLamps;
}

// All four lamps burning: the ash tree gives way to a glowing sapling, waiting for the flash.
void levelFifteen::showSapling(objectWorld &world) {
    setVisible(world, theAshTree, false);
    changeGroup(world, theTree, {.emitsLight = true, .lightShape = 1, .visible = true});
    stage = waitingForGrowth;
}

void levelFifteen::showFlame(objectWorld &world) {
    changeGroup(world, theTree, {.frame = sapling, .emitsLight = false, .lightShape = 0, .visible = false});
    light(world, theFlame);
    setLightShape(world, theFlame, 3);
    stage = waitingForPickup;
}

void levelFifteen::waitForPickup(objectWorld &world, const scriptServices &services) {
    if (!carInBox(world.car, strict(39, 41), strict(59, 61))) {
        return;
    }
    pickUpFlame(world, services, *this, flagIndex, theFlame);
    darkenRing(world);
    stage = flameTaken;
}

void levelFifteen::turnRing(objectWorld &world, const int32_t litLamps) {
    const ringMotion motion = stage <= waitingForRingLamps ? motionByLamps[litLamps]
                              : stage <= waitingForPickup  ? ringRacing
                                                           : ringAtRest;
    for (const int32_t group : ringLights) {
        if (motion.turn != 0) {
            orbitGroup(world, group, ringCentre, motion.turn, orbitPoint::position);
        }
        setLightShape(world, group, motion.lightShape == randomShape ? dice.roll(4) : motion.lightShape);
    }
}

// Until the sapling shows, the music climbs with the lamps; all four bring the sapling.
void levelFifteen::followLamps(const int32_t litLamps) {
    switch (litLamps) {
    case 0:
        music = 1;
        break;
    case 1:
        flickerMusic(flickerTimer, music, 1, 2);
        break;
    case 2:
        music = 2;
        break;
    case 3:
        flickerMusic(flickerTimer2, music, 2, 3);
        break;
    default:
        music = 3;
        stage = showingSapling;
        break;
    }
}

// Two ways out to the moon level once the centre has been reached, instead of the side
// exits: crossing y ≈ 30 or y ≈ 10 the right way round; the car arrives farther along y.
levelExit levelFifteen::leave(objectWorld &world, const scriptServices &services) {
    if (armed == 0) {
        armInCentre(world.car, armed);
        return levelExit::stayed;
    }
    const playerCar &car = world.car;
    const bool outOfFirstStretch =
        inclusive(29, 31).holds(car.y) && behind(car, 0, 40) && behind(car, 80, 40) && faces(car, 40, 0);
    const bool outOfSecondStretch =
        inclusive(9, 11).holds(car.y) && behind(car, 0, 0) && behind(car, 80, 0) && faces(car, 40, 60);
    if (!outOfFirstStretch && !outOfSecondStretch) {
        return levelExit::stayed;
    }
    const levelExit exit = leaveFor(world, services, *this, moonLevel);
    world.car.y += outOfFirstStretch ? 45 : 65;
    return exit;
}

void levelFifteen::forgetVisit() {
    stage = entering;
    armed = 0;
    flickerTimer = 0;
    flickerTimer2 = 0;
    music = 0;
}
