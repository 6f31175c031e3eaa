#include "levels/levelOne.h"

#include "levels/levelLayout.h"
#include "levels/tileCodes.h"

using namespace objectCode;

void levelOne::setup() {
    beginLayout(*this, 35);
    // The only start tile of the game: a new game puts the car here.
    placeObject(*this, startTile, 30, 17);
    placeObject(*this, butterfly, 33, 3);
}
