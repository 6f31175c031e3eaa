#include "levels/levelFourteen.h"

#include "levels/levelLayout.h"
#include "levels/tileCodes.h"

using namespace groundCode;
using namespace objectCode;

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

} // namespace

void levelFourteen::setup() {
    beginLayout(*this, 80);
    placeDiagonalRoad(*this);
    placeStraightRoad(*this, 38);
    openCrossings(*this);

    placeDiagonalRoadLamps(*this);
    placeStraightRoadLamps(*this);
    placeObject(*this, flame, 41, 39);
    placeObjects(*this, butterfly,
                 {{37, 37}, {37, 40}, {39, 34}, {39, 43}, {42, 34}, {42, 43}, {44, 36}, {44, 39}});
    placeObjects(*this, ghostCar, {{45, 34}, {47, 37}, {51, 31}, {56, 32}, {63, 26}, {67, 27}});
    placeObject(*this, statue, 32, 55);
    placeObject(*this, tree, 49, 48);
}
