#include "player/camera.h"

#include "player/playerCar.h"

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

void camera::follow(const playerCar &car) {
    x = car.x;
    y = car.y;
    dirX = car.dirX;
    dirY = car.dirY;
    planeX = car.planeX;
    planeY = car.planeY;
    heading = car.heading;
    for (int k = 0; k < 2; k++) {
        lampTileX[k] = car.lampTileX[k];
        lampTileY[k] = car.lampTileY[k];
    }
    light = car.light;
    cockpit = car.cockpit;
    headlightsOn = car.headlightsOn;
    battery = car.battery;
}

// The view's inverse determinant, 1 / (planeX·dirY − dirX·planeY), is 1.25 for a plane of
// length 0.8 perpendicular to a unit facing, and turning does not change it.
constexpr double inverseViewDeterminant = 1.25;

bool isBehindViewer(const playerCar &car, double px, double py) {
    const double depth = (car.planeX * (py - car.y) - car.planeY * (px - car.x)) * inverseViewDeterminant;
    return depth < 0;
}
