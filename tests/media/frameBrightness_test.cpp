#include <gtest/gtest.h>

#include <vector>

#include "media/frameBrightness.h"
#include "rendererRig.h"

namespace {

std::vector<Uint32> screenPixels(rendererRig &rig) {
    std::vector<Uint32> pixels;
    for (int y = 0; y < 480; y++) {
        for (int x = 0; x < 640; x++) {
            pixels.push_back(rig.rgbAt(x, y));
        }
    }
    return pixels;
}

Uint32 brightened(const int level, const Uint32 rgb) {
    return Uint32{brightenedChannel(level, rgb >> 16 & 0xFF)} << 16 |
           Uint32{brightenedChannel(level, rgb >> 8 & 0xFF)} << 8 | brightenedChannel(level, rgb & 0xFF);
}

} // namespace

// Every level keeps black and white; above the default a mid-grey rises with the level, below
// it sinks, and no level turns a darker value brighter than a lighter one. A surface whose
// channels lie the other way round, with alpha, gets the same curve and keeps its alpha.
TEST(Brightness, TheCurveKeepsBlackAndWhiteAndMovesTheMidTones) {
    int lastGrey = -1;
    for (int level = 0; level <= maxBrightness; level++) {
        EXPECT_EQ(brightenedChannel(level, 0), 0) << level;
        EXPECT_EQ(brightenedChannel(level, 255), 255) << level;
        const int grey = brightenedChannel(level, 128);
        EXPECT_GT(grey, lastGrey) << level;
        EXPECT_EQ(grey > 128, level > defaultBrightness) << level;
        EXPECT_EQ(grey < 128, level < defaultBrightness) << level;
        lastGrey = grey;
        for (int value = 1; value < 256; value++) {
            ASSERT_GE(brightenedChannel(level, value), brightenedChannel(level, value - 1)) << level;
        }
    }

    SDL_Surface *reversed = SDL_CreateRGBSurface(SDL_SWSURFACE, 2, 1, 32, 0xFF, 0xFF00, 0xFF0000, 0xFF000000);
    static_cast<Uint32 *>(reversed->pixels)[0] = 0x80402010;
    brightnessTable table;
    applyBrightness(table, 8, reversed);
    EXPECT_EQ(static_cast<Uint32 *>(reversed->pixels)[0],
              0x80000000u | Uint32{brightenedChannel(8, 0x40)} << 16 |
                  Uint32{brightenedChannel(8, 0x20)} << 8 | brightenedChannel(8, 0x10));
    SDL_FreeSurface(reversed);
}

// The default draws the frame as it always was; a brighter setting puts every pixel of the
// finished frame through the curve once (the grey bonnet rises, the black stays black), and
// going back draws the very same frame as before.
TEST(Brightness, TheFinishedFrameGoesThroughTheCurveOnlyAwayFromTheDefault) {
    rendererRig rig(5);
    rig.images.slots[hoodBase] = rendererRig::solidPicture(40, 40, 0x808080);
    rig.images.slots[dashboardBase] = rendererRig::solidPicture(20, 20, 0x20C0FF);
    rig.prepare().drawFrame();
    ASSERT_EQ(rig.rgbAt(25, 25), 0x808080u);
    ASSERT_EQ(rig.rgbAt(5, 5), 0x20C0FFu);
    ASSERT_EQ(rig.rgbAt(600, 100), 0u);
    const std::vector<Uint32> asDrawn = screenPixels(rig);

    rig.world.brightness = maxBrightness;
    rig.drawFrame();
    EXPECT_EQ(rig.rgbAt(25, 25), brightened(maxBrightness, 0x808080));
    EXPECT_GT(rig.rgbAt(25, 25) & 0xFF, 0xA0u);
    EXPECT_EQ(rig.rgbAt(600, 100), 0u);
    const std::vector<Uint32> brighter = screenPixels(rig);
    for (size_t at = 0; at < asDrawn.size(); at++) {
        ASSERT_EQ(brighter[at], brightened(maxBrightness, asDrawn[at])) << at;
    }

    rig.world.brightness = defaultBrightness;
    rig.drawFrame();
    EXPECT_EQ(screenPixels(rig), asDrawn);
}
