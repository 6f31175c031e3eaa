#include "world/camera.h"

void camera::resetCamera() {
    x = y = 5.0;
    dirX = -1.0;
    dirY = 0.0;
    planeX = 0.0;
    planeY = 0.8;
    heading = 0.0;
    screenWidth = 640;
    screenHeight = 480;
    lampTileX[0] = -4;
    lampTileX[1] = -4;
    lampTileY[0] = -2;
    lampTileY[1] = 2;
    light = 3;
    cockpit = cockpitState{};
    headlightsOn = true;
    battery = 0;
}
