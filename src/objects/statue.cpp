#include "objects/statue.h"

void statue::reset() {
    resetCommon("statue");
}

void statue::update(playerCar &, int32_t side) {
    testHomeSquare(side);
}
