#include "levels/levelSeven.h"

#include "levels/levelLayout.h"
#include "levels/scriptBlocks.h"
#include "levels/tileCodes.h"

#include <algorithm>
#include <cmath>

#include "objects/interactions.h"
#include "objects/objectWorld.h"
#include "objects/treeFrames.h"
#include "world/steadyMath.h"
#include "world/wrapping.h"

using enum objectKind;

namespace {

// The lightning stands in a ring round (58, 39) that looks the same from all eight
// directions; these are its offsets in one eighth of the circle.
constexpr tileSpot lightningOctant[] = {{7, 0}, {7, 1}, {6, 2}, {6, 3}, {5, 5}};

void placeLightningRing(level &lvl, int32_t x, int32_t y) {
    for (const tileSpot offset : lightningOctant) {
        for (const int32_t signX : {-1, 1}) {
            for (const int32_t signY : {-1, 1}) {
                placeObject(lvl, lightning, x + signX * offset.x, y + signY * offset.y);
                placeObject(lvl, lightning, x + signX * offset.y, y + signY * offset.x);
            }
        }
    }
}

} // namespace

void levelSeven::setup() {
    beginLayout(*this, 80);

    placeObject(*this, moon, 40, 39);
    // One flame for each route, in a row beside the moon.
    placeObjectRow(*this, flame, 39, 45, 50, 1);
    placeLightningRing(*this, 58, 39);
    placeObject(*this, statue, 66, 29);
    placeObject(*this, tree, 71, 39);
    placeObjects(*this, flame, {{68, 37}, {68, 41}, {71, 35}, {71, 43}, {74, 37}, {74, 41}});
    forgetVisit();
}

namespace {

// Group numbers follow the grid's scan: column by column from x = 0, each from y = 0 up.
constexpr int32_t theMoon = 0;
constexpr int32_t firstFlamePlace = 1; // beside the moon, one per flame won
constexpr groupRange flamePlaces = groups(1, 6);
static_assert(flamePlaces.last - flamePlaces.first < mostGroupsAtOnce, "the flames move together");
constexpr groupRange lightningRing = groups(7, 38);
constexpr int32_t theStatue = 39;
constexpr groupRange flameRing = groups(40, 46); // six flames round a tree
constexpr int32_t ringTree = 43;

constexpr worldPoint moonCentre = {40.5, 39.5};
// The statue and the ring of flames stand 31 tiles nearer, round the moon.
constexpr double ringShiftX = -31;
// The lightning ring moves 18 tiles, from round (58, 39) to round the moon.
constexpr double lightningShiftX = -18;
constexpr int32_t flameLight = 3;
constexpr int32_t treeLight = 4;
constexpr int32_t flameInMoon = 29;
constexpr int32_t crackedMoon = 2;
constexpr int32_t wholeMoon = 1;
constexpr int32_t fullBattery = 13;
constexpr int32_t whiteFlashStart = 0;
constexpr int32_t whiteFlashShort = 10;
constexpr int32_t nextLevel = 6;

// Flame delivery: standing before the moon, near and slow, one flame per 31 frames.
constexpr double deliveryRange = 20;
constexpr double deliverySpeed = 5;
constexpr int32_t deliveryWait = 30;

// Orbits: group g, or strike point i, turns by 0.01 + 0.005 · g radians a frame.
double orbitAngle(const int32_t number) {
    return 0.01 + 0.005 * number;
}
constexpr double spiralShrink = 0.99;

// The moon's push: inside 8 tiles the car is put out to 9 at once, then it slides on.
constexpr double repelFar = 10;
constexpr double repelNear = 7;
constexpr double pushInside = 8;
constexpr double pushOutTo = 9;
constexpr double pushShare = 4;
constexpr double pushLimit = 2.3;
constexpr double pushDecay = 0.9;
constexpr int32_t pushBatteryCost = 3;
// A car (almost) on the centre has no offset to be pushed along; it is pushed along its
// facing instead, in steps no shorter than this, and never more than so many of them.
constexpr double shortestPushStep = 0.05;
constexpr int32_t mostPushSteps = 1000;

constexpr int32_t strikeEvery = 6;
constexpr double strikeReach = 2;
constexpr double escapeSpeed = 25;
constexpr double escapeReach = 2;

constexpr int32_t sand = groundCode::sand;
constexpr int32_t dirt = groundCode::dirt;

bool facesMoon(const playerCar &car) {
    return faces(car, moonCentre.x, moonCentre.y);
}

void setLightning(objectWorld &world, const objectChange &change) {
    for (const int32_t group : lightningRing) {
        changeGroup(world, group, change);
    }
}

// The statue and the ring of flames round the moon, burning.
void showFlameRing(objectWorld &world) {
    setVisible(world, theStatue, true);
    for (const int32_t group : flameRing) {
        changeGroup(world, group,
                    {.lightShape = group == ringTree ? treeLight : flameLight, .visible = true});
    }
}

// Out of sight; put out as well when `dark`.
void hideFlameRing(objectWorld &world, const bool dark) {
    for (const int32_t group : groups(theStatue, flameRing.last)) {
        changeGroup(world, group, {.lightShape = 0, .visible = false});
        if (dark) {
            setEmitsLight(world, group, false);
        }
    }
}

// A placed moon's state, or 0 when there is none.
int32_t moonState(const objectWorld &world) {
    int32_t state = 0;
    forEachPlacedOfKind(world, objectKind::moon, [&](const basicObj &object) {
        if (state == 0) {
            state = object.state;
        }
    });
    return state;
}

double clampPush(const double value) {
    return std::fmax(-pushLimit, std::fmin(pushLimit, value));
}

// What is left of a push moves the car on and dies away.
void slide(double &push, double &coordinate) {
    if (std::fabs(push) > 1) {
        push *= pushDecay;
        coordinate += push;
    } else {
        push = 0;
    }
}

} // namespace

