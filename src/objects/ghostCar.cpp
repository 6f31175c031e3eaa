#include "objects/ghostCar.h"

void ghostCar::reset() {
    resetCommon("ghostCar");
}

void ghostCar::update(playerCar &, int32_t side) {
    testHomeSquare(side);
}
