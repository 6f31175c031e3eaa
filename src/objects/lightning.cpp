#include "objects/lightning.h"

void lightning::reset() {
    resetCommon("lightning");
    strikeDelay = 0;
}

void lightning::update(playerCar &, int32_t side) {
    testHomeSquare(side);
}
