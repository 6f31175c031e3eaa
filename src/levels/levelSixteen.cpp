#include "levels/levelSixteen.h"

#include "levels/levelLayout.h"
#include "levels/tileCodes.h"

using namespace objectCode;

void levelSixteen::setup() {
    beginLayout(*this, 80);
    placeStraightRoad(*this, 38);

    placeRoadsideLamps(*this);
    placeObjects(*this, ghostCar, {{38, 20}, {40, 23}, {42, 20}});
}
