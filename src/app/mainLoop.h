#pragma once
// The pieces of one main-loop pass that do not belong to any subsystem: following the
// fullscreen wish with the video mode, halving the drawing at 30 fps, and the pacing.
#include <SDL.h>

#include "app/gameFlags.h"
#include "app/timer.h"

constexpr int screenWidth = 640;
constexpr int screenHeight = 480;
constexpr int screenDepth = 32;
constexpr Uint32 windowedVideoFlags = SDL_HWSURFACE | SDL_ANYFORMAT | SDL_DOUBLEBUF;
constexpr Uint32 fullscreenVideoFlags = windowedVideoFlags | SDL_FULLSCREEN;
constexpr const char *windowCaption = "Velmora";

using videoModeSetter = SDL_Surface *(*)(int width, int height, int depth, Uint32 flags);
using delayFunction = void (*)(Uint32 milliseconds);

struct videoModeState {
    bool currentlyWindowed = true; // the window opens windowed
    bool switchPending = false;
    videoModeSetter setVideoMode = SDL_SetVideoMode;
};

// Switches between windowed and fullscreen when the wish differs from the mode in force,
// and returns the screen surface to draw on from now on. A mode that cannot be set leaves
// the old one in force and sets the wish back to match it; null only when no mode at all
// can be set.
SDL_Surface *followVideoMode(videoModeState &video, gameFlags &flags, SDL_Surface *screen);

// With thirtyFps on, frames are drawn on every second pass; the logic still runs every pass.
bool shouldDrawThisPass(const gameFlags &flags, bool &renderToggle);

// Sleeps out what is left of the pass's share of a second; a pass that already took
// that long is not delayed, and no lost time is caught up.
void paceFrame(const timer &frameTimer, int frameRateCap, delayFunction delay);
