#include <SDL_image.h>
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <memory>
#include <set>

#include "media/helpers.h"
#include "media/imageBank.h"
#include "support/buildPaths.h"
#include "support/sdlTestEnvironment.h"
#include "syntheticArt.h"

namespace {

constexpr Uint32 magenta = 0xFF00FF;

std::unique_ptr<imageBank> makeBank() {
    return std::make_unique<imageBank>();
}

Uint32 rgb(int r, int g, int b) {
    return static_cast<Uint32>(r << 16 | g << 8 | b);
}

// Darkens a one-colour 64 x 64 picture and answers the colour it became.
Uint32 darkenedColour(Uint32 colour, int level, Uint32 target = 0, bool clearNearTarget = true) {
    const auto bank = makeBank();
    SDL_Surface *surface = makeSurface(64, 64, colour);
    bank->darken(surface, level, target, clearNearTarget);
    const Uint32 result = texelColour(surface, 17, 33);
    SDL_FreeSurface(surface);
    return result;
}

// The colour a shaded slot shows at texel (x, y); 0 for a slot with no picture.
Uint32 shadedColour(const imageBank &bank, int slot, int x, int y) {
    const shadedTexels texels = bank.texelsAt(slot);
    return texels.indices == nullptr ? 0 : texels.at(x, y) & 0xFFFFFF;
}

bool hasPicture(const imageBank &bank, int slot) {
    return bank.texelsAt(slot).indices != nullptr;
}

int filledPlainSlots(const imageBank &bank) {
    int filled = 0;
    for (int slot = 1; slot < blankBase; slot++) {
        filled += bank.slots[slot] != nullptr;
    }
    return filled;
}

int filledShadedFrames(const imageBank &bank) {
    int filled = 0;
    for (const shadedPicture &picture : bank.shaded) {
        filled += !picture.empty();
    }
    return filled;
}

} // namespace

TEST(ImageBankDarken, StepsAreElevenPerLevelAndTheDarkestClearsEverything) {
    const auto bank = makeBank();
    EXPECT_EQ(bank->darkenStep[0], 0);
    EXPECT_EQ(bank->darkenStep[1], 11);
    EXPECT_EQ(bank->darkenStep[23], 253);
    EXPECT_EQ(bank->darkenStep[24], 255);
    EXPECT_EQ(darkenedColour(rgb(255, 254, 200), 24), 0u);
    // Levels outside 1 ... 24 act as the nearest one.
    EXPECT_EQ(darkenedColour(rgb(100, 100, 100), 0), rgb(89, 89, 89));
    EXPECT_EQ(darkenedColour(rgb(255, 255, 255), 40), 0u);
}

TEST(ImageBankDarken, ChannelsFallTowardsBlackAndNearBlackBecomesBlack) {
    EXPECT_EQ(darkenedColour(rgb(100, 200, 150), 10), rgb(0, 90, 40));
    // 100 at level 9 leaves 1: kept while another channel is bright, black when all are dim.
    EXPECT_EQ(darkenedColour(rgb(100, 200, 150), 9), rgb(1, 101, 51));
    EXPECT_EQ(darkenedColour(rgb(100, 100, 100), 9), 0u);
    EXPECT_EQ(darkenedColour(rgb(100, 100, 100), 9, 0, false), rgb(1, 1, 1));
}

TEST(ImageBankDarken, OtherTargetsPullBothWaysButZeroChannelsStayZero) {
    const Uint32 grey = rgb(128, 128, 128);
    EXPECT_EQ(darkenedColour(rgb(0, 100, 200), 2, grey), rgb(0, 122, 178));
    EXPECT_EQ(darkenedColour(rgb(250, 10, 0), 3, grey), rgb(217, 43, 0));
    // Landing within one of the target in every channel clears the texel, if asked.
    EXPECT_EQ(darkenedColour(grey, 5, grey, true), 0u);
    EXPECT_EQ(darkenedColour(grey, 5, grey, false), grey);
}

