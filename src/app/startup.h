#pragma once
#include <SDL.h>

// Brings up SDL, the audio device (when there is one) and the 640 x 480 window with its
// caption and icon. Returns the screen surface, or null when no window can be opened.
SDL_Surface *openGameWindow();
void closeGameWindow();
