#include "objects/butterfly.h"

void butterfly::reset() {
    resetCommon("butterfly");
    emitsLight = true;
    frame = 1;
    mode = "light";
    started = false;
    wanderVX = wanderVY = 0.0;
    wanderX = 1.0;
    wanderY = 0.8;
    centreX = centreY = 0.0;
    startX = startY = 0.0;
    dimTimer = 0;
    lightTimer = 0;
}

void butterfly::update(playerCar &, int32_t side) {
    testHomeSquare(side);
}
