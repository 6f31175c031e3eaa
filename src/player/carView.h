#pragma once
// The car seen from the driver's seat: the camera's snapshot of it, and what lies behind it.
#include "player/playerCar.h"
#include "world/camera.h"

// Takes the view and the dashboard's state from the car, once per pass after the world has
// moved, so that drawing never reads the live car.
void followCar(camera &view, const playerCar &car);

// True when the point lies behind the car's driver: its depth along the view is negative.
// The point is used exactly as given, without wrapping.
bool isBehindViewer(const playerCar &car, double px, double py);