TEST(ImageBankDarken, MagentaTexelsSurviveEveryLevel) {
    const auto bank = makeBank();
    for (int level = 1; level <= 24; level++) {
        SDL_Surface *surface = makeSurface(64, 64, rgb(90, 40, 250));
        SDL_Rect corner = makeRect(0, 0, 8, 8);
        SDL_FillRect(surface, &corner, SDL_MapRGB(surface->format, 255, 0, 255));
        bank->darken(surface, level, 0, true);
        EXPECT_EQ(texelColour(surface, 3, 3), magenta) << "level " << level;
        EXPECT_NE(texelColour(surface, 30, 30), rgb(90, 40, 250)) << "level " << level;
        SDL_FreeSurface(surface);
    }
}

// Only the 64 x 64 texels a shaded picture has are touched, and a smaller surface is
// never read or written past its end.
TEST(ImageBankDarken, StaysInsideTheSurface) {
    const auto bank = makeBank();
    SDL_Surface *large = makeSurface(80, 70, rgb(200, 200, 200));
    bank->darken(large, 1, 0, true);
    EXPECT_EQ(texelColour(large, 63, 63), rgb(189, 189, 189));
    EXPECT_EQ(texelColour(large, 64, 10), rgb(200, 200, 200));
    EXPECT_EQ(texelColour(large, 10, 64), rgb(200, 200, 200));
    SDL_FreeSurface(large);

    SDL_Surface *small = makeSurface(16, 8, rgb(200, 200, 200));
    bank->darken(small, 1, 0, true);
    EXPECT_EQ(texelColour(small, 15, 7), rgb(189, 189, 189));
    SDL_FreeSurface(small);
    bank->darken(nullptr, 3, 0, true);
}

// Hand-made art in a temporary folder: where each file lands, how its copies are
// shaded, and what becomes of files that are missing, broken or the wrong size.
class ImageBankLoading : public testing::Test {
  protected:
    void SetUp() override { screen = dummyScreen(); }

    void write(const std::string &path, int size, Uint32 colour) {
        writePicture(art.file(path), size, size, colour);
    }

    std::unique_ptr<imageBank> loadAll() {
        const workingFolder inside(art.path());
        auto bank = makeBank();
        bank->loadImages(screen);
        return bank;
    }

    SDL_Surface *screen = nullptr;
    temporaryFolder art;
};

TEST_F(ImageBankLoading, EachFileLandsInItsOwnSlots) {
    write("art/copyrights.png", 12, rgb(1, 2, 3));
    write("art/hud/blackFlash/3.png", 20, rgb(4, 5, 6));
    write("art/font/7/4.png", 5, rgb(7, 8, 9));
    write("art/font/b/2.png", 5, rgb(10, 11, 12));
    write("art/font/question/0.png", 5, rgb(13, 14, 15));
    write("art/startRoad/21.png", 64, rgb(16, 17, 18)); // tile code 32
    write("art/moon/crackRight.png", 64, rgb(19, 20, 21));
    write("art/lightning/8.png", 64, rgb(22, 23, 24));
    write("art/statues/1.png", 64, rgb(25, 26, 27));
    const auto bank = loadAll();

    EXPECT_EQ(bank->slots[0], screen);
    EXPECT_EQ(texelColour(bank->slots[36], 0, 0), rgb(1, 2, 3));
    EXPECT_EQ(texelColour(bank->slots[320], 0, 0), rgb(4, 5, 6));
    EXPECT_EQ(texelColour(bank->slots[76], 0, 0), rgb(7, 8, 9));
    EXPECT_EQ(texelColour(bank->slots[94], 0, 0), rgb(10, 11, 12));
    EXPECT_EQ(texelColour(bank->slots[242], 0, 0), rgb(13, 14, 15));
    const int firstSlots[] = {6148, 4823, 5323, 4298};
    const Uint32 colours[] = {rgb(16, 17, 18), rgb(19, 20, 21), rgb(22, 23, 24), rgb(25, 26, 27)};
    for (int i = 0; i < 4; i++) {
        EXPECT_EQ(shadedColour(*bank, firstSlots[i], 0, 0), colours[i]) << firstSlots[i];
        for (int level = 1; level < 25; level++) {
            EXPECT_TRUE(hasPicture(*bank, firstSlots[i] + level)) << firstSlots[i] << "+" << level;
        }
    }
    // Nothing else was written, so nothing else is filled: 5 plain slots and 4 shaded frames.
    EXPECT_EQ(filledPlainSlots(*bank), 5);
    EXPECT_EQ(filledShadedFrames(*bank), 4);
    for (int slot = blankBase; slot < imageSlotCount; slot++) {
        ASSERT_EQ(bank->slots[slot], nullptr) << slot;
    }
}

