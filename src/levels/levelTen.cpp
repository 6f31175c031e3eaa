#include "levels/levelTen.h"

#include <string_view>

#include "levels/levelLayout.h"
#include "levels/scriptServices.h"
#include "levels/tileCodes.h"
#include "objects/objectWorld.h"

using namespace groundCode;
using enum objectKind;

namespace {

// A closed six-by-six block of road over x … x + 5 and y = 35 … 40, its corners cut off,
// with a lamp by each corner.
void placeRoadBlock(level &lvl, int32_t x) {
    placePointedEnd(lvl, x + 1, 35, 40, -1, 2);
    fillGroundColumns(lvl, x + 2, x + 3, 35, 40, road);
    placePointedEnd(lvl, x + 4, 35, 40, +1, 2);
    placeObjects(lvl, lamp, {{x, 35}, {x, 40}, {x + 5, 35}, {x + 5, 40}});
}

// Along the gap in the road the lamps give way to ground lights.
void placeRoadside(level &lvl, int32_t x) {
    placeObjectColumn(lvl, lamp, x, 0, 15, 5);
    placeObjectColumn(lvl, gLight, x, 19, 35, 4);
    placeObjectColumn(lvl, gLight, x, 40, 56, 4);
    placeObjectColumn(lvl, lamp, x, 60, 75, 5);
}

} // namespace

void levelTen::setup() {
    beginLayout(*this, 80);
    placeStraightRoad(*this, 38);
    cutRoadGap(*this, 38, 22, 54);
    placeRoadBlock(*this, 19);
    placeRoadBlock(*this, 55);

    placeRoadside(*this, 36);
    placeRoadside(*this, 44);
    placeObject(*this, statue, 33, 9);
    placeObject(*this, butterfly, 34, 6);
    // The flame waits in the very corner of the world.
    placeObject(*this, flame, 79, 79);
    forgetVisit();
    flickerTimer = 0;
    dice = {};
}

namespace {

constexpr groupRange lowBlockLamps = groups(0, 3);
constexpr int32_t theButterfly = 5;
constexpr groupRange lowLine = groups(10, 19);  // ground lights at x = 36 along the gap
constexpr groupRange highLine = groups(28, 37); // and at x = 44
constexpr groupRange highBlockLamps = groups(42, 45);
constexpr int32_t theFlame = 46;
constexpr int32_t flagIndex = 1;

constexpr int32_t darkLamp = 1;
constexpr int32_t burningLamp = 3;
constexpr int32_t steadyLight = 3;
constexpr int32_t movingLight = 5;
constexpr int32_t closingLight = 7;
constexpr int32_t moveFrames = 30; // the move runs while the timer counts 0 … 30

// Tiles per frame for the ten lights of a line, in group order: the middle bows out most.
constexpr double bowOut[10] = {0.033, 0.1, 0.2, 0.3, 0.4, 0.4, 0.3, 0.2, 0.1, 0.033};
// Towards y ≈ 38 from both ends of a line.
constexpr double closeIn[10] = {0.533, 0.4, 0.266, 0.133, 0, 0, -0.133, -0.266, -0.4, -0.533};

constexpr std::string_view hiddenLine = "the leyline hides the flame";
constexpr std::string_view wonLine = "return to the darkness beyond";

// Moving forwards along the road through the gap.
bool inGap(const playerCar &car) {
    return car.speed > 0 && carInBox(car, inclusive(36, 44), inclusive(27, 52));
}

bool facesHighBlockFromLine(const playerCar &car) {
    return faces(car, 58, 35) && faces(car, 58, 45) && behind(car, 20, 40);
}

// Out of a road block towards the middle of the world.
bool leavesBlock(const playerCar &car) {
    const bool fromLowBlock = carInBox(car, strict(18, 26), strict(35, 45)) && faces(car, 58, 35) &&
                              faces(car, 58, 45) && behind(car, 0, 40);
    const bool fromHighBlock = carInBox(car, strict(54, 62), strict(35, 45)) && faces(car, 22, 35) &&
                               faces(car, 22, 45) && behind(car, 80, 40);
    return fromLowBlock || fromHighBlock;
}

// Heading out through a corner of the world, away from the road's whole length.
bool atCornerExit(const playerCar &car) {
    struct corner {
        span x, y;
        double cornerX, cornerY;
    };
    static constexpr corner corners[] = {
        {inclusive(1, 20), inclusive(1, 30), 0, 0},
        {inclusive(1, 20), inclusive(50, 79), 0, 80},
        {inclusive(60, 79), inclusive(1, 30), 80, 0},
        {inclusive(60, 79), inclusive(50, 79), 80, 80},
    };
    if (!(behind(car, 40, 0) && behind(car, 40, 40) && behind(car, 40, 80))) {
        return false;
    }
    for (const corner &c : corners) {
        if (carInBox(car, c.x, c.y) && faces(car, c.cornerX, c.cornerY)) {
            return true;
        }
    }
    return false;
}

} // namespace

void levelTen::script(objectWorld &world, const scriptServices &services) {
    if (stage == entering) {
        enter(world);
    } else {
        runPhase(world, services);
    }
    speak(world, services.text);
    if (leave(world, services) == levelExit::left) {
        forgetVisit();
    }
}

