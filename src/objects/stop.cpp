#include "objects/stop.h"

void stop::reset() {
    resetCommon("stop");
}

void stop::update(playerCar &, int32_t side) {
    testHomeSquare(side);
}
