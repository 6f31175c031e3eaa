#include "directPlay.h"

#include <cmath>
#include <numbers>

#include "app/game.h"

void placeCarAtPose(playerCar &car, const carPose &pose) {
    const double radians = pose.heading * std::numbers::pi / 180.0;
    car.x = pose.x;
    car.y = pose.y;
    car.heading = pose.heading;
    car.dirX = -std::cos(radians);
    car.dirY = std::sin(radians);
    car.planeX = 0.8 * std::sin(radians);
    car.planeY = 0.8 * std::cos(radians);
}

// The first start tile in scan order, x-major; false when the level has none.
static bool findStartTile(const levelList &levels, int &tileX, int &tileY) {
    const int side = levels.currentSide();
    for (int x = 0; x < side; x++) {
        for (int y = 0; y < side; y++) {
            if (levels.objectAt(x, y) == 1) {
                tileX = x;
                tileY = y;
                return true;
            }
        }
    }
    return false;
}

void startPlayInLevel(game &session, int level, const carPose *pose) {
    levelList &levels = session.levels;
    levels.previous = levels.current;
    levels.current = level;
    levels.startLevel = level;
    playerCar &car = session.world.car;
    int tileX = 0;
    int tileY = 0;
    if (pose != nullptr) {
        placeCarAtPose(car, *pose);
    } else if (findStartTile(levels, tileX, tileY)) {
        car.x = tileX + 0.5;
        car.y = tileY + 0.5;
    }
    session.world.view.follow(car);
    session.context.state = "inGame";
    session.context.entered = true;
}
