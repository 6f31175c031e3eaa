#include "objects/lamp.h"

void lamp::reset() {
    resetCommon("lamp");
}

void lamp::update(playerCar &, int32_t side) {
    testHomeSquare(side);
}
