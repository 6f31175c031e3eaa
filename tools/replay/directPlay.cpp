#include "directPlay.h"

#include <numbers>

#include "app/game.h"
#include "world/steadyMath.h"

carPose poseFromHeading(const headingPose &pose) {
    const sineAndCosine turn = steadySinCos(pose.heading * std::numbers::pi / 180.0);
    return {.x = pose.x,
            .y = pose.y,
            .dirX = -turn.cosine,
            .dirY = turn.sine,
            .planeX = 0.8 * turn.sine,
            .planeY = 0.8 * turn.cosine,
            .heading = pose.heading};
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
