#include "objects/moon.h"

void moon::reset() {
    resetCommon("moon");
    split = true;
    emitsLight = true;
    frame = 1;
    state = 1; // 2 once the flash has reached it
    solid = true;
    falling = false;
    stepTimer = 0;
    holdTimer = 0;
}

void moon::update(playerCar &, int32_t side) {
    testHomeSquare(side);
}
