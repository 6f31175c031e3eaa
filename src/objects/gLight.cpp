#include "objects/gLight.h"

void gLight::reset() {
    resetCommon("gLight");
}

void gLight::update(playerCar &, int32_t side) {
    testHomeSquare(side);
}
