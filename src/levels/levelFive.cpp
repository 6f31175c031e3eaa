#include "levels/levelFive.h"

#include "levels/levelLayout.h"
#include "levels/tileCodes.h"

using namespace objectCode;

void levelFive::setup() {
    beginLayout(*this, 80);
    placeStraightRoad(*this, 38);

    placeRoadsideLamps(*this);
    // Trees take the place of the lamps at y = 20, a road sign that of the one at (44, 30).
    placeObject(*this, tree, 36, 20);
    placeObject(*this, tree, 44, 20);
    placeObject(*this, roadSign, 44, 30);
    // Ground lights lead from the trees to the edges of the world.
    placeObjectRow(*this, gLight, 20, 0, 34, 2);
    placeObjectRow(*this, gLight, 20, 46, 78, 2);
}