TEST_F(ImageBankLoading, ShadedCopiesDarkenByLevelButBlankCopiesDoNot) {
    SDL_Surface *picture = makeSurface(64, 64, rgb(200, 120, 0));
    SDL_Rect corner = makeRect(60, 60, 4, 4);
    SDL_FillRect(picture, &corner, SDL_MapRGB(picture->format, 255, 0, 255));
    writePicture(art.file("art/tree/4.png"), picture);
    SDL_FreeSurface(picture);
    write("art/blank.png", 64, rgb(200, 120, 0));
    const auto bank = loadAll();

    const int tree = 4023 + 4 * 25;
    for (int level = 0; level < 25; level++) {
        ASSERT_TRUE(hasPicture(*bank, tree + level));
        ASSERT_TRUE(hasPicture(*bank, 323 + level));
        const int r = std::max(200 - 11 * level, 0);
        const int g = std::max(120 - 11 * level, 0);
        const Uint32 expected = level == 24 || (r < 2 && g < 2) ? 0 : rgb(r, g, 0);
        EXPECT_EQ(shadedColour(*bank, tree + level, 5, 5), expected) << "level " << level;
        EXPECT_EQ(shadedColour(*bank, tree + level, 62, 62), magenta) << "level " << level;
        EXPECT_EQ(shadedColour(*bank, 323 + level, 5, 5), rgb(200, 120, 0)) << "level " << level;
    }
    // Levels that look the same share a palette: the blank's 25, and the tree's darkest
    // ones, where only black and magenta are left.
    EXPECT_EQ(bank->shaded[shadedFrameOf(323)].distinctPalettes(), 1);
    const shadedPicture &treePicture = bank->shaded[shadedFrameOf(tree)];
    EXPECT_EQ(treePicture.paletteOf[23], treePicture.paletteOf[24]);
    EXPECT_LT(treePicture.distinctPalettes(), 25);
}

// A picture of more colours than 8 bits can number reads back texel for texel, and each
// darker level matches the same picture darkened as a whole surface.
TEST_F(ImageBankLoading, ManyColouredPicturesMatchTheirDarkenedSurfaces) {
    SDL_Surface *picture = makeSurface(64, 64, 0);
    for (int y = 0; y < 64; y++) {
        for (int x = 0; x < 64; x++) {
            putPixel(picture, x, y, mapColour(picture, 4 * x + 3, 4 * y, (x * y) % 256));
        }
    }
    putPixel(picture, 9, 9, mapColour(picture, 255, 0, 255));
    writePicture(art.file("art/car/right/16.png"), picture);
    const auto bank = loadAll();
    const int car = 1323 + 16 * 25;
    ASSERT_GT(bank->shaded[shadedFrameOf(car)].colourCount, 256);
    for (int level = 0; level < 25; level++) {
        SDL_Surface *copy = SDL_ConvertSurface(picture, picture->format, picture->flags);
        if (level > 0) {
            bank->darken(copy, level, 0, true);
        }
        for (int y = 0; y < 64; y++) {
            for (int x = 0; x < 64; x++) {
                ASSERT_EQ(shadedColour(*bank, car + level, x, y), texelColour(copy, x, y))
                    << "level " << level << " at " << x << ", " << y;
            }
        }
        SDL_FreeSurface(copy);
    }
    SDL_FreeSurface(picture);
}

