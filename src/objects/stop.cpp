#include "objects/stop.h"

void stop::reset() {
    resetCommon("stop");
    frame = 1;
    solid = true;
}

void stop::update(playerCar &car, int32_t side) {
    testHomeSquare(side);
    darkWhenFar(car);
}
