#pragma once
// Draws one whole frame for the current game state and presents it.
#include <SDL.h>

class stateContext;

class renderer {
  public:
    explicit renderer(const stateContext &context);

    const stateContext &context;

    void drawFrame(SDL_Surface *screen) const;
};
