#include "levels/levelThirteen.h"

#include <cmath>
#include <string_view>

#include "levels/levelLayout.h"
#include "levels/scriptServices.h"
#include "levels/tileCodes.h"
#include "objects/objectWorld.h"
#include "objects/treeFrames.h"

using enum objectKind;

namespace {

// A cross centred on the flame: on each of its four arms three ground lights two tiles apart,
// and a lamp at the arm's end.
void placeLightCross(level &lvl, int32_t x, int32_t y) {
    placeObject(lvl, flame, x, y);
    for (const int32_t sign : {-1, 1}) {
        for (const int32_t distance : {1, 3, 5}) {
            placeObject(lvl, gLight, x + sign * distance, y);
            placeObject(lvl, gLight, x, y + sign * distance);
        }
        placeObject(lvl, lamp, x + sign * 7, y);
        placeObject(lvl, lamp, x, y + sign * 7);
    }
}

} // namespace

void levelThirteen::setup() {
    beginLayout(*this, 80);
    placeStraightRoad(*this, 38);
    cutRoadGap(*this, 38, 16, 32);

    for (const int32_t x : {36, 44}) {
        placeObjectColumn(*this, lamp, x, 0, 5, 5);
        placeObjectColumn(*this, lamp, x, 40, 75, 5);
    }
    placeLightCross(*this, 40, 24);
    placeObject(*this, statue, 33, 5);
    placeObject(*this, tree, 48, 40);

    // Each arm of the cross turns about a point of its own beyond the arm's end; the lights
    // nearer the flame turn about the same point from farther away.
    static constexpr crossLight built[crossSize] = {
        {2, 34.5, 24.5, 35.5, 24.5},  {13, 34.5, 24.5, 37.5, 24.5}, {14, 34.5, 24.5, 39.5, 24.5},
        {16, 40.5, 17.5, 40.5, 19.5}, {17, 40.5, 18.5, 40.5, 21.5}, {18, 40.5, 18.5, 40.5, 23.5},
        {20, 40.5, 31.5, 40.5, 25.5}, {21, 40.5, 31.5, 40.5, 27.5}, {22, 40.5, 31.5, 40.5, 29.5},
        {24, 47.5, 24.5, 41.5, 24.5}, {25, 47.5, 24.5, 43.5, 24.5}, {36, 47.5, 24.5, 45.5, 24.5},
    };
    for (int32_t row = 0; row < crossSize; row++) {
        cross[row] = built[row];
    }
    forgetVisit();
    flickerTimer = 0;
}

namespace {

constexpr int32_t switchLampGroups[] = {1, 15, 23, 37};
constexpr int32_t theFlame = 19;
constexpr int32_t theTree = 38;
constexpr int32_t flagIndex = 3;
constexpr int32_t darkLamp = 1;
constexpr int32_t burningLamp = 3;
constexpr double snapDistance = 2;

constexpr std::string_view puzzleLine = "align the cross which hides the flame";
constexpr std::string_view wonLine = "take the flame far from the road";

// Any copy of the four lamps showing the frame.
bool anySwitchLampAt(const objectWorld &world, const int32_t frame) {
    bool found = false;
    forEachPlaced(world, [&](const basicObj &object) {
        for (const int32_t group : switchLampGroups) {
            found = found || (object.groupId == group && object.frame == frame);
        }
    });
    return found;
}

void setSwitchLamps(objectWorld &world, const int32_t frame) {
    for (const int32_t group : switchLampGroups) {
        setFrame(world, group, frame);
    }
}

} // namespace

void levelThirteen::script(objectWorld &world, const scriptServices &services) {
    if (stage == entering) {
        enter(world);
    } else if (stage == aligningCross) {
        alignCross(world);
    } else if (stage == waitingForPickup) {
        waitForPickup(world, services);
    }
    speak(world, services.text);
    if (leaveSideways(world, services, *this, armed) == levelExit::left) {
        forgetVisit();
    }
}

void levelThirteen::enter(objectWorld &world) {
    music = 1;
    changeGroup(world, theFlame, {.emitsLight = false, .lightShape = 0, .visible = false});
    setFrame(world, theTree, grownFrame);
    setSwitchLamps(world, darkLamp);
    stage = aligningCross;
}

void levelThirteen::alignCross(objectWorld &world) {
    switchLamps(world);
    if (!lampsOn) {
        turnCross(world);
        return;
    }
    flickerMusic(flickerTimer, music, 1, 2);
    if (crossNearlyHome(world)) {
        snapCrossHome(world);
        changeGroup(world, theFlame, {.frame = 1, .emitsLight = true, .lightShape = 3, .visible = true});
        stage = waitingForPickup;
        music = 3;
    }
}

// Lighting one of the four lights them all; putting one out puts them all out.
void levelThirteen::switchLamps(objectWorld &world) {
    if (!lampsOn && anySwitchLampAt(world, burningLamp)) {
        setSwitchLamps(world, burningLamp);
        lampsOn = true;
    } else if (lampsOn && anySwitchLampAt(world, darkLamp)) {
        setSwitchLamps(world, darkLamp);
        lampsOn = false;
        music = 1;
    }
}

// Each light a little faster than the one before it, so the cross comes apart.
void levelThirteen::turnCross(objectWorld &world) {
    for (int32_t row = 0; row < crossSize; row++) {
        const crossLight &light = cross[row];
        orbitGroup(world, light.group, {light.centreX, light.centreY}, 0.01 + 0.005 * row,
                   orbitPoint::position);
    }
}

bool levelThirteen::crossNearlyHome(const objectWorld &world) const {
    for (const crossLight &light : cross) {
        const basicObj *copy = homeCopyOf(world, light.group);
        if (copy == nullptr || std::abs(copy->x - light.homeX) >= snapDistance ||
            std::abs(copy->y - light.homeY) >= snapDistance) {
            return false;
        }
    }
    return true;
}

void levelThirteen::snapCrossHome(objectWorld &world) {
    for (const crossLight &light : cross) {
        const basicObj *copy = homeCopyOf(world, light.group);
        shiftBy(world, light.group, light.homeX - copy->x, light.homeY - copy->y);
    }
}

void levelThirteen::waitForPickup(objectWorld &world, const scriptServices &services) {
    if (!carInBox(world.car, strict(38.5, 42.5), strict(22.5, 26.5))) {
        return;
    }
    pickUpFlame(world, services, *this, flagIndex, theFlame);
    for (const crossLight &light : cross) {
        setLightShape(world, light.group, 0);
    }
    stage = flameTaken;
}

void levelThirteen::speak(objectWorld &world, textBox &text) {
    statueMessage(world, text, world.car.progressFlags[flagIndex] ? wonLine : puzzleLine, messageShown);
}

void levelThirteen::forgetVisit() {
    stage = entering;
    armed = 0;
    messageShown = false;
    lampsOn = false;
    music = 0;
}
