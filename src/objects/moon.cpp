#include "objects/moon.h"

void moon::reset() {
    resetCommon("moon");
}

void moon::update(playerCar &, int32_t side) {
    testHomeSquare(side);
}
