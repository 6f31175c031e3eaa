#include "objects/flame.h"

void flame::reset() {
    resetCommon("flame");
}

void flame::update(playerCar &, int32_t side) {
    testHomeSquare(side);
}
