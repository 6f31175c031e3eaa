#include "objects/ashBush.h"

void ashBush::reset() {
    resetCommon("ashBush");
}

void ashBush::update(playerCar &, int32_t side) {
    testHomeSquare(side);
}
