#include "objects/roadSign.h"

void roadSign::reset() {
    resetCommon("roadSign");
}

void roadSign::update(playerCar &, int32_t side) {
    testHomeSquare(side);
}