void levelSeven::script(objectWorld &world, const scriptServices &services) {
    if (stage == entering) {
        enter(world);
    } else if (stage == waitingForMiddle) {
        if (carInBox(world.car, strict(20, 60), strict(20, 60))) {
            stage = exitsOpen;
        }
    } else if (stage == exitsOpen) {
        if (leaveForCrossroads(world, services) == levelExit::left) {
            return; // the crossroads have the rest of the pass
        }
    }
    deliverFlames(world);
    runMoonPhase(world);
    if (moonPhase < 3) {
        // Before the trials the moon heals from the flash.
        forEachPlacedOfKind(world, objectKind::moon, [&](const basicObj &object) {
            if (object.state == crackedMoon) {
                setState(world, object.groupId, wholeMoon);
            }
        });
    }
}

// The moon pulses alone: the flame places wait hidden beside it, the statue and the ring of
// flames stand hidden round it, and the lightning is still.
void levelSeven::enter(objectWorld &world) {
    music = 0;
    world.fade.fadeIn();
    for (const int32_t group : flamePlaces) {
        changeGroup(world, group, {.emitsLight = false, .lightShape = 0, .visible = false});
    }
    setMode(world, theMoon, objectMode::pulse);
    setLightning(world, {.mode = objectMode::none});
    changeGroup(world, theStatue, {.shiftX = ringShiftX, .visible = false});
    for (const int32_t group : flameRing) {
        changeGroup(world, group, {.shiftX = ringShiftX, .lightShape = 0, .visible = false});
    }
    setFrame(world, ringTree, grownFrame);
    stage = waitingForMiddle;
}

// Open while the trials have not begun, and later only with the headlights on.
levelExit levelSeven::leaveForCrossroads(objectWorld &world, const scriptServices &services) {
    const playerCar &car = world.car;
    if (!(moonPhase < 3 || car.headlightsOn) || !atSideExit(car)) {
        return levelExit::stayed;
    }
    const levelExit exit = leaveFor(world, services, *this, nextLevel);
    forgetVisit();
    return exit;
}

void levelSeven::deliverFlames(objectWorld &world) {
    const playerCar &car = world.car;
    const bool waiting = distance(car.x, car.y, moonCentre.x, moonCentre.y) < deliveryRange &&
                         facesMoon(car) && car.speed < deliverySpeed;
    if (!waiting) {
        return;
    }
    if (timer < deliveryWait) {
        timer++;
        return;
    }
    timer = 0;
    for (int32_t i = 0; i < flameCount; i++) {
        if (car.progressFlags[i] && !deliveredFlags[i]) {
            changeGroup(world, firstFlamePlace + delivered,
                        {.frame = 1, .emitsLight = true, .lightShape = flameLight, .visible = true});
            deliveredFlags[i] = true;
            delivered++;
            return;
        }
    }
}

void levelSeven::runMoonPhase(objectWorld &world) {
    switch (moonPhase) {
    case 0:
        circleTheMoon(world);
        break;
    case 1:
        sinkIntoTheMoon(world);
        break;
    case 2:
        wakeTheLightning(world);
        break;
    case 3:
        repelTheCar(world);
        break;
    case 4:
        lightTheMoon(world);
        break;
    case 5:
        strikeTheCar(world);
        break;
    case 6:
        world.car.cockpit.whiteFrame = whiteFlashShort; // the screen stays white
        break;
    default:
        break;
    }
}

