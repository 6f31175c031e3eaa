// The generated pictures: every file the image bank and the font load is there with the size
// and format the game needs, sprites key their holes with magenta and nothing else, the cockpit
// frames the windscreen at every sway and bump, frame numbers mean what the tables that step
// through them expect, the ash pictures darken cleanly.
#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "media/glyphTable.h"
#include "media/imageBank.h"
#include "media/imageFiles.h"
#include "support/buildPaths.h"
#include "support/sdlTestEnvironment.h"

namespace {

namespace fs = std::filesystem;

struct texel {
    uint8_t r, g, b, a;
    bool isKey() const { return r == 255 && g == 0 && b == 255; }
    int brightness() const { return (r + g + b) / 3; }
};

struct picture {
    int width = 0, height = 0;
    std::vector<texel> texels;
    const texel &at(int x, int y) const { return texels[static_cast<size_t>(y) * width + x]; }
};

std::string assetPath(const std::string &relative) {
    return std::string(builtAssetsDir) + "/" + relative;
}

bool loadPicture(const std::string &path, picture &out) {
    SDL_Surface *surface = IMG_Load(path.c_str());
    if (surface == nullptr) {
        return false;
    }
    out.width = surface->w;
    out.height = surface->h;
    out.texels.clear();
    SDL_LockSurface(surface);
    const int bpp = surface->format->BytesPerPixel;
    for (int y = 0; y < surface->h; y++) {
        for (int x = 0; x < surface->w; x++) {
            const uint8_t *p = static_cast<const uint8_t *>(surface->pixels) + y * surface->pitch + x * bpp;
            uint32_t value = 0;
            for (int i = 0; i < bpp; i++) {
                value |= static_cast<uint32_t>(p[i]) << (8 * i);
            }
            texel t{};
            SDL_GetRGBA(value, surface->format, &t.r, &t.g, &t.b, &t.a);
            out.texels.push_back(t);
        }
    }
    SDL_UnlockSurface(surface);
    SDL_FreeSurface(surface);
    return true;
}

picture mustLoad(const std::string &relative) {
    picture p;
    EXPECT_TRUE(loadPicture(assetPath(relative), p)) << relative;
    return p;
}

std::string numbered(const std::string &folder, int n) {
    return folder + std::to_string(n) + ".png";
}

// The sprites and the ground tiles, from the image bank's own lists.
std::vector<std::string> pathsOf(const pictureList &list) {
    std::vector<std::string> paths;
    for (const picturePlace &place : list) {
        paths.push_back(place.path);
    }
    return paths;
}

std::vector<std::string> spritePaths() {
    std::vector<std::string> paths = {blankPicture().path};
    for (const pictureList &list : {carPictures(), signPictures(), creatureAndLightPictures()}) {
        const std::vector<std::string> more = pathsOf(list);
        paths.insert(paths.end(), more.begin(), more.end());
    }
    return paths;
}

std::vector<std::string> groundPaths() {
    return pathsOf(groundPictures());
}

struct sizedPicture {
    std::string path;
    int width, height; // 0: any size
};

std::vector<sizedPicture> fixedSizePictures() {
    std::vector<sizedPicture> list;
    for (int n = 0; n <= 34; n++) {
        list.push_back({numbered("art/introLogo/", n), 640, 480});
    }
    list.push_back({"art/copyrights.png", 0, 0});
    list.push_back({"art/icon.png", 32, 32});
    list.push_back({"art/icon256.png", 256, 256});
    // The overlays cover the screen, but for their clear frames (the last flash frame and
    // the last black one), which hold a single transparent pixel.
    const std::pair<const char *, int> screens[] = {
        {"art/hud/flashLight/", 6}, {"art/hud/whiteFlash/", 4}, {"art/hud/blackFlash/", 5}};
    for (const auto &[folder, last] : screens) {
        const bool endsClear = std::string(folder) != "art/hud/whiteFlash/";
        for (int n = 0; n <= last; n++) {
            const bool clear = endsClear && n == last;
            list.push_back({numbered(folder, n), clear ? 1 : 640, clear ? 1 : 480});
        }
    }
    for (int n = 0; n <= 11; n++) {
        list.push_back({numbered("art/hud/wheel/", n), 0, 0});
    }
    list.push_back({"art/hud/wheel/wheelGlow.png", 0, 0});
    for (int n = 0; n <= 13; n++) {
        list.push_back({numbered("art/hud/battery/", n), 0, 0});
    }
    for (const char *lamp : {"beams", "energy", "smile", "frown"}) {
        for (int n = 0; n <= 1; n++) {
            list.push_back({numbered(std::string("art/hud/mph/") + lamp + "/", n), 0, 0});
        }
    }
    list.push_back({"art/hud/headlights.png", 0, 0});
    return list;
}

// Bonnet and dashboard are drawn at (sway − 10, bump − 10), sway −5 … 5, bump −12 … 12.
const int sways[] = {-5, 5};
const int bumps[] = {-12, 12};

bool opaqueAt(const picture &layer, int sway, int bump, int screenX, int screenY) {
    const int x = screenX - (sway - 10), y = screenY - (bump - 10);
    return x >= 0 && y >= 0 && x < layer.width && y < layer.height && layer.at(x, y).a == 255;
}

double meanAlpha(const picture &p) {
    double sum = 0;
    for (const texel &t : p.texels) {
        sum += t.a;
    }
    return sum / static_cast<double>(p.texels.size());
}

int countWhere(const picture &p, bool (*test)(const texel &)) {
    int n = 0;
    for (const texel &t : p.texels) {
        n += test(t) && !t.isKey() ? 1 : 0;
    }
    return n;
}

bool isSignRed(const texel &t) {
    return t.r > 120 && t.g < 70 && t.b < 70;
}
bool isGhostLamp(const texel &t) {
    return t.r > 220 && t.g > 200 && t.b > 160;
}
bool isTailRed(const texel &t) {
    return t.r > 170 && t.g < 60;
}
bool isLit(const texel &t) {
    return t.a > 128 && t.brightness() > 60;
}

} // namespace

