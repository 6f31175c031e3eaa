#pragma once
#include <SDL.h>

#include "app/settingsFile.h"

// Builds every long-lived object, runs the paced main loop until the player quits,
// then frees what was loaded.
void runGame(SDL_Surface *screen, const dataFiles &files);
