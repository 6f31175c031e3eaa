#include "objects/ashTree.h"

void ashTree::reset() {
    resetCommon("ashTree");
    solid = true;
}

void ashTree::update(playerCar &car, int32_t side) {
    testHomeSquare(side);
    darkWhenFar(car);
}
