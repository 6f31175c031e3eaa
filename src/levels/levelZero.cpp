#include "levels/levelZero.h"

#include "levels/levelLayout.h"
#include "levels/tileValues.h"

using namespace objectTile;

void levelZero::setup() {
    beginLayout(*this, 30);
    placeObject(*this, car, 14, 15);
}
