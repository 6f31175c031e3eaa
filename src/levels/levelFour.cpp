#include "levels/levelFour.h"

#include "levels/keyWords.h"
#include "levels/levelLayout.h"
#include "levels/saveGame.h"
#include "levels/scriptBlocks.h"
#include "levels/scriptServices.h"
#include "levels/tileCodes.h"
#include "media/textBox.h"
#include "objects/objectWorld.h"
#include "objects/treeFrames.h"
#include "world/wrapping.h"

using enum objectKind;

namespace {

// A gate on the line of lights: five ground lights two tiles apart along y = 20, a diamond of
// ash trees round the middle one, and a statue further on at y = 39.
void placeGate(level &lvl, int32_t x) {
    placeObjectRow(lvl, gLight, 20, x - 4, x + 4, 2);
    placeObjects(lvl, ashTree, {{x - 1, 20}, {x + 1, 20}, {x, 19}, {x, 21}});
    placeObject(lvl, statue, x, 39);
}

// Eight ash trees round an empty tile.
constexpr tileSpot ashRing[] = {{-2, 0}, {2, 0}, {-1, -2}, {-1, 2}, {1, -2}, {1, 2}, {0, -4}, {0, 4}};

void placeAshRing(level &lvl, int32_t x, int32_t y) {
    for (const tileSpot offset : ashRing) {
        placeObject(lvl, ashTree, x + offset.x, y + offset.y);
    }
}

// A grove: a tree on the line of lights between two rings of ash trees.
void placeGrove(level &lvl, int32_t x) {
    placeAshRing(lvl, x, 8);
    placeAshRing(lvl, x, 32);
    placeObject(lvl, tree, x, 20);
}

} // namespace

void levelFour::setup() {
    beginLayout(*this, 40);
    // Gates and groves take turns every 13 columns; the last grove's rings reach across the
    // edge of the world.
    for (const int32_t x : {6, 19, 32}) {
        placeGate(*this, x);
    }
    for (const int32_t x : {13, 26, 39}) {
        placeGrove(*this, x);
    }
    stage = entering;
    timer = counter = 0;
    messageShown = firstOpened = secondOpened = false;
    treePassed1 = treePassed2 = treePassed3 = false;
}

namespace {

// Group numbers follow the grid's scan: column by column from x = 0, each from y = 0 up.
constexpr int32_t leftTree = 24;   // (13, 20)
constexpr int32_t middleTree = 51; // (26, 20)
constexpr int32_t rightTree = 78;  // (39, 20)

// A tree whose growth has just begun, one frame after the flash reached it.
constexpr int32_t justGrowing = 3;
constexpr int32_t openLight = 4;
constexpr int32_t nextLevel = 5;
// The fast run: 251 frames in a row, at least this fast, along the line of groves.
constexpr int32_t runFrames = 250;
constexpr double runSpeed = 13;
constexpr double treePassingDistance = 3;
// The statues' three lines; the first names the flash's key ("space illuminates").
constexpr std::string_view flashLineEnd = " illuminates";
constexpr std::string_view laterStatueLines[] = {"saplings grow", "white trees recharge"};
constexpr int32_t statueLineCount = 3;

} // namespace

// An outer grove's tree and the gate it opens: the four ash trees round the gate's middle
// light, and the ground lights whose groups lie between two groves' trees.
struct levelFour::gate {
    int32_t tree;
    int32_t ash[4];
    int32_t lightsAfter;
    int32_t lightsBefore;
};

namespace {

constexpr levelFour::gate leftGate = {leftTree, {35, 36, 38, 40}, leftTree, middleTree};    // round (19, 20)
constexpr levelFour::gate rightGate = {rightTree, {62, 63, 65, 67}, middleTree, rightTree}; // round (32, 20)

const span groveLine = inclusive(18, 24);

bool treeJustGrowing(const objectWorld &world, const int32_t group) {
    bool growing = false;
    forEachPlaced(world, [&](const basicObj &object) {
        growing = growing || (object.kind == objectKind::tree && object.onMap && object.groupId == group &&
                              object.frame == justGrowing);
    });
    return growing;
}

// Every ground light of the groups between first and last (both excluded).
void openLightsBetween(objectWorld &world, const int32_t first, const int32_t last) {
    forEachPlaced(world, [&](const basicObj &object) {
        if (object.kind == objectKind::gLight && object.groupId > first && object.groupId < last) {
            setLightShape(world, object.groupId, openLight);
        }
    });
}

} // namespace