void levelSeven::circleTheMoon(objectWorld &world) {
    orbitGroups(world, flame, flamePlaces, moonCentre, orbitAngle, orbitPoint::position);
    if (delivered >= flameCount) {
        moonPhase = 1;
    }
}

// Each flame circles on, nearer every frame, until it is inside the moon.
void levelSeven::sinkIntoTheMoon(objectWorld &world) {
    // Turned by its first copy on the home square that is not in the moon yet.
    const groupCopies found =
        findGroups(world, flame, flamePlaces, [](const basicObj &copy) { return copy.frame < flameInMoon; });
    objectChange steps[mostGroupsAtOnce];
    for (const int32_t group : flamePlaces) {
        const basicObj *first = found.first[group - flamePlaces.first];
        if (first == nullptr) {
            continue;
        }
        const worldPoint from = {first->x, first->y};
        const worldPoint round = turnedAbout(from, moonCentre, orbitAngle(group));
        const worldPoint to = {moonCentre.x + (round.x - moonCentre.x) * spiralShrink,
                               moonCentre.y + (round.y - moonCentre.y) * spiralShrink};
        objectChange &step = steps[group - flamePlaces.first];
        step = {.shiftX = to.x - from.x, .shiftY = to.y - from.y};
        if (strict(39.5, 41.5).holds(to.x) && strict(38.5, 40.5).holds(to.y)) {
            step.frame = flameInMoon;
            inMoon++;
        }
    }
    changeGroups(world, found, steps);
    if (inMoon >= flameCount) {
        moonPhase = 2;
    }
}

// The moon fades and the lightning ring closes round it.
void levelSeven::wakeTheLightning(objectWorld &world) {
    music = 2;
    setMode(world, theMoon, objectMode::fade);
    setLightning(world, {.shiftX = lightningShiftX, .mode = objectMode::random});
    world.car.cockpit.whiteFrame = whiteFlashStart;
    moonPhase = 3;
}

// In the dark the world is sand and the flames burn round the moon; in the headlights the
// moon pushes the car away whenever it comes near. The flash on the moon ends the trial.
void levelSeven::repelTheCar(objectWorld &world) {
    playerCar &car = world.car;
    if (!car.headlightsOn) {
        music = 0;
        pushArmed = true;
        if (!sandLies()) {
            layGround(sand);
            car.cockpit.whiteFrame = whiteFlashShort;
            showFlameRing(world);
            setVisible(world, theMoon, false);
            setLightning(world, {.visible = false, .mode = objectMode::hideRandom});
        }
    } else {
        const double w = wrappedDistance(car.x, car.y, moonCentre.x, moonCentre.y, side);
        const bool firstApproach = !pushArmed && w <= repelFar;
        if (firstApproach || (w >= repelNear && w <= repelFar)) {
            setMode(world, theMoon, objectMode::repel);
            pushNow = true;
            pushArmed = pushArmed || firstApproach;
        }
        if (pushNow) {
            pushNow = false;
            pushOut(world);
        }
        slide(pushX, car.x);
        slide(pushY, car.y);
        if (sandLies()) {
            music = 2;
            layGround(dirt);
            car.cockpit.whiteFrame = whiteFlashShort;
            hideFlameRing(world, false);
            setVisible(world, theMoon, true);
            setLightning(world, {.visible = true, .mode = objectMode::random});
        }
    }
    if (moonState(world) == crackedMoon) {
        moonPhase = 4;
    }
}

// A car too near is put out along its offset from the centre, or along its facing when it
// stands (almost) on the centre, and sent sliding on; the blow costs battery.
void levelSeven::pushOut(objectWorld &world) {
    playerCar &car = world.car;
    const auto reach = [&] { return wrappedDistance(car.x, car.y, moonCentre.x, moonCentre.y, side); };
    if (reach() <= pushInside) {
        double stepX = car.x - moonCentre.x;
        double stepY = car.y - moonCentre.y;
        const double length = steadyHypot(stepX, stepY);
        if (length < shortestPushStep) {
            const double facing = steadyHypot(car.dirX, car.dirY);
            const bool offsetPoints = length > 0;
            const double towardsX = offsetPoints ? stepX / length : facing > 0 ? car.dirX / facing : 1;
            const double towardsY = offsetPoints ? stepY / length : facing > 0 ? car.dirY / facing : 0;
            stepX = towardsX * shortestPushStep;
            stepY = towardsY * shortestPushStep;
        }
        for (int32_t steps = 0; steps < mostPushSteps && reach() < pushOutTo; steps++) {
            car.x += stepX;
            car.y += stepY;
        }
    }
    pushX = clampPush((car.x - moonCentre.x) / pushShare);
    pushY = clampPush((car.y - moonCentre.y) / pushShare);
    hitPlayer(car);
    car.battery = std::max(0, car.battery - pushBatteryCost);
}