TEST(ArtAssets, EveryShadedPictureIsThereAt64By64) {
    std::vector<std::string> paths = spritePaths();
    const std::vector<std::string> ground = groundPaths();
    paths.insert(paths.end(), ground.begin(), ground.end());
    for (const std::string &path : paths) {
        const picture p = mustLoad(path);
        EXPECT_EQ(p.width, 64) << path;
        EXPECT_EQ(p.height, 64) << path;
    }
}

TEST(ArtAssets, EveryOtherPictureIsThereAtItsSize) {
    for (const sizedPicture &s : fixedSizePictures()) {
        const picture p = mustLoad(s.path);
        if (s.width > 0) {
            EXPECT_EQ(p.width, s.width) << s.path;
            EXPECT_EQ(p.height, s.height) << s.path;
        }
        EXPECT_GT(p.width * p.height, 0) << s.path;
    }
    for (int n = 0; n <= 10; n++) {
        for (const char *layer : {"art/hud/dashboard/", "art/hud/hood/"}) {
            const picture p = mustLoad(numbered(layer, n));
            EXPECT_GE(p.width, 640 + 15) << layer << n;
            EXPECT_GE(p.height, 480 + 22) << layer << n;
        }
    }
}

TEST(ArtAssets, SpritesAreOpaqueApartFromTheirMagentaKey) {
    for (const std::string &path : spritePaths()) {
        const picture p = mustLoad(path);
        int keyed = 0;
        for (const texel &t : p.texels) {
            EXPECT_EQ(t.a, 255) << path;
            keyed += t.isKey() ? 1 : 0;
            if (t.a != 255) {
                break;
            }
        }
        EXPECT_GT(keyed, 0) << path << " has no transparent texel";
        if (path != "art/blank.png") {
            EXPECT_LT(keyed, 64 * 64) << path << " is empty";
        }
    }
}

TEST(ArtAssets, BlankSpriteIsAllKey) {
    const picture p = mustLoad("art/blank.png");
    for (const texel &t : p.texels) {
        ASSERT_TRUE(t.isKey());
    }
}

TEST(ArtAssets, GroundTilesHaveNoHolesAndNoKey) {
    for (const std::string &path : groundPaths()) {
        const picture p = mustLoad(path);
        for (const texel &t : p.texels) {
            ASSERT_EQ(t.a, 255) << path;
            ASSERT_FALSE(t.isKey()) << path;
            // A black texel would never be drawn; a dark one would vanish at the first light level.
            ASSERT_GT(t.r + t.g + t.b, 3 * 40) << path;
        }
    }
}

