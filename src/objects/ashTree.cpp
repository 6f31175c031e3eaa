#include "objects/ashTree.h"

void ashTree::reset() {
    resetCommon("ashTree");
}

void ashTree::update(playerCar &, int32_t side) {
    testHomeSquare(side);
}
