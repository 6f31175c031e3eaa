#include "levels/levelSix.h"

#include "levels/levelLayout.h"
#include "levels/tileCodes.h"

using namespace objectCode;

void levelSix::setup() {
    beginLayout(*this, 80);
    placeStraightRoad(*this, 38);

    placeRoadsideLamps(*this);
    // Trees take the place of the lamps at y = 35, a road sign that of the one at (44, 45).
    placeObject(*this, tree, 36, 35);
    placeObject(*this, tree, 44, 35);
    placeObject(*this, roadSign, 44, 45);
}