// Each glyph is there, no wider than the pen moves after it (at the end of a text, its
// widest) and no taller than a line.
TEST(ArtAssets, GlyphsFitTheAdvanceTableAndTheLineSpacing) {
    for (const char c : fontCharacters) {
        for (int style = 0; style < glyphStyles; style++) {
            const std::string path = glyphPath(c, style);
            const picture p = mustLoad(path);
            EXPECT_LE(p.width, letterAdvance(c, '\0')) << path;
            EXPECT_LE(p.height, 21) << path;
            EXPECT_GT(p.height, 0) << path;
        }
    }
}

// Every letter and digit fills its advance alike, a little more room on its right than on
// its left, so the gaps between the letters of a word look even ("fl ash" had a narrow l).
TEST(ArtAssets, LettersAndDigitsSitEvenlyInTheirAdvances) {
    for (const char c : fontCharacters) {
        if (!std::isalnum(static_cast<unsigned char>(c))) {
            continue;
        }
        const picture p = mustLoad(glyphPath(c, glyphStyles - 1));
        int first = p.width, last = -1; // the columns the pale ink reaches, not its shadow
        for (int y = 0; y < p.height; y++) {
            for (int x = 0; x < p.width; x++) {
                if (p.at(x, y).a > 128 && p.at(x, y).brightness() > 110) {
                    first = std::min(first, x);
                    last = std::max(last, x);
                }
            }
        }
        const int left = first, right = letterAdvance(c, '\0') - 1 - last;
        EXPECT_TRUE(left >= 1 && left <= 3) << c << " starts at " << left;
        EXPECT_TRUE(right >= 2 && right <= 5) << c << " leaves " << right << " on its right";
    }
}

TEST(ArtAssets, GlyphStylesBrightenFromZeroToFour) {
    for (const char c : {'a', 'm', '7', '_'}) {
        int lastBrightest = -1;
        for (int style = 0; style < glyphStyles; style++) {
            const picture p = mustLoad(glyphPath(c, style));
            int brightest = 0;
            for (const texel &t : p.texels) {
                brightest = std::max(brightest, t.a > 200 ? t.brightness() : 0);
            }
            EXPECT_GT(brightest, lastBrightest) << c << " style " << style;
            lastBrightest = brightest;
        }
    }
}

TEST(ArtAssets, BonnetAndDashboardFrameTheWindscreenAtEveryOffset) {
    const picture hood = mustLoad("art/hud/hood/0.png");
    const picture dash = mustLoad("art/hud/dashboard/0.png");
    for (int hoodSway : sways) {
        for (int hoodBump : bumps) {
            for (int dashSway : sways) {
                for (int dashBump : bumps) {
                    // At the deepest bump the pictures start two rows down; only the sky is there.
                    for (int y = 2; y < 480; y += 3) {
                        for (int x = 0; x < 640; x += 3) {
                            const bool outsideWindscreen = x < 31 || x > 609 || y >= 322;
                            if (outsideWindscreen) {
                                ASSERT_TRUE(opaqueAt(hood, hoodSway, hoodBump, x, y) ||
                                            opaqueAt(dash, dashSway, dashBump, x, y))
                                    << "gap at " << x << "," << y;
                            }
                        }
                    }
                }
            }
        }
    }
    // The view of the road stays open above the bonnet at rest.
    EXPECT_FALSE(opaqueAt(hood, 0, 0, 320, 290));
    EXPECT_FALSE(opaqueAt(dash, 0, 0, 320, 290));
}

TEST(ArtAssets, OverlayFramesRunAsTheirTablesExpect) {
    const picture black0 = mustLoad("art/hud/blackFlash/0.png");
    const picture black5 = mustLoad("art/hud/blackFlash/5.png");
    EXPECT_EQ(meanAlpha(black0), 255.0);
    EXPECT_EQ(meanAlpha(black5), 0.0);
    double last = 256;
    for (int n = 0; n <= 5; n++) {
        const double a = meanAlpha(mustLoad(numbered("art/hud/blackFlash/", n)));
        EXPECT_LT(a, last) << "black overlay " << n;
        last = a;
    }
    last = 256;
    for (int n = 0; n <= 4; n++) {
        const double a = meanAlpha(mustLoad(numbered("art/hud/whiteFlash/", n)));
        EXPECT_LT(a, last) << "white overlay " << n;
        EXPECT_GT(a, 0.0) << "white overlay " << n;
        last = a;
    }
    EXPECT_EQ(meanAlpha(mustLoad("art/hud/flashLight/6.png")), 0.0);
    EXPECT_GT(meanAlpha(mustLoad("art/hud/flashLight/0.png")),
              meanAlpha(mustLoad("art/hud/flashLight/4.png")));
}