void levelFour::script(objectWorld &world, const scriptServices &services) {
    switch (stage) {
    case entering:
        enter(world, services);
        break;
    case openingGates:
        teachAndOpen(world, services.text);
        break;
    case runningAlongGroves:
        runAlongGroves(world);
        break;
    case passingTrees:
        passTrees(world);
        break;
    case drivingToEdge:
        if (leaveAtEdge(world, services) == levelExit::left) {
            return; // level 5 has the rest of the pass
        }
        break;
    default:
        break;
    }
}

// The first checkpoint: a player who quits from here on starts again in this level.
void levelFour::enter(objectWorld &world, const scriptServices &services) {
    saveProgress(services, world.currentLevel.index, world.car.progressFlags);
    music = 1;
    setFrame(world, middleTree, grownFrame);
    stage = openingGates;
    world.fade.fadeIn();
}

void levelFour::teachAndOpen(objectWorld &world, textBox &text) {
    speak(world, text);
    openGate(world, leftGate, firstOpened, secondOpened);
    openGate(world, rightGate, secondOpened, firstOpened);
}

// The three statues share their three lines, told in turn.
void levelFour::speak(objectWorld &world, textBox &text) {
    keyText line;
    if (counter == 0) {
        line << firstKeyText(world.car.bindings, keyAction::flashKey).view() << flashLineEnd;
    } else {
        line << laterStatueLines[counter - 1];
    }
    if (statueMessage(world, text, line.view(), messageShown)) {
        counter = (counter + 1) % statueLineCount;
    }
}

// A grove's tree that starts to grow opens the gate beyond it; the second to open clears
// the whole level of ash.
void levelFour::openGate(objectWorld &world, const gate &grove, bool &opened, const bool otherOpened) {
    if (!treeJustGrowing(world, grove.tree)) {
        return;
    }
    if (otherOpened) {
        clearTheAsh(world);
        return;
    }
    opened = true;
    for (const int32_t group : grove.ash) {
        setVisible(world, group, false);
    }
    openLightsBetween(world, grove.lightsAfter, grove.lightsBefore);
    music = 2;
}

void levelFour::clearTheAsh(objectWorld &world) {
    forEachPlaced(world, [&](basicObj &object) {
        if (object.kind == objectKind::ashTree || object.kind == objectKind::ashBush ||
            object.kind == objectKind::statue) {
            object.reset();
        }
    });
    openLightsBetween(world, -1, objectCount);
    music = 3;
    stage = runningAlongGroves;
}

void levelFour::runAlongGroves(objectWorld &world) {
    const playerCar &car = world.car;
    if (!(groveLine.holds(car.y) && car.speed >= runSpeed)) {
        timer = 0;
        return;
    }
    if (timer < runFrames) {
        timer++;
        return;
    }
    timer = 0;
    stage = passingTrees;
}

// Each tree goes out of sight once the car has driven close past it.
void levelFour::passTrees(objectWorld &world) {
    const playerCar &car = world.car;
    struct groveTree {
        int32_t group;
        double x;
        bool &passed;
    };
    for (const groveTree tree :
         {groveTree{leftTree, 13.5, treePassed1}, groveTree{middleTree, 26.5, treePassed2},
          groveTree{rightTree, 39.5, treePassed3}}) {
        if (!tree.passed && !faces(car, tree.x, 20.5) &&
            distance(car.x, car.y, tree.x, 20.5) < treePassingDistance) {
            setVisible(world, tree.group, false);
            tree.passed = true;
        }
    }
    if (treePassed1 && treePassed2 && treePassed3) {
        stage = drivingToEdge;
    }
}

levelExit levelFour::leaveAtEdge(objectWorld &world, const scriptServices &services) {
    if (!carInBox(world.car, inclusive(1, 2), groveLine)) {
        return levelExit::stayed;
    }
    return leaveFor(world, services, *this, nextLevel);
}