void levelTen::enter(objectWorld &world) {
    const bool won = world.car.progressFlags[flagIndex];
    if (!won) {
        for (const groupRange block : {lowBlockLamps, highBlockLamps}) {
            for (const int32_t lamp : block) {
                setFrame(world, lamp, darkLamp);
            }
        }
    }
    changeGroup(world, theButterfly, {.frame = 1, .emitsLight = false, .lightShape = 0, .visible = false});
    changeGroup(world, theFlame, {.emitsLight = false, .lightShape = 0, .visible = false});
    music = 1;
    stage = solvingPuzzle;
    if (won) {
        phase = -1; // nothing more happens here
        music = 0;
        for (const groupRange line : {lowLine, highLine}) {
            for (const int32_t group : line) {
                setLightShape(world, group, 0);
            }
        }
    }
}

void levelTen::runPhase(objectWorld &world, const scriptServices &services) {
    switch (phase) {
    case 0:
        flickerLine(world, lowLine, 1, 2);
        if (inGap(world.car) && carInBox(world.car, inclusive(0, 37), inclusive(32, 48))) {
            phase = 1;
        }
        break;
    case 1:
        music = 2;
        if (moveLine(world, lowLine, -1)) {
            phase = 2;
        }
        break;
    case 2:
        for (const int32_t lamp : lowBlockLamps) {
            setFrame(world, lamp, burningLamp);
        }
        phase = 3;
        break;
    case 3:
        flickerLine(world, highLine, 2, 3);
        if (inGap(world.car) && carInBox(world.car, inclusive(43, 80), inclusive(32, 48)) &&
            facesHighBlockFromLine(world.car)) {
            phase = 4;
        }
        break;
    case 4:
        music = 3;
        if (moveLine(world, highLine, 1)) {
            phase = 5;
        }
        break;
    case 5:
        for (const int32_t lamp : highBlockLamps) {
            setFrame(world, lamp, burningLamp);
        }
        phase = 6;
        break;
    case 6:
        if (leavesBlock(world.car)) {
            phase = 7;
        }
        break;
    case 7:
        if (closeLines(world)) {
            phase = 8;
        }
        break;
    case 8:
        bringFlame(world);
        phase = 9;
        break;
    case 9:
        waitForPickup(world, services);
        break;
    default: // -1: the flame is won; 10: just taken
        break;
    }
}

// Steady outside the gap; inside it the line flickers at random and the music wavers.
void levelTen::flickerLine(objectWorld &world, const groupRange line, const int32_t low, const int32_t high) {
    if (!inGap(world.car)) {
        if (music == high) {
            music = low;
        }
        for (const int32_t group : line) {
            setLightShape(world, group, steadyLight);
        }
        return;
    }
    flickerMusic(flickerTimer, music, low, high);
    for (const int32_t group : line) {
        setLightShape(world, group, dice.roll(4));
    }
}

bool levelTen::moveLine(objectWorld &world, const groupRange line, const double direction) {
    for (const int32_t group : line) {
        changeGroup(world, group,
                    {.shiftX = direction * bowOut[group - line.first], .lightShape = movingLight});
    }
    if (timer < moveFrames) {
        timer++;
        return false;
    }
    timer = 0;
    return true;
}

bool levelTen::closeLines(objectWorld &world) {
    for (const groupRange line : {lowLine, highLine}) {
        for (const int32_t group : line) {
            changeGroup(world, group, {.shiftY = closeIn[group - line.first], .lightShape = closingLight});
        }
    }
    if (timer < moveFrames) {
        timer++;
        return false;
    }
    timer = 0;
    return true;
}

// From the corner of the world to where the two lines meet.
void levelTen::bringFlame(objectWorld &world) {
    shiftBy(world, theFlame, -39, -41);
    light(world, theFlame);
    setLightShape(world, theFlame, steadyLight);
}

void levelTen::waitForPickup(objectWorld &world, const scriptServices &services) {
    if (!carInBox(world.car, strict(38, 42), strict(36.5, 40.5))) {
        return;
    }
    pickUpFlame(world, services, *this, flagIndex, theFlame);
    for (const groupRange line : {lowLine, highLine}) {
        for (const int32_t group : line) {
            setLightShape(world, group, 0);
        }
    }
    phase = 10;
}

void levelTen::speak(objectWorld &world, textBox &text) {
    statueMessage(world, text, world.car.progressFlags[flagIndex] ? wonLine : hiddenLine, messageShown);
}

// The side exits, and once the level has begun the four corners of the world, lead to the
// moon level.
levelExit levelTen::leave(objectWorld &world, const scriptServices &services) {
    if (leaveSideways(world, services, *this, armed) == levelExit::left) {
        return levelExit::left;
    }
    if (armed == 1 && stage != entering && atCornerExit(world.car)) {
        return leaveFor(world, services, *this, moonLevel);
    }
    return levelExit::stayed;
}

// The move timer goes too: a visit that left in the middle of a move would otherwise bow
// the lines out short on the next.
void levelTen::forgetVisit() {
    stage = entering;
    phase = 0;
    armed = 0;
    messageShown = false;
    timer = 0;
    music = 0;
}
