#include <gtest/gtest.h>

#include <memory>

#include "media/glyphs.h"
#include "media/imageBank.h"
#include "media/loadingWord.h"
#include "support/sdlTestEnvironment.h"
#include "syntheticArt.h"

// Spot checks across the font: first and last digit and letter, and each sign.
TEST(GlyphSlots, FollowTheFontLayoutAndSkipEverythingElse) {
    EXPECT_EQ(glyphSlot('0', 0), 37);
    EXPECT_EQ(glyphSlot('9', 4), 86);
    EXPECT_EQ(glyphSlot('a', 0), 87);
    EXPECT_EQ(glyphSlot('z', 4), 216);
    EXPECT_EQ(glyphSlot('_', 0), 217);
    EXPECT_EQ(glyphSlot('.', 1), 223);
    EXPECT_EQ(glyphSlot(':', 2), 229);
    EXPECT_EQ(glyphSlot('-', 3), 235);
    EXPECT_EQ(glyphSlot('!', 4), 241);
    EXPECT_EQ(glyphSlot('?', 4), 246);
    for (const char character : {' ', 'A', '@', ',', '\0'}) {
        EXPECT_EQ(glyphSlot(character, 2), -1) << character;
    }
    EXPECT_EQ(glyphSlot('a', 5), -1);
    EXPECT_EQ(glyphSlot('a', -1), -1);
}

// "wa" is the one pair that sits closer; the menu arrow leaves 18 pixels before its text.
TEST(GlyphAdvance, WSitsCloserOnlyBeforeA) {
    EXPECT_EQ(letterAdvance('w', 'a'), 19);
    EXPECT_EQ(letterAdvance('w', 'e'), 25);
    EXPECT_EQ(letterAdvance('w', '\0'), 25);
    EXPECT_EQ(letterAdvance('_', 'g'), 18);
}

// A bank whose screen slot is a small canvas and whose glyph for 'k' in style 3 is a
// 4 x 2 patch of red.
class GlyphDrawing : public testing::Test {
  protected:
    void SetUp() override {
        canvas = makeSurface(64, 64, 0);
        bank->slots[screenSlot] = canvas;
        bank->slots[glyphSlot('k', 3)] = makeSurface(4, 2, 0xFF0000);
    }
    void TearDown() override { SDL_FreeSurface(canvas); }

    int paintedTexels() {
        int painted = 0;
        for (int y = 0; y < canvas->h; y++) {
            for (int x = 0; x < canvas->w; x++) {
                painted += texelColour(canvas, x, y) != 0;
            }
        }
        return painted;
    }

    std::unique_ptr<imageBank> bank = std::make_unique<imageBank>();
    SDL_Surface *canvas = nullptr;
};

TEST_F(GlyphDrawing, BlitsTheGlyphWithItsTopLeftAtThePen) {
    drawLetter(*bank, 10, 20, "k", 3);
    EXPECT_EQ(texelColour(canvas, 10, 20), 0xFF0000u);
    EXPECT_EQ(texelColour(canvas, 13, 21), 0xFF0000u);
    EXPECT_EQ(paintedTexels(), 8);
}

TEST_F(GlyphDrawing, AnythingButOneFontCharacterWithAPictureDrawsNothing) {
    for (const char *letter : {"none", " ", "K", "kk", "", "j"}) {
        drawLetter(*bank, 10, 20, letter, 3);
    }
    drawLetter(*bank, 10, 20, "k", 2); // no picture in that style
    drawLetter(*bank, 10, 20, "k", 9);
    EXPECT_EQ(paintedTexels(), 0);
}

// The dim letters are three texels wide and the lit ones two, so after loading each
// letter shows both: lit over dim at its own x.
TEST(LoadingWord, DrawsEveryLetterDimThenLitAtItsPlace) {
    SDL_Surface *screen = dummyScreen();
    SDL_FillRect(screen, nullptr, 0);
    temporaryFolder art;
    constexpr Uint32 dim = 0x404040;
    constexpr Uint32 lit = 0xF0F0F0;
    for (const char *letter : {"l", "o", "a", "d", "i", "n", "g"}) {
        writePicture(art.file(std::string("art/font/") + letter + "/1.png"), 3, 2, dim);
        writePicture(art.file(std::string("art/font/") + letter + "/4.png"), 2, 2, lit);
    }
    const auto bank = std::make_unique<imageBank>();
    {
        const workingFolder inside(art.path());
        loadImagesWithLoadingWord(*bank, screen);
    }
    EXPECT_EQ(bank->slots[0], screen);
    for (const int x : {25, 39, 55, 71, 87, 95, 111}) {
        EXPECT_EQ(texelColour(screen, x, 437), lit) << x;
        EXPECT_EQ(texelColour(screen, x + 1, 438), lit) << x;
        EXPECT_EQ(texelColour(screen, x + 2, 437), dim) << x;
        EXPECT_EQ(texelColour(screen, x + 3, 437), 0u) << x;
        EXPECT_EQ(texelColour(screen, x, 436), 0u) << x;
    }
    EXPECT_EQ(texelColour(screen, 24, 437), 0u);
}
