#include "objects/ghostCar.h"

// The ghost steers by these sixteen rough unit steps rather than by sine and cosine.
// clang-format off
static constexpr double directionTable[ghostDirectionCount][2] = {
    {1, 0},        {0.875, -0.4375},  {0.75, -0.75},   {0.4375, -0.875},
    {0, -1},       {-0.4375, -0.875}, {-0.75, -0.75},  {-0.875, -0.4375},
    {-1, 0},       {-0.875, 0.4375},  {-0.75, 0.75},   {-0.4375, 0.875},
    {0, 1},        {0.4375, 0.875},   {0.75, 0.75},    {0.875, 0.4375},
};
// clang-format on

void ghostCar::reset() {
    resetCommon("ghostCar");
    split = true;
    frame = 1;
    shade = 1;
    fixedShade = true;
    mode = "spawn";
    animStep = 0;
    deadTimer = 0;
    patrolLeg = false;
    pulseDown = false;
    spawnKnown = false;
    dirX = 1.0;
    dirY = 0.0;
    spawnX = spawnY = 0.0;
    legDistance = 0.0;
    playerDistance = 0.0;
    targetAngle = 0.0;
    for (int k = 0; k < ghostDirectionCount; k++) {
        directions[k][0] = directionTable[k][0];
        directions[k][1] = directionTable[k][1];
    }
    raceSpeed = 0.0;
    soundTimer = 0;
}

void ghostCar::update(playerCar &, int32_t side) {
    testHomeSquare(side);
}
