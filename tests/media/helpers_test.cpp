#include <gtest/gtest.h>

#include <vector>

#include "media/helpers.h"

TEST(IntToString, WritesPlainDecimalText) {
    EXPECT_EQ(intToString(0), "0");
    EXPECT_EQ(intToString(-5), "-5");
    EXPECT_EQ(intToString(88), "88");
    EXPECT_EQ(intToString(-2147483647 - 1), "-2147483648");
}

TEST(ColourChannel, ReadsRedGreenBlueAndAnswers255Otherwise) {
    const Uint32 pixel = 0xFF123456;
    EXPECT_EQ(colourChannel('r', pixel), 0x12);
    EXPECT_EQ(colourChannel('g', pixel), 0x34);
    EXPECT_EQ(colourChannel('b', pixel), 0x56);
    EXPECT_EQ(colourChannel('x', pixel), 255);
    EXPECT_EQ(colourChannel('a', pixel), 255);
}

// A surface whose rows are padded: pixel addresses must follow the pitch, not the width.
TEST(PixelAccess, FollowsThePitchOfPaddedRows) {
    constexpr int width = 5;
    constexpr int height = 3;
    constexpr int pitchPixels = 8;
    std::vector<Uint32> memory(pitchPixels * height, 0xDEADBEEF);
    SDL_Surface *surface = SDL_CreateRGBSurfaceFrom(memory.data(), width, height, 32, pitchPixels * 4,
                                                    0xFF0000, 0xFF00, 0xFF, 0);
    ASSERT_NE(surface, nullptr);
    {
        const surfaceLock lock(surface);
        for (int y = 0; y < height; y++) {
            for (int x = 0; x < width; x++) {
                putPixel(surface, x, y, static_cast<Uint32>(y * 100 + x));
            }
        }
        EXPECT_EQ(getPixel(surface, 4, 2), 204u);
        EXPECT_EQ(getPixel(surface, 0, 1), 100u);
    }
    // The padding between rows is never written.
    for (int y = 0; y < height; y++) {
        for (int x = width; x < pitchPixels; x++) {
            EXPECT_EQ(memory[y * pitchPixels + x], 0xDEADBEEF) << x << "," << y;
        }
    }
    SDL_FreeSurface(surface);
}

TEST(MapColour, TakesChannelsModulo256) {
    SDL_Surface *surface = SDL_CreateRGBSurface(SDL_SWSURFACE, 1, 1, 32, 0xFF0000, 0xFF00, 0xFF, 0);
    ASSERT_NE(surface, nullptr);
    const Uint32 pixel = mapColour(surface, 256 + 7, -1, 0x40);
    EXPECT_EQ(colourChannel('r', pixel), 7);
    EXPECT_EQ(colourChannel('g', pixel), 255);
    EXPECT_EQ(colourChannel('b', pixel), 0x40);
    SDL_FreeSurface(surface);
}

TEST(ApplySurface, BlitsAtThePointAndClipsOffTheEdge) {
    SDL_Surface *source = SDL_CreateRGBSurface(SDL_SWSURFACE, 4, 4, 32, 0xFF0000, 0xFF00, 0xFF, 0);
    SDL_Surface *target = SDL_CreateRGBSurface(SDL_SWSURFACE, 8, 8, 32, 0xFF0000, 0xFF00, 0xFF, 0);
    ASSERT_NE(source, nullptr);
    ASSERT_NE(target, nullptr);
    SDL_FillRect(source, nullptr, 0x00FF00);
    SDL_FillRect(target, nullptr, 0);

    applySurface(6, -2, source, target);
    EXPECT_EQ(getPixel(target, 7, 0) & 0xFFFFFF, 0x00FF00u);
    EXPECT_EQ(getPixel(target, 7, 1) & 0xFFFFFF, 0x00FF00u);
    EXPECT_EQ(getPixel(target, 7, 2) & 0xFFFFFF, 0u);
    EXPECT_EQ(getPixel(target, 5, 0) & 0xFFFFFF, 0u);

    applySurface(0, 0, nullptr, target); // an empty slot draws nothing
    SDL_FreeSurface(source);
    SDL_FreeSurface(target);
}
