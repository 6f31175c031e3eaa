#include "levels/levelFourteen.h"

#include <iterator>
#include <string_view>

#include "levels/levelLayout.h"
#include "levels/loadLevelObjects.h"
#include "levels/scriptServices.h"
#include "levels/tileCodes.h"
#include "objects/objectWorld.h"
#include "objects/treeFrames.h"

using namespace groundCode;
using enum objectKind;

namespace {

// The diagonal road winds twice round the world: every column carries it on two windings,
// whose rows climb by one every second column and shift as they cross the straight road.
int32_t firstWinding(int32_t x) {
    return x < 38 ? 13 - x / 2 : 14 - x / 2;
}
int32_t secondWinding(int32_t x) {
    return x < 38 ? 54 - x / 2 : 53 - x / 2;
}

void placeDiagonalRoad(level &lvl) {
    for (int32_t x = 0; x < 80; x++) {
        if (x >= 38 && x <= 42) {
            continue; // the straight road's columns
        }
        placeDiagonalColumn(lvl, x, firstWinding(x));
        placeDiagonalColumn(lvl, x, secondWinding(x));
    }
}

// Where the diagonal road crosses, the kerbs open and the centre line breaks into short dashes.
void openCrossings(level &lvl) {
    fillGround(lvl, 38, 36, 45, road);
    fillGround(lvl, 38, 75, 84, road);
    fillGround(lvl, 42, 32, 41, road);
    fillGround(lvl, 42, 73, 82, road);
    alternateGround(lvl, 40, 35, 42, lineCapUp, lineCapDown);
    alternateGround(lvl, 40, 74, 81, lineCapUp, lineCapDown);
}

// Lamps flank both windings every eighth column.
void placeDiagonalRoadLamps(level &lvl) {
    for (const int32_t x : {7, 15, 23, 31, 55, 63, 71, 79}) {
        placeDiagonalLamps(lvl, x, firstWinding(x));
        placeDiagonalLamps(lvl, x, secondWinding(x));
    }
    // Just past the crossing the first winding's lamps stand one row nearer y = 0.
    placeDiagonalLamps(lvl, 47, firstWinding(47) - 1);
    placeDiagonalLamps(lvl, 47, secondWinding(47));
}

void placeStraightRoadLamps(level &lvl) {
    placeObjectColumn(lvl, lamp, 36, 5, 35, 5);
    placeObjects(lvl, lamp, {{36, 46}, {36, 50}});
    placeObjectColumn(lvl, lamp, 36, 55, 70, 5);
    placeObject(lvl, lamp, 36, 74);

    placeObjects(lvl, lamp, {{44, 2}, {44, 5}});
    placeObjectColumn(lvl, lamp, 44, 10, 30, 5);
    placeObjects(lvl, lamp, {{44, 42}, {44, 46}, {44, 50}});
    placeObjectColumn(lvl, lamp, 44, 55, 70, 5);
}

constexpr tileSpot theFlame = {41, 39};
constexpr tileSpot theTree = {49, 48};
// Round the flame where the roads cross; none of them is seen here.
constexpr tileSpot butterflies[] = {{37, 37}, {37, 40}, {39, 34}, {39, 43},
                                    {42, 34}, {42, 43}, {44, 36}, {44, 39}};
// The six ghost cars of the race, lined up along the upper diagonal road.
constexpr tileSpot racers[] = {{45, 34}, {47, 37}, {51, 31}, {56, 32}, {63, 26}, {67, 27}};

} // namespace

void levelFourteen::setup() {
    beginLayout(*this, 80);
    placeDiagonalRoad(*this);
    placeStraightRoad(*this, 38);
    openCrossings(*this);

    placeDiagonalRoadLamps(*this);
    placeStraightRoadLamps(*this);
    placeObjects(*this, flame, {theFlame});
    for (const tileSpot tile : butterflies) {
        placeObject(*this, butterfly, tile.x, tile.y);
    }
    for (const tileSpot tile : racers) {
        placeObject(*this, ghostCar, tile.x, tile.y);
    }
    placeObject(*this, statue, 32, 55);
    placeObjects(*this, tree, {theTree});
    stage = entering;
    messageShown = false;
}

