#pragma once
#include "replayOptions.h"

class game;
class playerCar;

// Starts play straight in a level, skipping the logo and the menus: the car stands on the
// level's start tile, or at the pose when one is given.
void startPlayInLevel(game &session, int level, const carPose *pose);

// Stands the car at a pose: heading h faces (−cos h, sin h) with the camera plane
// 0.8 · (sin h, cos h).
void placeCarAtPose(playerCar &car, const carPose &pose);
