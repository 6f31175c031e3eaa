// The blit plan of the large layers must put exactly the pixels on screen that one whole
// alpha blit through SDL would, at every offset the bonnet and dashboard move to.
#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "media/helpers.h"
#include "media/layerBlitter.h"
#include "support/sdlTestEnvironment.h"

namespace {

struct surfaceDeleter {
    void operator()(SDL_Surface *surface) const { SDL_FreeSurface(surface); }
};
using surfacePtr = std::unique_ptr<SDL_Surface, surfaceDeleter>;

surfacePtr loadLayer(const std::string &path) {
    SDL_Surface *raw = IMG_Load(path.c_str());
    if (raw == nullptr) {
        return nullptr;
    }
    surfacePtr converted(SDL_DisplayFormatAlpha(raw));
    SDL_FreeSurface(raw);
    return converted;
}

// A screen with a pattern behind the layer, so blending shows in every channel.
surfacePtr patternedScreen() {
    SDL_Surface *screen = SDL_CreateRGBSurface(SDL_SWSURFACE, 640, 480, 32, 0xFF0000, 0xFF00, 0xFF, 0);
    const surfaceLock lock(screen);
    for (int y = 0; y < 480; y++) {
        Uint32 *row = reinterpret_cast<Uint32 *>(static_cast<Uint8 *>(screen->pixels) + y * screen->pitch);
        for (int x = 0; x < 640; x++) {
            row[x] = static_cast<Uint32>((x * 7) & 0xFF) << 16 | static_cast<Uint32>((y * 5) & 0xFF) << 8 |
                     static_cast<Uint32>((x + y) & 0xFF);
        }
    }
    return surfacePtr(screen);
}

bool sameScreens(SDL_Surface *a, SDL_Surface *b) {
    for (int y = 0; y < 480; y++) {
        if (std::memcmp(static_cast<Uint8 *>(a->pixels) + y * a->pitch,
                        static_cast<Uint8 *>(b->pixels) + y * b->pitch, 640 * 4) != 0) {
            return false;
        }
    }
    return true;
}

} // namespace

TEST(LayerBlitter, ThePlanDrawsWhatOneWholeAlphaBlitDraws) {
    ASSERT_NE(dummyScreen(), nullptr); // the display format the layers are converted to
    const char *layers[] = {"art/hud/hood/0.png",       "art/hud/hood/5.png",
                            "art/hud/dashboard/0.png",  "art/hud/dashboard/7.png",
                            "art/hud/whiteFlash/2.png", "art/hud/blackFlash/3.png",
                            "art/hud/flashLight/1.png", "art/hud/headlights.png"};
    int planned = 0;
    for (const char *path : layers) {
        const surfacePtr layer = loadLayer(path);
        ASSERT_NE(layer, nullptr) << path;
        auto plan = std::make_unique<layerPlan>();
        planLayer(layer.get(), *plan);
        planned += plan->planned ? 1 : 0;
        // The sway and bump reach five columns either way and twelve rows down.
        for (const auto &[x, y] : {std::pair{0, 0}, {-10, -12}, {-5, 7}, {-15, -3}, {3, -30}}) {
            const surfacePtr byPlan = patternedScreen();
            const surfacePtr whole = patternedScreen();
            blitLayer(layer.get(), *plan, x, y, byPlan.get());
            SDL_Rect at = {static_cast<Sint16>(x), static_cast<Sint16>(y), 0, 0};
            SDL_UpperBlit(layer.get(), nullptr, whole.get(), &at);
            EXPECT_TRUE(sameScreens(byPlan.get(), whole.get())) << path << " at " << x << ", " << y;
        }
    }
    EXPECT_GE(planned, 4); // the big layers do take the planned path
}
