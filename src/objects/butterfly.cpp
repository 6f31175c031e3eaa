#include "objects/butterfly.h"

void butterfly::reset() {
    resetCommon("butterfly");
}

void butterfly::update(playerCar &, int32_t side) {
    testHomeSquare(side);
}
