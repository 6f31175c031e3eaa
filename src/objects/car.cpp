#include "objects/car.h"

void car::reset() {
    resetCommon("car");
}

void car::update(playerCar &, int32_t side) {
    testHomeSquare(side);
}