TEST(ArtAssets, GaugeFramesShowTheirValues) {
    int lastLit = -1;
    for (int level = 0; level <= 13; level++) {
        const int lit = countWhere(mustLoad(numbered("art/hud/battery/", level)), isLit);
        EXPECT_GT(lit, lastLit) << "battery " << level;
        lastLit = lit;
    }
    const picture first = mustLoad("art/hud/wheel/0.png");
    for (int n = 1; n <= 11; n++) {
        const picture p = mustLoad(numbered("art/hud/wheel/", n));
        EXPECT_NE(p.texels.size() == first.texels.size() &&
                      std::equal(p.texels.begin(), p.texels.end(), first.texels.begin(),
                                 [](const texel &a, const texel &b) { return a.a == b.a; }),
                  true)
            << "needle " << n << " sits where needle 0 does";
    }
}

TEST(ArtAssets, SignsAndCarsTurnTheRightFaceToTheViewer) {
    // Stop sign: 1 is head-on (the red face), 5 from behind.
    EXPECT_GT(countWhere(mustLoad("art/stopSign/1.png"), isSignRed), 100);
    EXPECT_EQ(countWhere(mustLoad("art/stopSign/5.png"), isSignRed), 0);
    // Standing car: 10 shows its tail lights (relative angle just above 0), 2 its front.
    auto both = [](int n, bool (*test)(const texel &)) {
        return countWhere(mustLoad(numbered("art/car/left/", n)), test) +
               countWhere(mustLoad(numbered("art/car/right/", n)), test);
    };
    EXPECT_GT(both(10, isTailRed), 8);
    EXPECT_LE(both(2, isTailRed), 2);
    // Ghost car: 9 drives straight at the viewer, so both its headlamps show, one per half.
    EXPECT_GT(countWhere(mustLoad("art/ghostCar/leftAll/9.png"), isGhostLamp), 3);
    EXPECT_GT(countWhere(mustLoad("art/ghostCar/rightAll/9.png"), isGhostLamp), 3);
    EXPECT_EQ(countWhere(mustLoad("art/ghostCar/leftAll/1.png"), isGhostLamp), 0);
}

TEST(ArtAssets, LogoComesOutOfTheDarkAndLeavesRoomForPressEnter) {
    auto meanBrightness = [](const picture &p, int x0, int y0, int x1, int y1) {
        double sum = 0;
        for (int y = y0; y < y1; y++) {
            for (int x = x0; x < x1; x++) {
                sum += p.at(x, y).brightness();
            }
        }
        return sum / ((x1 - x0) * (y1 - y0));
    };
    const picture first = mustLoad("art/introLogo/0.png");
    const picture last = mustLoad("art/introLogo/34.png");
    EXPECT_LT(meanBrightness(first, 0, 0, 640, 480), 8.0);
    EXPECT_GT(meanBrightness(last, 100, 150, 540, 250), 3 * meanBrightness(first, 100, 150, 540, 250));
    EXPECT_LT(meanBrightness(last, 446, 439, 620, 460), 25.0); // "press enter" is written here
}

// The desktop's large icon is the window icon's picture drawn at eight times the size: seen
// at 32 pixels the two agree, and its rounded corners are clear on any dock.
TEST(ArtAssets, LargeIconShowsTheWindowIconsPicture) {
    const picture small = mustLoad("art/icon.png");
    const picture large = mustLoad("art/icon256.png");
    double difference = 0;
    for (int y = 0; y < 32; y++) {
        for (int x = 0; x < 32; x++) {
            int alpha = 0, lightness = 0;
            for (int sy = 0; sy < 8; sy++) {
                for (int sx = 0; sx < 8; sx++) {
                    const texel &t = large.at(x * 8 + sx, y * 8 + sy);
                    alpha += t.a;
                    lightness += t.brightness() * t.a / 255;
                }
            }
            const texel &t = small.at(x, y);
            difference += std::abs(alpha / 64 - t.a) + std::abs(lightness / 64 - t.brightness() * t.a / 255);
        }
    }
    EXPECT_LT(difference / (32 * 32), 12.0);
    const std::pair<int, int> corners[] = {{0, 0}, {255, 0}, {0, 255}, {255, 255}};
    for (const auto &[x, y] : corners) {
        EXPECT_EQ(large.at(x, y).a, 0) << x << "," << y;
    }
}