namespace {

constexpr int32_t racerCount = static_cast<int32_t>(std::size(racers));
constexpr double raceHeading = 220;
constexpr int32_t crossroads = 6;
constexpr int32_t nextLevel = 15;

constexpr std::string_view raceLine = "take control of the road";
constexpr std::string_view homeLine = "take the long road home";

// Ghost cars no longer racing, each counted once by its copy on the home square.
int32_t ghostsOutOfTheRace(const objectWorld &world) {
    int32_t count = 0;
    forEachPlaced(world, [&](const basicObj &object) {
        count += object.kind == objectKind::ghostCar && object.onMap && object.mode != objectMode::race;
    });
    return count;
}

// Out across the left edge of the world on the lower diagonal road, heading −x.
bool crossesLeftEdge(const playerCar &car) {
    return carInBox(car, inclusive(-1e9, 1), inclusive(55, 64)) && faces(car, -5, 60) && behind(car, 5, 60);
}

bool aTreeRecharged(const objectWorld &world) {
    bool recharged = false;
    forEachPlaced(world, [&](const basicObj &object) {
        recharged = recharged || (object.kind == objectKind::tree && object.state == 1);
    });
    return recharged;
}

} // namespace

void levelFourteen::script(objectWorld &world, const scriptServices &services) {
    if (runStage(world, services) == levelExit::left) {
        return;
    }
    // Recharging at the tree gives the race up: back to the crossroads, from any stage.
    if (aTreeRecharged(world)) {
        (void)leaveTo(world, services, crossroads);
    }
}

levelExit levelFourteen::runStage(objectWorld &world, const scriptServices &services) {
    switch (stage) {
    case entering:
        enter(world);
        break;
    case watchingRace:
        statueMessage(world, services.text, raceLine, messageShown);
        watchTheRace(world);
        break;
    case raceOver:
        music = 3;
        stage = headingHome;
        break;
    case headingHome:
        statueMessage(world, services.text, homeLine, messageShown);
        if (crossesLeftEdge(world.car)) {
            stage = wrappingRound;
        }
        break;
    case wrappingRound:
        if (world.car.x > 1) { // wrapped round to the far side of the world
            stage = headingHomeAgain;
        }
        break;
    case headingHomeAgain:
        statueMessage(world, services.text, homeLine, messageShown);
        if (crossesLeftEdge(world.car)) {
            return leaveTo(world, services, nextLevel);
        }
        break;
    default:
        break;
    }
    return levelExit::stayed;
}

// The butterflies and the flame are not seen here; six ghosts line up for the race.
void levelFourteen::enter(objectWorld &world) {
    music = 1;
    for (const tileSpot tile : butterflies) {
        hide(world, groupOnTile(*this, tile));
    }
    const int32_t flameGroup = groupOnTile(*this, theFlame);
    shiftBy(world, flameGroup, -0.5, -0.5);
    changeGroup(world, flameGroup, {.emitsLight = false, .lightShape = 0, .visible = false});
    setFrame(world, groupOnTile(*this, theTree), grownFrame);
    for (const tileSpot tile : racers) {
        changeGroup(
            world, groupOnTile(*this, tile),
            {.shiftX = -10, .shiftY = 5, .angle = raceHeading, .visible = true, .mode = objectMode::race});
    }
    world.fade.fadeIn();
    stage = watchingRace;
}

// The music rises once one ghost is out; the road is the player's once all six are.
void levelFourteen::watchTheRace(objectWorld &world) {
    const int32_t out = ghostsOutOfTheRace(world);
    music = out > 0 ? 2 : 1;
    if (out >= racerCount) {
        stage = raceOver;
    }
}

// Every way out of this level starts the next visit afresh.
levelExit levelFourteen::leaveTo(objectWorld &world, const scriptServices &services,
                                 const int32_t nextLevel) {
    messageShown = false;
    stage = entering;
    return leaveFor(world, services, *this, nextLevel);
}
