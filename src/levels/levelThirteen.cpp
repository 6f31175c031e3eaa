#include "levels/levelThirteen.h"

#include "levels/levelLayout.h"
#include "levels/tileCodes.h"

using namespace objectCode;

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
}
