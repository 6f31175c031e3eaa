#include "objects/statue.h"

void statue::reset() {
    resetCommon("statue");
    fixedShade = true;
    waitCount = 0;
    glowLevel = 0;
    glowTurns = 0;
    glowDarkening = false;
    crumbled = false;
    playerDistance = 0.0;
}

void statue::update(playerCar &, int32_t side) {
    testHomeSquare(side);
}
