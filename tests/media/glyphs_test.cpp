#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <set>
#include <string>

#include "media/glyphs.h"
#include "media/imageBank.h"
#include "media/imageFiles.h"
#include "media/loadingWord.h"
#include "support/sdlTestEnvironment.h"
#include "syntheticArt.h"

// Each style of each character the font has is a file and a slot of its own, and the
// drawing code finds the slot that file is loaded into; every other character has no glyph.
TEST(GlyphSlots, EveryFontCharacterAndStyleHasTheSlotItsFileIsLoadedInto) {
    std::map<int, std::string> loaded;
    for (const picturePlace &picture : logoAndFontPictures()) {
        loaded[picture.slot] = picture.path;
    }
    std::set<int> used;
    std::set<std::string> files;
    for (const char character : fontCharacters) {
        for (int style = 0; style < glyphStyles; style++) {
            const int slot = glyphSlot(character, style);
            EXPECT_TRUE(used.insert(slot).second) << character << " style " << style;
            EXPECT_TRUE(files.insert(glyphPath(character, style)).second) << character << " style " << style;
            EXPECT_EQ(loaded[slot], glyphPath(character, style)) << character << " style " << style;
        }
        EXPECT_EQ(glyphSlot(character, -1), -1) << character;
        EXPECT_EQ(glyphSlot(character, glyphStyles), -1) << character;
    }
    for (const char character : {' ', 'A', 'Z', '@', ',', '/', '\0'}) {
        EXPECT_EQ(glyphSlot(character, 2), -1) << character;
    }
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
