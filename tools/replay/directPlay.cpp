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

void startPlayInLevel(game &session, int level) {
    session.levels.startLevel = level;
    session.context.state = gameState::inGame;
    session.context.entered = false;
}

bool parseProgressFlags(const std::string &text, bool (&flags)[6]) {
    if (text.size() != 6 || text.find_first_not_of("01") != std::string::npos) {
        return false;
    }
    for (int k = 0; k < 6; k++) {
        flags[k] = text[k] == '1';
    }
    return true;
}
