#include "objects/lightning.h"

void lightning::reset() {
    resetCommon("lightning");
}

void lightning::update(playerCar &, int32_t side) {
    testHomeSquare(side);
}