// The trial is passed: light and charge, and the flames burn round the moon.
void levelSeven::lightTheMoon(objectWorld &world) {
    playerCar &car = world.car;
    music = 3;
    car.battery = fullBattery;
    car.headlightsOn = true;
    layGround(dirt);
    car.cockpit.whiteFrame = whiteFlashShort;
    showFlameRing(world);
    setVisible(world, theMoon, false);
    setLightning(world, {.visible = false, .mode = objectMode::none});
    moonPhase = 5;
}

// The last trial: strikes fall at eight points circling the moon. In the dark they can hit
// the car, and a fast run past the moon ends the game's journey in white.
void levelSeven::strikeTheCar(objectWorld &world) {
    playerCar &car = world.car;
    turnStrikePoints();
    sendStrikes(world);
    if (!car.headlightsOn) {
        music = 0;
        bool struck = false;
        forEachPlaced(world, [&](const basicObj &object) {
            struck = struck ||
                     (object.kind == objectKind::lightning && object.mode == objectMode::once &&
                      object.onMap && wrappedDistance(object.x, object.y, car.x, car.y, side) < strikeReach);
        });
        if (struck) {
            hitPlayer(car);
            car.speed = 0;
            car.battery = fullBattery;
            car.headlightsOn = true;
        }
        if (car.speed > escapeSpeed &&
            wrappedDistance(car.x, car.y, moonCentre.x, moonCentre.y, side) < escapeReach) {
            moonPhase = 6;
        }
        if (!sandLies()) {
            layGround(sand);
            car.cockpit.whiteFrame = whiteFlashShort;
            hideFlameRing(world, true);
            changeGroup(world, theMoon, {.visible = true, .mode = objectMode::lit});
            setLightning(world, {.mode = objectMode::none});
        }
    } else if (sandLies()) {
        music = 3;
        layGround(dirt);
        car.cockpit.whiteFrame = whiteFlashShort;
        showFlameRing(world);
        hide(world, theMoon);
        setLightning(world, {.visible = false, .mode = objectMode::none});
    }
}

void levelSeven::turnStrikePoints() {
    for (int32_t i = 0; i < strikePointCount; i++) {
        const worldPoint turned = turnedAbout({strikeX[i], strikeY[i]}, moonCentre, orbitAngle(i));
        strikeX[i] = turned.x;
        strikeY[i] = turned.y;
    }
}

// Every few frames each strike point calls down a resting bolt, seen only in the dark.
void levelSeven::sendStrikes(objectWorld &world) {
    if (strikeTimer < strikeEvery) {
        strikeTimer++;
        return;
    }
    strikeTimer = 0;
    const objectMode strike = world.car.headlightsOn ? objectMode::hideOnce : objectMode::once;
    for (int32_t i = 0; i < strikePointCount; i++) {
        const basicObj *resting = nullptr;
        forEachPlaced(world, [&](const basicObj &object) {
            if (resting == nullptr && object.kind == objectKind::lightning &&
                object.mode == objectMode::none) {
                resting = &object;
            }
        });
        if (resting == nullptr) {
            return;
        }
        changeGroup(world, resting->groupId,
                    {.shiftX = strikeX[i] - resting->x, .shiftY = strikeY[i] - resting->y, .mode = strike});
    }
}

bool levelSeven::sandLies() const {
    return groundGrid[0][0] == sand;
}

void levelSeven::layGround(const int32_t value) {
    for (int32_t x = 0; x < side; x++) {
        for (int32_t y = 0; y < side; y++) {
            groundGrid[x][y] = value;
        }
    }
}

void levelSeven::placeStrikePoints() {
    for (int32_t i = 0; i < strikePointCount; i++) {
        strikeX[i] = 40.5;
        strikeY[i] = 29.5 + i;
    }
}

// Leaving clears the sand and the whole visit; the strike points are laid out again, so a
// later visit strikes where the first did.
void levelSeven::forgetVisit() {
    stage = entering;
    moonPhase = timer = delivered = inMoon = 0;
    for (bool &flag : deliveredFlags) {
        flag = false;
    }
    pushX = pushY = 0.0;
    placeStrikePoints();
    strikeTimer = 0;
    pushNow = pushArmed = false;
    layGround(dirt);
    music = 0;
}
