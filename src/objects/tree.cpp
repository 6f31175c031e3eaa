#include "objects/tree.h"

void tree::reset() {
    resetCommon("tree");
    lightShape = 1;
    frame = 1; // a sapling
    solid = true;
    chimed = false;
}

void tree::update(playerCar &, int32_t side) {
    testHomeSquare(side);
}
