#include "levels/levelTen.h"

#include "levels/levelLayout.h"
#include "levels/tileCodes.h"

using namespace groundCode;
using namespace objectCode;

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
}
