#include "levels/levelNine.h"

#include <string_view>

#include "levels/levelLayout.h"
#include "levels/scriptServices.h"
#include "levels/tileCodes.h"
#include "objects/objectWorld.h"

using enum objectKind;

void levelNine::setup() {
    beginLayout(*this, 80);
    placeStraightRoad(*this, 38);
    cutRoadGap(*this, 38, 32, 49);

    placeObject(*this, flame, 40, 41);
    placeObjects(
        *this, butterfly,
        {{35, 39}, {35, 43}, {37, 36}, {37, 46}, {40, 35}, {40, 46}, {43, 36}, {43, 46}, {45, 39}, {45, 43}});
    placeObjects(*this, statue, {{36, 32}, {44, 49}});
    lineIndex = 1;
    forgetVisit();
}

namespace {

constexpr int32_t theFlame = 6;
constexpr int32_t flagIndex = 0;
constexpr int32_t burningFrame = 10;
constexpr worldPoint ringCentre = {40.5, 41.5};
constexpr double ringTurn = 0.007; // radians per frame
constexpr std::string_view firstLine = "take the flame to the fallen sun";
constexpr std::string_view secondLine = "the sun fell far from the road";

} // namespace

void levelNine::script(objectWorld &world, const scriptServices &services) {
    if (stage == entering) {
        enter(world);
    } else if (stage == waitingForPickup) {
        waitForPickup(world, services);
    } else if (stage == silencingMusic) {
        music = 0; // a frame after the pickup
        stage = flameTaken;
    }
    speak(world, services.text);
    orbitKind(world, objectKind::butterfly, ringCentre, ringTurn, orbitPoint::home);
    if (leaveSideways(world, services, *this, armed) == levelExit::left) {
        forgetVisit();
    }
}

// A flame already won shows as taken: gone, and no longer lighting the ground.
void levelNine::enter(objectWorld &world) {
    music = 3;
    world.fade.fadeIn();
    stage = waitingForPickup;
    setFrame(world, theFlame, burningFrame);
    if (world.car.progressFlags[flagIndex]) {
        hide(world, theFlame);
        setLightShape(world, theFlame, 0);
        stage = silencingMusic;
    }
}

void levelNine::waitForPickup(objectWorld &world, const scriptServices &services) {
    if (!carInBox(world.car, strict(38, 42), strict(39, 43))) {
        return;
    }
    takeFlame(world, services, flagIndex, theFlame);
    stage = silencingMusic;
}

// The first reading tells where the flame goes; every later one where the sun is.
void levelNine::speak(objectWorld &world, textBox &text) {
    const std::string_view line = lineIndex == 1 ? firstLine : secondLine;
    if (statueMessage(world, text, line, messageShown) && lineIndex == 1) {
        lineIndex = 2;
    }
}

void levelNine::forgetVisit() {
    stage = entering;
    armed = 0;
    timer = 0;
    messageShown = false;
}