namespace {

// A sprite as the image bank holds it: its colours darkened for every light level.
shadedPicture shadedFromFile(const std::string &relative) {
    shadedPicture shaded;
    SDL_Surface *loaded = IMG_Load(assetPath(relative).c_str());
    SDL_Surface *sample = SDL_CreateRGBSurface(SDL_SWSURFACE, 1, 1, 32, 0xFF0000, 0xFF00, 0xFF, 0);
    if (loaded != nullptr && sample != nullptr) {
        SDL_Surface *xrgb = SDL_ConvertSurface(loaded, sample->format, SDL_SWSURFACE);
        shaded.index(xrgb);
        shaded.darken(imageBank().darkenStep);
        SDL_FreeSurface(xrgb);
    }
    SDL_FreeSurface(sample);
    SDL_FreeSurface(loaded);
    return shaded;
}

// The texels still showing at a light level (neither the magenta key nor darkened to black)
// that no chain of showing neighbours links to the picture's bottom row, where it stands.
int floatingTexels(const shadedTexels &texels) {
    bool shown[64][64] = {}, reached[64][64] = {};
    std::vector<std::pair<int, int>> open;
    for (int y = 0; y < 64; y++) {
        for (int x = 0; x < 64; x++) {
            const Uint32 colour = texels.at(x, y) & 0xFFFFFF;
            shown[y][x] = colour != 0xFF00FF && colour != 0;
        }
    }
    for (int x = 0; x < 64; x++) {
        if (shown[63][x]) {
            reached[63][x] = true;
            open.push_back({x, 63});
        }
    }
    while (!open.empty()) {
        const auto [x, y] = open.back();
        open.pop_back();
        for (int ny = std::max(y - 1, 0); ny <= std::min(y + 1, 63); ny++) {
            for (int nx = std::max(x - 1, 0); nx <= std::min(x + 1, 63); nx++) {
                if (shown[ny][nx] && !reached[ny][nx]) {
                    reached[ny][nx] = true;
                    open.push_back({nx, ny});
                }
            }
        }
    }
    int floating = 0;
    for (int y = 0; y < 64; y++) {
        for (int x = 0; x < 64; x++) {
            floating += shown[y][x] && !reached[y][x];
        }
    }
    return floating;
}

} // namespace

// The night takes the same amount off every channel, so a picture whose texels vary a lot
// from one to the next breaks up into loose dots at the middle levels: what shows of an
// ash tree or bush must stay one shape standing on the ground, at every level.
TEST(ArtAssets, AshPicturesFadeAsOneShapeStandingOnTheGround) {
    for (const char *path : {"art/tree/ashTree.png", "art/tree/ashBush.png"}) {
        const shadedPicture shaded = shadedFromFile(path);
        ASSERT_FALSE(shaded.empty()) << path;
        for (int level = 0; level < lightLevels; level++) {
            EXPECT_EQ(floatingTexels(shaded.atLevel(level)), 0) << path << " at light level " << level;
        }
    }
}

namespace {

bool isDirt(const texel &t) {
    return t.r > t.b + 25;
}

// Fraction of the shared edge where one tile shows dirt and the other road.
double seamMismatch(const std::string &first, const std::string &second, bool sideBySide) {
    const picture a = mustLoad("art/startRoad/" + first + ".png");
    const picture b = mustLoad("art/startRoad/" + second + ".png");
    int mismatched = 0;
    for (int i = 0; i < 64; i++) {
        const texel &ta = sideBySide ? a.at(63, i) : a.at(i, 63);
        const texel &tb = sideBySide ? b.at(0, i) : b.at(i, 0);
        mismatched += isDirt(ta) != isDirt(tb) ? 1 : 0;
    }
    return mismatched / 64.0;
}

int solidTexels(const picture &p) {
    int n = 0;
    for (const texel &t : p.texels) {
        n += t.isKey() ? 0 : 1;
    }
    return n;
}

double meanBrightnessOfSolid(const picture &p) {
    double sum = 0;
    int n = 0;
    for (const texel &t : p.texels) {
        if (!t.isKey() && t.a > 0) {
            sum += t.brightness();
            n++;
        }
    }
    return n > 0 ? sum / n : 0;
}

} // namespace

