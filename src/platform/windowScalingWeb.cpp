#include "platform/windowScaling.h"

#include <SDL.h>

// The page's canvas is scaled by the browser; the window's other calls have no use here.
void showScreen(SDL_Surface *screen) {
    SDL_Flip(screen);
}
