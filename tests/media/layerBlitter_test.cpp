// The blit plan of the large layers must put exactly the pixels on screen that one whole
// alpha blit through SDL would, at every offset the bonnet and dashboard move to.
#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <iterator>
#include <memory>
#include <string>

#include "media/helpers.h"
#include "media/imageBank.h"
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
    const char *layers[] = {
        "art/hud/hood/0.png",       "art/hud/hood/5.png",       "art/hud/dashboard/0.png",
        "art/hud/dashboard/7.png",  "art/hud/whiteFlash/2.png", "art/hud/blackFlash/3.png",
        "art/hud/flashLight/1.png", "art/hud/headlights.png",   "art/hud/wheel/wheelGlow.png",
        "art/hud/wheel/3.png",      "art/hud/battery/5.png"};
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
    EXPECT_GE(planned, 7); // the big layers and the gauges do take the planned path
}

// Every layer value and alpha over every screen value, in each channel at once (red, green
// and blue run through the values in different orders): the game's own blend must give
// what SDL's alpha blit gives, bit for bit.
TEST(LayerBlitter, TheBlendMatchesSDLForEveryValueAndAlpha) {
    SDL_Surface *layer =
        SDL_CreateRGBSurface(SDL_SWSURFACE, 256, 256, 32, 0xFF0000, 0xFF00, 0xFF, 0xFF000000);
    SDL_Surface *screen = SDL_CreateRGBSurface(SDL_SWSURFACE, 256, 256, 32, 0xFF0000, 0xFF00, 0xFF, 0);
    ASSERT_NE(layer, nullptr);
    ASSERT_NE(screen, nullptr);
    for (int alpha = 0; alpha < 256; alpha++) {
        for (int value = 0; value < 256; value++) {
            *pixelAddress(layer, value, alpha) =
                static_cast<Uint32>(alpha << 24 | value << 16 | (value ^ 0x5A) << 8 | (255 - value));
        }
    }
    SDL_SetAlpha(layer, SDL_SRCALPHA, SDL_ALPHA_OPAQUE);
    int mismatches = 0;
    for (int under = 0; under < 256 && mismatches == 0; under++) {
        const Uint32 screenPixel = static_cast<Uint32>((under ^ 0x3C) << 24 | under << 16 |
                                                       (under ^ 0xA5) << 8 | (under * 7 & 0xFF));
        SDL_FillRect(screen, nullptr, screenPixel);
        SDL_UpperBlit(layer, nullptr, screen, nullptr);
        for (int alpha = 0; alpha < 256; alpha++) {
            // Rows of 255 leave a pixel to the one-at-a-time end of the row.
            // A whole row goes several pixels at a time; rows of four take the narrower path.
            Uint32 row[256];
            Uint32 inFours[256];
            std::fill(std::begin(row), std::end(row), screenPixel);
            std::fill(std::begin(inFours), std::end(inFours), screenPixel);
            blendRow(pixelAddress(layer, 0, alpha), row, 255);
            row[255] = blendPixel(*pixelAddress(layer, 255, alpha), screenPixel);
            for (int start = 0; start < 256; start += 4) {
                blendRow(pixelAddress(layer, start, alpha), inFours + start, 4);
            }
            for (int value = 0; value < 256; value++) {
                // Where the two paths disagree, ours cannot match both.
                const Uint32 ours = row[value] == inFours[value] ? row[value] : ~row[value];
                const Uint32 theirs = *pixelAddress(screen, value, alpha);
                if (ours != theirs && mismatches++ < 5) {
                    ADD_FAILURE() << std::hex << "layer " << *pixelAddress(layer, value, alpha) << " over "
                                  << screenPixel << ": " << ours << " instead of " << theirs;
                }
            }
        }
    }
    EXPECT_EQ(mismatches, 0);
    SDL_FreeSurface(layer);
    SDL_FreeSurface(screen);
}

// Spans that overlap, come out of order, reach past either edge or overflow a row: every
// pixel outside them turns black, every pixel inside keeps what the frame put there.
TEST(LayerBlitter, TheClearLeavesOutExactlyTheCoveredSpans) {
    const surfacePtr screen = patternedScreen();
    auto cover = std::make_unique<rowCover>();
    cover->clear();
    cover->add(5, 150, 300);
    cover->add(5, 100, 200);
    cover->add(5, -20, 10);
    cover->add(5, 600, 700);
    for (int k = 0; k <= rowCover::spansPerRow; k++) {
        cover->add(6, 20 * k, 20 * k + 10); // the last one does not fit and is cleared
    }
    const surfacePtr before = patternedScreen();
    clearUncovered(screen.get(), *cover);
    const auto covered = [](int row, int x) {
        if (row == 5) {
            return x < 10 || (x >= 100 && x < 300) || x >= 600;
        }
        return row == 6 && x < 20 * rowCover::spansPerRow && x % 20 < 10;
    };
    int wrong = 0;
    for (int row = 0; row < 480; row++) {
        for (int x = 0; x < 640; x++) {
            const Uint32 expected = covered(row, x) ? *pixelAddress(before.get(), x, row) : 0;
            wrong += *pixelAddress(screen.get(), x, row) != expected;
        }
    }
    EXPECT_EQ(wrong, 0);
}

// The bonnet and the glow are kept only in the rows that hold anything; drawn through the
// blitter they still put on screen what the whole layer put there.
TEST(LayerBlitter, CroppedLayersDrawWhatTheWholeLayersDrew) {
    ASSERT_NE(dummyScreen(), nullptr);
    const surfacePtr screen = patternedScreen();
    auto bank = std::make_unique<imageBank>();
    bank->slots[screenSlot] = screen.get();
    const std::pair<int, const char *> layers[] = {{hoodBase + 4, "art/hud/hood/4.png"},
                                                   {headlightsSlot, "art/hud/headlights.png"}};
    for (const auto &[slot, path] : layers) {
        bank->slots[slot] = loadLayer(path).release();
    }
    auto blitter = std::make_unique<layerBlitter>(*bank);
    blitter->planAll();
    for (const auto &[slot, path] : layers) {
        EXPECT_LT(bank->slots[slot]->h, 300) << path; // most rows are clear and are gone
        const surfacePtr whole = loadLayer(path);
        for (const auto &[x, y] : {std::pair{-10, -10}, {-5, 2}, {-15, -22}}) {
            const surfacePtr expected = patternedScreen();
            SDL_Rect at = {static_cast<Sint16>(x), static_cast<Sint16>(y), 0, 0};
            SDL_UpperBlit(whole.get(), nullptr, expected.get(), &at);
            const surfacePtr fresh = patternedScreen();
            std::memcpy(screen->pixels, fresh->pixels, static_cast<size_t>(screen->pitch) * screen->h);
            blitter->blit(slot, x, y);
            EXPECT_TRUE(sameScreens(screen.get(), expected.get())) << path << " at " << x << ", " << y;
        }
    }
    bank->slots[screenSlot] = nullptr; // the test's own screen
}