TEST_F(ImageBankLoading, MissingBrokenAndMisSizedFilesLeaveTheirSlotsEmpty) {
    write("art/hud/battery/6.png", 10, rgb(9, 9, 9));
    writeGarbage(art.file("art/hud/battery/5.png"), 3000);
    writeGarbage(art.file("art/tree/3.png"), 64);
    write("art/flame/2.png", 32, rgb(50, 50, 50)); // a shaded picture must be 64 x 64
    write("art/flame/3.png", 64, rgb(50, 50, 50));
    write("art/car/left/1.png", 64, rgb(50, 50, 50));
    const std::string whole = readWholeFile(art.file("art/car/left/1.png"));
    writeWholeFile(art.file("art/car/left/1.png"), whole.substr(0, whole.size() / 2));
    write("art/flame/4.png", 64, rgb(50, 50, 50));
    std::string damaged = readWholeFile(art.file("art/flame/4.png"));
    damaged[damaged.size() / 2] ^= 0x10; // inside the picture data
    writeWholeFile(art.file("art/flame/4.png"), damaged);
    std::filesystem::create_directories(art.file("art/introLogo/4.png")); // a folder, not a file
    const auto bank = loadAll();

    {
        const workingFolder inside(art.path());
        bank->showLogoFrame(4);
    }
    EXPECT_EQ(bank->slots[5], nullptr);
    EXPECT_EQ(bank->slots[265], nullptr);
    EXPECT_NE(bank->slots[266], nullptr);
    for (int level = 0; level < 25; level++) {
        EXPECT_FALSE(hasPicture(*bank, 4023 + 75 + level));
        EXPECT_FALSE(hasPicture(*bank, 4848 + 50 + level));
        EXPECT_FALSE(hasPicture(*bank, 898 + 25 + level));
        EXPECT_FALSE(hasPicture(*bank, 4848 + 100 + level));
        EXPECT_TRUE(hasPicture(*bank, 4848 + 75 + level));
    }
}

// The logo frames are read as they are shown, one held at a time, and let go after.
TEST_F(ImageBankLoading, LogoFramesAreHeldOnlyWhileShown) {
    write("art/introLogo/0.png", 8, rgb(1, 1, 1));
    write("art/introLogo/34.png", 8, rgb(3, 4, 5));
    const workingFolder inside(art.path());
    const auto bank = makeBank();
    bank->loadImages(screen);
    EXPECT_EQ(filledPlainSlots(*bank), 0);
    bank->showLogoFrame(0);
    EXPECT_NE(bank->slots[1], nullptr);
    bank->showLogoFrame(34);
    EXPECT_EQ(bank->slots[1], nullptr);
    EXPECT_EQ(texelColour(bank->slots[35], 0, 0), rgb(3, 4, 5));
    bank->showLogoFrame(34);
    bank->showLogoFrame(35); // not a logo frame: nothing changes
    EXPECT_EQ(filledPlainSlots(*bank), 1);
    bank->releaseLogo();
    EXPECT_EQ(filledPlainSlots(*bank), 0);
    // Shown again after a return to the title.
    bank->showLogoFrame(0);
    EXPECT_NE(bank->slots[1], nullptr);
}

TEST_F(ImageBankLoading, FreeImagesEmptiesEverySlotButTheScreen) {
    write("art/hud/hood/3.png", 10, rgb(9, 9, 9));
    write("art/butterfly/2.png", 64, rgb(9, 9, 9));
    const auto bank = loadAll();
    ASSERT_NE(bank->slots[296], nullptr);
    bank->freeImages();
    for (int slot = 1; slot < imageSlotCount; slot++) {
        ASSERT_EQ(bank->slots[slot], nullptr) << slot;
    }
    EXPECT_EQ(filledShadedFrames(*bank), 0);
    EXPECT_EQ(bank->slots[0], screen);
    // A second call, and the destructor after it, find nothing left to free.
    bank->freeImages();
}

