#include "levels/levelSeventeen.h"

#include <string_view>

#include "levels/keyWords.h"
#include "levels/levelLayout.h"
#include "levels/scriptServices.h"
#include "levels/tileCodes.h"
#include "media/textBox.h"
#include "objects/objectWorld.h"
#include "objects/treeFrames.h"
#include "world/wrapping.h"

using namespace groundCode;
using enum objectKind;

void levelSeventeen::setup() {
    beginLayout(*this, 80);

    // Four trees, each with an ash tree at its high-x side.
    for (const tileSpot spot : {tileSpot{31, 30}, tileSpot{31, 48}, tileSpot{49, 30}, tileSpot{49, 48}}) {
        placeObject(*this, tree, spot.x, spot.y);
        placeObject(*this, ashTree, spot.x + 1, spot.y);
    }
    placeObjects(*this, butterfly,
                 {{34, 37}, {34, 41}, {38, 33}, {38, 45}, {42, 33}, {42, 45}, {46, 37}, {46, 41}});
    placeObjects(*this, statue, {{40, 40}, {56, 40}});
    placeObject(*this, flame, 79, 79);
    forgetVisit();
}

namespace {

constexpr int32_t trees[] = {0, 1, 13, 14};
constexpr int32_t ashTrees[] = {2, 3, 15, 16};
constexpr int32_t butterflies[] = {4, 5, 6, 7, 9, 10, 11, 12};
constexpr int32_t butterflyCount = 8;
constexpr int32_t firstStatue = 8;   // the flame's keeper, seen in the dark
constexpr int32_t secondStatue = 17; // seen in the light
constexpr int32_t theFlame = 18;
constexpr int32_t flagIndex = 5;
constexpr int32_t statueClose = 1; // a statue's attitude while the car is near
constexpr int32_t statueKilled = 2;
constexpr int32_t whiteFlashHalf = 10;
constexpr int32_t glideSteps = 20;
constexpr double glideStep = 0.01; // tiles per step left: 2.1 tiles in all
constexpr double pickupReach = 2;

constexpr std::string_view keeperLine = "the flame is mine!";
// Around the headlights' key: "he hides beneath the e key".
constexpr std::string_view hintLineStart = "he hides beneath the ";
constexpr std::string_view hintLineEnd = " key";
constexpr std::string_view crushLine = "crush him";
constexpr std::string_view farewellLine = "may the six flames free the sun";

void showDarkObjects(objectWorld &world) {
    setVisible(world, firstStatue, true);
    for (const int32_t group : ashTrees) {
        hide(world, group);
    }
    for (const int32_t group : trees) {
        changeGroup(world, group, {.frame = grownFrame, .visible = true});
    }
}

// Each change of face swaps the butterflies that are seen for those that are not.
void invertButterflies(objectWorld &world) {
    for (const int32_t group : butterflies) {
        const basicObj *copy = homeCopyOf(world, group);
        if (copy != nullptr) {
            setVisible(world, group, !copy->visible);
        }
    }
}

// A statue the player has come close to ends its reading at once.
void endCloseReadings(objectWorld &world) {
    forEachPlaced(world, [&](const basicObj &object) {
        if (object.kind == objectKind::statue && object.state == statueClose) {
            setMode(world, object.groupId, objectMode::end);
        }
    });
}

// Butterflies shown, one for each group: a copy standing on the world's edge is in the home
// square as well as its neighbour, so counting copies could see one butterfly twice.
int32_t butterfliesInSight(const objectWorld &world) {
    int32_t count = 0;
    for (const int32_t group : butterflies) {
        const basicObj *copy = homeCopyOf(world, group);
        count += copy != nullptr && copy->visible;
    }
    return count;
}

const basicObj *statueOf(const objectWorld &world, const int32_t group) {
    const basicObj *found = homeCopyOf(world, group);
    if (found == nullptr) {
        forEachPlaced(world, [&](const basicObj &object) {
            if (found == nullptr && object.groupId == group) {
                found = &object;
            }
        });
    }
    return found;
}

} // namespace

void levelSeventeen::script(objectWorld &world, const scriptServices &services) {
    switch (stage) {
    case entering:
        enter(world);
        break;
    case followingHeadlights:
        followHeadlights(world, services.text);
        break;
    case settlingInDark:
        settleInTheDark(world, services.text);
        break;
    case waitingForKill:
        waitForTheKill(world);
        break;
    case waitingForFall:
        waitForTheFall(world);
        break;
    case bringingFlame:
        bringFlame(world);
        break;
    case glidingFlame:
        glideFlame(world);
        break;
    case waitingForPickup:
        waitForPickup(world, services);
        break;
    default:
        break;
    }
    if (stage != entering) {
        speak(world, services.text);
    }
    if (leaveSideways(world, services, *this, armed) == levelExit::left) {
        forgetVisit();
    }
}

// The level opens dark, on sand, with the living trees and the first statue.
void levelSeventeen::enter(objectWorld &world) {
    music = 0;
    world.car.headlightsOn = false;
    world.car.cockpit.whiteFrame = whiteFlashHalf;
    coverGround(sand);
    for (const int32_t group : ashTrees) {
        setVisible(world, group, false);
    }
    for (const int32_t group : trees) {
        setFrame(world, group, grownFrame);
    }
    setVisible(world, secondStatue, false);
    for (const int32_t group : butterflies) {
        setEmitsLight(world, group, true);
    }
    changeGroup(world, theFlame, {.emitsLight = false, .lightShape = 0, .visible = false});
    stage = followingHeadlights;
    world.fade.fadeIn();
}

