#include "objects/roadSign.h"

void roadSign::reset() {
    resetCommon("roadSign");
    frame = 1;
    solid = true;
}

void roadSign::update(playerCar &car, int32_t side) {
    testHomeSquare(side);
    darkWhenFar(car);
}
