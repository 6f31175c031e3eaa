#include "objects/tree.h"

void tree::reset() {
    resetCommon("tree");
}

void tree::update(playerCar &, int32_t side) {
    testHomeSquare(side);
}