// Until the flame is won the level turns its face with the headlights. The lit face hides
// the butterflies the dark face shows; the flash wakes them there, and every butterfly in
// sight in the light ends the puzzle. (In the dark all eight show from the start.)
void levelSeventeen::followHeadlights(objectWorld &world, textBox &text) {
    if (world.car.progressFlags[flagIndex]) {
        return;
    }
    if (world.car.headlightsOn) {
        showLitFace(world, text);
    } else {
        showDarkFace(world);
    }
    endCloseReadings(world);
    const int32_t inSight = butterfliesInSight(world);
    music = inSight < 1 ? 1 : 2;
    if (inSight == butterflyCount && world.car.headlightsOn) {
        stage = settlingInDark;
    }
}

void levelSeventeen::showDarkFace(objectWorld &world) {
    music = 0;
    if (groundGrid[0][0] != dirt) {
        return;
    }
    coverGround(sand);
    world.car.cockpit.whiteFrame = whiteFlashHalf;
    showDarkObjects(world);
    hide(world, secondStatue);
    invertButterflies(world);
}

void levelSeventeen::showLitFace(objectWorld &world, textBox &text) {
    if (groundGrid[0][0] != sand) {
        return;
    }
    coverGround(dirt);
    world.car.cockpit.whiteFrame = whiteFlashHalf;
    hide(world, firstStatue);
    for (const int32_t group : ashTrees) {
        setVisible(world, group, true);
    }
    for (const int32_t group : trees) {
        hide(world, group);
    }
    setVisible(world, secondStatue, true);
    invertButterflies(world);
    withdrawMessage(text, messageShown);
}

// The dark face's objects once more, whatever the ground shows.
void levelSeventeen::settleInTheDark(objectWorld &world, textBox &text) {
    showDarkObjects(world);
    withdrawMessage(text, messageShown);
    endCloseReadings(world);
    stage = waitingForKill;
}

void levelSeventeen::waitForTheKill(objectWorld &world) {
    flickerMusic(timer, music, 2, 3);
    // A keeper already crumbled away counts as killed.
    const basicObj *keeper = statueOf(world, firstStatue);
    if (keeper != nullptr && keeper->state != statueKilled) {
        return;
    }
    stage = waitingForFall;
    music = 0;
    for (const int32_t group : butterflies) {
        changeGroup(world, group, {.emitsLight = true, .mode = objectMode::dim});
    }
}

void levelSeventeen::waitForTheFall(objectWorld &world) {
    const basicObj *keeper = statueOf(world, firstStatue);
    if (keeper == nullptr || keeper->frame == 0) {
        stage = bringingFlame;
        music = 3;
    }
}

// Out of the corner of the world onto the statue's tile.
void levelSeventeen::bringFlame(objectWorld &world) {
    shiftBy(world, theFlame, -39, -39);
    light(world, theFlame);
    setLightShape(world, theFlame, 3);
    stage = glidingFlame;
    waitTimer = glideSteps;
}

// The flame drifts away along the car's facing, slowing down.
void levelSeventeen::glideFlame(objectWorld &world) {
    if (waitTimer < 1) {
        stage = waitingForPickup;
        return;
    }
    const double step = waitTimer * glideStep;
    changeGroup(world, theFlame,
                {.shiftX = world.car.dirX * step,
                 .shiftY = world.car.dirY * step,
                 .frame = 1,
                 .emitsLight = true,
                 .lightShape = 3,
                 .visible = true});
    waitTimer--;
}

void levelSeventeen::waitForPickup(objectWorld &world, const scriptServices &services) {
    const basicObj *flame = homeCopyOf(world, theFlame);
    if (flame == nullptr ||
        wrappedDistance(world.car.x, world.car.y, flame->x, flame->y, side) >= pickupReach) {
        return;
    }
    pickUpFlame(world, services, *this, flagIndex, theFlame);
    stage = flameTaken;
}

// The keeper speaks until its flame is taken; the second statue tells the way.
void levelSeventeen::speak(objectWorld &world, textBox &text) {
    const int32_t reading = messageShown ? -1 : triggeredStatueGroup(world);
    keyText hintLine;
    hintLine << hintLineStart << firstKeyText(world.car.bindings, keyAction::lightsKey).view() << hintLineEnd;
    std::string_view line;
    if (reading == firstStatue && !world.car.progressFlags[flagIndex]) {
        line = keeperLine;
    } else if (reading == secondStatue) {
        line = stage == followingHeadlights                         ? hintLine.view()
               : stage == waitingForKill || stage == waitingForFall ? crushLine
               : stage > waitingForFall                             ? farewellLine
                                                                    : "";
    }
    if (!line.empty()) {
        text.showMessage(line);
        messageShown = true;
    } else if (messageShown && statueEnded(world)) {
        withdrawMessage(text, messageShown);
    }
}

void levelSeventeen::coverGround(const int32_t value) {
    for (int32_t x = 0; x < side; x++) {
        for (int32_t y = 0; y < side; y++) {
            groundGrid[x][y] = value;
        }
    }
}

void levelSeventeen::forgetVisit() {
    stage = entering;
    armed = 0;
    timer = 0;
    waitTimer = 0;
    messageShown = false;
    music = 0;
}
