#include "directPlay.h"

#include <cmath>
#include <numbers>

#include "app/game.h"
#include "objects/buildSpriteList.h"
#include "objects/loadLevelObjects.h"

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

void startPlayInLevel(game &session, int level, const carPose *pose) {
    session.levels.startLevel = level;
    loadLevelObjects(session.levels, true, level, session.world);
    playerCar &car = session.world.car;
    if (pose != nullptr) {
        placeCarAtPose(car, *pose);
    }
    buildSpriteList(session.world);
    session.world.view.follow(car);
    session.context.state = "inGame";
    session.context.entered = true;
}
