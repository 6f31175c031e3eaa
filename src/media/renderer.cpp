#include "media/renderer.h"

#include "app/stateContext.h"

renderer::renderer(const stateContext &state) : context(state) {}

void renderer::drawFrame(SDL_Surface *screen) const {
    if (screen == nullptr) {
        return;
    }
    SDL_FillRect(screen, nullptr, SDL_MapRGB(screen->format, 0, 0, 0));
    SDL_Flip(screen);
}
