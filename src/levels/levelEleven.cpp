#include "levels/levelEleven.h"

#include "levels/levelLayout.h"
#include "levels/tileCodes.h"

using namespace objectCode;

void levelEleven::setup() {
    beginLayout(*this, 80);
    placeStraightRoad(*this, 38);

    placeRoadsideLamps(*this);
    // Two columns of ghost cars, one in each lane.
    placeObjectColumn(*this, ghostCar, 39, 64, 68, 1);
    placeObjectColumn(*this, ghostCar, 41, 64, 68, 1);
}
