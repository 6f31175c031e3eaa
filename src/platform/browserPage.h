#pragma once
// The page around the game in the browser build (its files end in Web.cpp).
#include "platform/video.h"

// Shows the screen on the page's canvas.
void presentScreen(screenHandle screen);
// Tells the page the player has quit: it shows its goodbye in place of the game.
void showThanksForPlaying();
