#pragma once
// How the 640 x 480 screen the game draws on reaches a window of 1 to 4 window pixels per
// screen pixel. sdl12-compat scales the window itself; classic SDL, on Windows, leaves the
// scaling to the game.
#include <cstdint>

struct SDL_Surface;

// Settles the window's scale for the desktop, once video has started and before the window
// is made.
void chooseWindowScaling(int requestedScale);
// The window at the chosen scale, else at 1x: the scale never keeps the game from starting.
// The surface the game draws on; null when no window opens.
SDL_Surface *openWindowSurface();
// Sets a video mode at the chosen scale; the surface the game draws on, or null.
SDL_Surface *setScreenMode(int width, int height, int depth, std::uint32_t flags);
// Shows what the game drew on the screen in the window.
void showScreen(SDL_Surface *screen);
