#include "player/carView.h"

void followCar(camera &view, const playerCar &car) {
    view.x = car.x;
    view.y = car.y;
    view.dirX = car.dirX;
    view.dirY = car.dirY;
    view.planeX = car.planeX;
    view.planeY = car.planeY;
    view.heading = car.heading;
    for (int k = 0; k < 2; k++) {
        view.lampTileX[k] = car.lampTileX[k];
        view.lampTileY[k] = car.lampTileY[k];
    }
    view.light = car.light;
    view.cockpit = car.cockpit;
    view.headlightsOn = car.headlightsOn;
    view.battery = car.battery;
}

// The view's inverse determinant, 1 / (planeX·dirY − dirX·planeY), is 1.25 for a plane of
// length 0.8 perpendicular to a unit facing, and turning does not change it.
constexpr double inverseViewDeterminant = 1.25;

bool isBehindViewer(const playerCar &car, double px, double py) {
    const double depth = (car.planeX * (py - car.y) - car.planeY * (px - car.x)) * inverseViewDeterminant;
    return depth < 0;
}
