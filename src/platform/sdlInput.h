#pragma once
// The input layer's view of SDL's events, for the code that has SDL events in hand.
#include <SDL.h>

#include "platform/input.h"

// The game's event for an SDL event; false for an event the game does not track.
bool translateEvent(const SDL_Event &event, inputEvent &translated);