// The generated art: every listed file that exists is loaded into all of its slots, at
// the size the renderer expects, and nothing else is filled.
class ImageBankGeneratedArt : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        const workingFolder inside(builtAssetsDir);
        bank = new imageBank;
        bank->loadImages(dummyScreen());
    }
    static void TearDownTestSuite() {
        delete bank;
        bank = nullptr;
    }
    static bool exists(const std::string &path) {
        return std::filesystem::is_regular_file(std::string(builtAssetsDir) + "/" + path);
    }
    static SDL_Surface *loadDirectly(const std::string &path) {
        const workingFolder inside(builtAssetsDir);
        return imageBank::loadImage(path);
    }

    static imageBank *bank;
};

imageBank *ImageBankGeneratedArt::bank = nullptr;

TEST_F(ImageBankGeneratedArt, EveryListedFileFillsItsSlotsAndNothingElseIsFilled) {
    int expectedFilled = 0;
    for (const pictureList &plain : {logoAndFontPictures(), dashboardPictures()}) {
        for (const picturePlace &picture : plain) {
            // A logo frame is read only when the logo shows it.
            const bool loaded = exists(picture.path) && !isLogoSlot(picture.slot);
            EXPECT_EQ(bank->slots[picture.slot] != nullptr, loaded) << picture.path;
            expectedFilled += loaded;
        }
    }
    EXPECT_EQ(filledPlainSlots(*bank), expectedFilled);
    pictureList shaded = groundPictures();
    for (const pictureList &more : {carPictures(), signPictures(), creatureAndLightPictures()}) {
        shaded.insert(shaded.end(), more.begin(), more.end());
    }
    shaded.push_back(blankPicture());
    int expectedFrames = 0;
    for (const picturePlace &picture : shaded) {
        const bool present = exists(picture.path);
        expectedFrames += present;
        for (int level = 0; level < 25; level++) {
            ASSERT_EQ(hasPicture(*bank, picture.slot + level), present) << picture.path << " level " << level;
        }
    }
    EXPECT_EQ(filledShadedFrames(*bank), expectedFrames);
    // So a tile code without a picture, and frame 0 of a numbered group, stay empty.
    EXPECT_FALSE(hasPicture(*bank, 5348 + 12 * 25));
    EXPECT_FALSE(hasPicture(*bank, 348));
}

// Compares a few slots with the files they should hold, read straight from disk.
TEST_F(ImageBankGeneratedArt, NamedSlotsHoldTheirFiles) {
    const struct {
        int slot;
        const char *path;
    } samples[] = {
        {36, "art/copyrights.png"},
        {320, "art/hud/blackFlash/3.png"},
        {1, "art/introLogo/0.png"},
        {35, "art/introLogo/34.png"},
        {113, "art/font/f/1.png"},
        {5348, "art/startRoad/blankDirt.png"},
        {5348 + 15 * 25, "art/startRoad/4.png"},
        {5348 + 88 * 25, "art/startRoad/sand.png"},
        {898 + 25, "art/car/left/1.png"},
        {4273, "art/tree/ashBush.png"},
    };
    for (const auto &sample : samples) {
        if (!exists(sample.path)) {
            continue; // the art may still be on its way
        }
        SDL_Surface *expected = loadDirectly(sample.path);
        if (isShadedSlot(sample.slot)) {
            for (int y = 0; y < 64; y++) {
                for (int x = 0; x < 64; x++) {
                    ASSERT_EQ(bank->texelsAt(sample.slot).at(x, y), getPixel(expected, x, y)) << sample.path;
                }
            }
            SDL_FreeSurface(expected);
            continue;
        }
        if (isLogoSlot(sample.slot)) {
            const workingFolder inside(builtAssetsDir);
            bank->showLogoFrame(sample.slot - 1);
        }
        SDL_Surface *held = bank->slots[sample.slot];
        ASSERT_NE(held, nullptr) << sample.path;
        ASSERT_EQ(held->w, expected->w) << sample.path;
        ASSERT_EQ(held->h, expected->h) << sample.path;
        for (int y = 0; y < held->h; y += 3) {
            for (int x = 0; x < held->w; x += 3) {
                ASSERT_EQ(getPixel(held, x, y), getPixel(expected, x, y)) << sample.path;
            }
        }
        SDL_FreeSurface(expected);
    }
    bank->releaseLogo();
}

