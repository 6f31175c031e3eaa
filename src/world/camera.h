#pragma once
// A snapshot of the player car's view and dashboard, taken once per pass after the world
// has moved. The renderer and the dashboard draw from it, never from the live car, so the
// picture stays consistent while the world changes the car.
#include <cstdint>

#include "world/cockpitState.h"

class camera {
  public:
    camera() { resetCamera(); }

    double x, y;
    double dirX, dirY;
    double planeX, planeY;
    double heading;
    int32_t screenWidth, screenHeight; // the size of the 3-D view cast for
    int32_t lampTileX[2], lampTileY[2];
    int32_t light;
    // What the dashboard shows: the cockpit, and the car's switch and charge beside it.
    cockpitState cockpit;
    bool headlightsOn;
    int32_t battery;

    void resetCamera();
};