TEST(ArtAssets, GroundTilesJoinWhereTheLevelsPutThemSideBySide) {
    // x then x + 1 on one row, from the ring, the gaps and the winding roads.
    const std::pair<const char *, const char *> acrossX[] = {
        {"21", "capLeft"},   {"capRight", "54"},     {"23", "44"},        {"6", "36"},
        {"44", "capUp"},     {"36", "blankDirt"},    {"44", "blankRoad"}, {"capDown", "6"},
        {"blankDirt", "21"}, {"61", "blankRoad"},    {"blankRoad", "4"},  {"4", "blankDirt"},
        {"blankDirt", "23"}, {"capUp", "blankRoad"},
    };
    for (const auto &[left, right] : acrossX) {
        EXPECT_LT(seamMismatch(left, right, true), 0.05) << left << " | " << right;
    }
    // y then y + 1 in one column.
    const std::pair<const char *, const char *> acrossY[] = {
        {"capLeft", "61"},      {"21", "capLeft"},        {"capRight", "4"},   {"54", "capRight"},
        {"blankDirt", "21"},    {"61", "blankDirt"},      {"23", "blankRoad"}, {"blankRoad", "6"},
        {"capUp", "blankRoad"}, {"blankRoad", "capDown"},
    };
    for (const auto &[top, bottom] : acrossY) {
        EXPECT_LT(seamMismatch(top, bottom, false), 0.05) << top << " over " << bottom;
    }
}

TEST(ArtAssets, AnimationFramesChangeTheWayTheirTablesExpect) {
    // The flame's last four pictures shrink as it lights or goes out.
    int last = solidTexels(mustLoad("art/flame/6.png")) + 1;
    for (int n = 7; n <= 10; n++) {
        const int solid = solidTexels(mustLoad(numbered("art/flame/", n)));
        EXPECT_LT(solid, last) << "flame " << n;
        last = solid;
    }
    // The tree grows from a sapling into the biggest and brightest picture.
    const picture sapling = mustLoad("art/tree/1.png");
    const picture grown = mustLoad("art/tree/8.png");
    EXPECT_GT(solidTexels(grown), 3 * solidTexels(sapling));
    EXPECT_GT(meanBrightnessOfSolid(grown), meanBrightnessOfSolid(sapling) + 40);
    // A burning lamp outshines a dark one; the one between lies between.
    const double dark = meanBrightnessOfSolid(mustLoad("art/lampPost/1.png"));
    const double between = meanBrightnessOfSolid(mustLoad("art/lampPost/2.png"));
    const double burning = meanBrightnessOfSolid(mustLoad("art/lampPost/3.png"));
    EXPECT_LT(dark, between);
    EXPECT_LT(between, burning);
    // The flash lights the bonnet and dashboard ever more brightly from 1 to 5.
    for (const char *layer : {"art/hud/hood/", "art/hud/dashboard/"}) {
        double lastBrightness = meanBrightnessOfSolid(mustLoad(numbered(layer, 0)));
        for (int n = 1; n <= 5; n++) {
            const double b = meanBrightnessOfSolid(mustLoad(numbered(layer, n)));
            EXPECT_GT(b, lastBrightness) << layer << n;
            lastBrightness = b;
        }
    }
    // Every wing beat, strike and crumbling step is a picture of its own.
    for (const char *folder : {"art/butterfly/", "art/lightning/", "art/statues/ghostStatue/"}) {
        const int frames = std::string(folder) == "art/statues/ghostStatue/" ? 4 : 8;
        for (int n = 2; n <= frames; n++) {
            const picture a = mustLoad(numbered(folder, n - 1)), b = mustLoad(numbered(folder, n));
            EXPECT_FALSE(std::equal(a.texels.begin(), a.texels.end(), b.texels.begin(),
                                    [](const texel &x, const texel &y) { return x.r == y.r && x.g == y.g; }))
                << folder << n;
        }
    }
}
