#include "objects/ashBush.h"

void ashBush::reset() {
    resetCommon("ashBush");
    solid = true;
}

void ashBush::update(playerCar &car, int32_t side) {
    testHomeSquare(side);
    darkWhenFar(car);
}