// The quick reader gives every picture of the art exactly as the image library and a
// conversion to the display format would.
TEST_F(ImageBankGeneratedArt, PicturesReadAsTheImageLibraryReadsThem) {
    const workingFolder inside(builtAssetsDir);
    pictureList all = logoAndFontPictures();
    for (const pictureList &more :
         {dashboardPictures(), groundPictures(), carPictures(), signPictures(), creatureAndLightPictures()}) {
        all.insert(all.end(), more.begin(), more.end());
    }
    all.push_back(blankPicture());
    for (const picturePlace &picture : all) {
        SDL_Surface *read = imageBank::loadImage(picture.path);
        SDL_Surface *library = IMG_Load(picture.path.c_str());
        ASSERT_EQ(read != nullptr, library != nullptr) << picture.path;
        if (library == nullptr) {
            continue;
        }
        SDL_Surface *converted = SDL_DisplayFormatAlpha(library);
        ASSERT_EQ(read->flags, converted->flags) << picture.path;
        ASSERT_EQ(read->format->Amask, converted->format->Amask) << picture.path;
        ASSERT_EQ(read->format->alpha, converted->format->alpha) << picture.path;
        ASSERT_EQ(read->w, converted->w) << picture.path;
        ASSERT_EQ(read->h, converted->h) << picture.path;
        for (int y = 0; y < read->h; y++) {
            ASSERT_EQ(std::memcmp(pixelAddress(read, 0, y), pixelAddress(converted, 0, y), 4 * read->w), 0)
                << picture.path << " row " << y;
        }
        SDL_FreeSurface(converted);
        SDL_FreeSurface(library);
        SDL_FreeSurface(read);
    }
}

TEST(ImageFiles, ListsFillDistinctSlotsInsideTheBank) {
    std::set<int> used;
    const auto claim = [&used](const pictureList &list, int copies) {
        for (const picturePlace &picture : list) {
            for (int level = 0; level < copies; level++) {
                const int slot = picture.slot + level;
                EXPECT_GT(slot, 0) << picture.path;
                EXPECT_LT(slot, imageSlotCount) << picture.path;
                EXPECT_TRUE(used.insert(slot).second) << picture.path << " reuses slot " << slot;
            }
        }
    };
    // Counts of the design: logo 35, copyrights, 42 glyphs in 5 styles; the dashboard's 76;
    // 21 ground tiles, 108 car and ghost frames, 19 signs, 53 creatures and lights.
    EXPECT_EQ(logoAndFontPictures().size(), 246u);
    EXPECT_EQ(dashboardPictures().size(), 76u);
    EXPECT_EQ(groundPictures().size(), 21u);
    EXPECT_EQ(carPictures().size(), 108u);
    EXPECT_EQ(signPictures().size(), 19u);
    EXPECT_EQ(creatureAndLightPictures().size(), 53u);
    claim(logoAndFontPictures(), 1);
    claim(dashboardPictures(), 1);
    claim(groundPictures(), 25);
    claim({blankPicture()}, 25);
    claim(carPictures(), 25);
    claim(signPictures(), 25);
    claim(creatureAndLightPictures(), 25);
    // The plain pictures fill slots 1 ... 322 without a gap.
    for (int slot = 1; slot <= 322; slot++) {
        EXPECT_TRUE(used.count(slot)) << slot;
    }
}
