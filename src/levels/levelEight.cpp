#include "levels/levelEight.h"

#include "levels/levelLayout.h"
#include "levels/tileCodes.h"

using namespace objectCode;

void levelEight::setup() {
    beginLayout(*this, 80);
    placeStraightRoad(*this, 38);

    placeRoadsideLamps(*this);
    placeObjects(*this, tree, {{32, 5}, {32, 70}});
    placeObjects(*this, ghostCar, {{37, 52}, {43, 57}});
    placeObjectColumn(*this, butterfly, 45, 5, 75, 10);
    placeObject(*this, statue, 47, 11);
}
