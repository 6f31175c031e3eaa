#pragma once
// The one container of the world: the player car, its camera, and the links every object
// behaviour needs (levels, animation tables, the game's switches).
#include "app/gameFlags.h"
#include "media/fadeCounter.h"
#include "player/camera.h"
#include "player/playerCar.h"

class levelList;
class animTables;
class keyboardState;

class objectWorld {
  public:
    objectWorld(levelList &levels, const animTables &animations, gameFlags &flags,
                const keyboardState &keyboard);
    objectWorld(const objectWorld &) = delete;
    objectWorld &operator=(const objectWorld &) = delete;

    levelList &levels;
    const animTables &animations;
    gameFlags &flags;
    camera view;
    playerCar car;
    fadeCounter fade;
};
