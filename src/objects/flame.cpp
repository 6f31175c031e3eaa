#include "objects/flame.h"

void flame::reset() {
    resetCommon("flame");
    emitsLight = true;
    lightShape = 3;
    frame = 1; // lighting
}

void flame::update(playerCar &, int32_t side) {
    testHomeSquare(side);
}
