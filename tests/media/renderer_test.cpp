#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstring>
#include <random>
#include <vector>

#include "levels/tileCodes.h"
#include "platform/video.h"
#include "rendererRig.h"

namespace {

// Colours that tell the light level a picture was drawn at.
Uint32 greenByLevel(int level) {
    return 0x00A000 | static_cast<Uint32>(level + 1);
}
Uint32 redByLevel(int level) {
    return 0xC00000 | static_cast<Uint32>(level + 1);
}
Uint32 blueByLevel(int level) {
    return 0x0000C0 | static_cast<Uint32>(level + 1) << 8;
}

// A ground picture whose texel (tx, ty) has red 4·tx and green 4·ty: it tells which texel
// a floor pixel sampled.
SDL_Surface *gradientTile() {
    SDL_Surface *picture = rendererRig::solidPicture(64, 64, 0);
    const surfaceLock lock(picture);
    for (int ty = 0; ty < 64; ty++) {
        for (int tx = 0; tx < 64; tx++) {
            putPixel(picture, tx, ty, mapColour(picture, 4 * tx, 4 * ty, 77));
        }
    }
    return picture;
}

void lightTile(rendererRig &rig, int index, double x, double y, int shape) {
    spriteRecord &record = rig.sprites.records[index];
    record.clear();
    record.emitsLight = true;
    record.lightShape = shape;
    record.x = x;
    record.y = y;
}

} // namespace

TEST(LightShapes, FollowTheirTables) {
    const lightShapes shapes;
    for (int d = -16; d <= 16; d++) {
        EXPECT_EQ(shapes.at(0, d, d), 24);
    }
    EXPECT_EQ(shapes.at(1, 0, 0), 6);
    EXPECT_EQ(shapes.at(1, 2, 1), 22);
    EXPECT_EQ(shapes.at(1, 3, 0), 24);
    EXPECT_EQ(shapes.at(2, 0, 0), 3);
    EXPECT_EQ(shapes.at(2, 4, 2), 22);
    EXPECT_EQ(shapes.at(2, -1, -4), 20); // d² = 17
    EXPECT_EQ(shapes.at(2, 1, -4), 24);  // the one odd cell
    EXPECT_EQ(shapes.at(3, 3, 0), 10);
    EXPECT_EQ(shapes.at(3, 16, 16), 24);
    EXPECT_EQ(shapes.at(4, 4, 0), 9); // ⌊4 · 2.499⌋
    EXPECT_EQ(shapes.at(5, 3, 4), 10);
    EXPECT_EQ(shapes.at(6, 0, 6), 10);
    EXPECT_EQ(shapes.at(7, 0, 0), 0);
    EXPECT_EQ(shapes.at(7, 1, 1), 2);    // d² = 2 reaches the first two thresholds
    EXPECT_EQ(shapes.at(7, 12, 12), 24); // d² = 288
    EXPECT_EQ(shapes.at(7, 11, 12), 23);
    EXPECT_EQ(shapes.at(7, 2, 16), 22);
    EXPECT_EQ(shapes.at(7, -3, 16), 22);
    EXPECT_EQ(shapes.at(7, 2, -16), 23); // only the far row has the odd cells
}

TEST(LightMap, OverlappingLightsTakeTheBrighterLevelAndWrapAtTheEdges) {
    const lightShapes shapes;
    lightMap map;
    map.clear();
    map.stamp(shapes, 5, 10, 10, 80);
    map.stamp(shapes, 3, 12, 10, 80);
    EXPECT_EQ(map.at(10, 10), 0);
    EXPECT_EQ(map.at(12, 10), 0);
    EXPECT_EQ(map.at(11, 10), 2); // shape 5 gives 2, shape 3 gives 3
    EXPECT_EQ(map.at(40, 40), 24);

    map.clear();
    map.stamp(shapes, 5, 1, 40, 80);
    EXPECT_EQ(map.at(79, 40), 4);     // two tiles away across the edge
    map.stamp(shapes, 5, -3, -1, 80); // a centre outside the square wraps onto it
    EXPECT_EQ(map.at(77, 79), 0);

    // A world smaller than a shape: the shape folds onto itself and keeps the brightest.
    map.clear();
    map.stamp(shapes, 3, 0, 0, 30);
    EXPECT_EQ(map.at(0, 0), 0);
    EXPECT_EQ(map.at(29, 0), 3);
}

// The camera at (40.5, 10.5) looks up the road of level 5. The centre column's ray runs
// straight along +y, so screen row 300 sees the floor 480 / (2·300 − 480) = 4 tiles
// ahead, at (40.5, 14.5); column 330 sees it 4 · 0.8 · (2·330/640 − 1) = 0.1 tiles to +x.
TEST(FloorCaster, SamplesTheTexelUnderEachPixel) {
    rendererRig rig(5);
    SDL_Surface *tile = gradientTile();
    rig.images.placeShaded(shadedSlot(groundBase, groundCode::lineUpDown, 0), tile);
    SDL_FreeSurface(tile);
    rig.lookUp(40.5, 10.5);
    lightTile(rig, 0, 40.5, 14.5, 5);
    rendererRig &frames = rig.prepare();
    frames.drawFrame();
    EXPECT_EQ(rig.rgbAt(320, 300), (32u * 4 << 16) | (32u * 4 << 8) | 77);
    EXPECT_EQ(rig.rgbAt(330, 300), (38u * 4 << 16) | (32u * 4 << 8) | 77);
    // Row 290 sees 4.8 tiles ahead: y = 15.3, texel row ⌊15.3 · 64⌋ mod 64 = 19.
    EXPECT_EQ(rig.rgbAt(320, 290), (32u * 4 << 16) | (19u * 4 << 8) | 77);
}

TEST(FloorCaster, DrawsEachTileAtItsLightLevelAndLeavesTheDarkBlack) {
    rendererRig rig(5);
    for (const int code : {groundCode::dirt, groundCode::road, groundCode::capLeft, groundCode::capRight,
                           groundCode::lineUpDown}) {
        SDL_Surface *picture = rendererRig::solidPicture(64, 64, 0xC8966E);
        rig.images.placeShaded(shadedSlot(groundBase, code, 0), picture);
        SDL_FreeSurface(picture);
        rig.images.shaded[shadedFrameOf(shadedSlot(groundBase, code, 0))].darken(rig.images.darkenStep);
    }
    rig.lookUp(40.5, 10.5);
    lightTile(rig, 0, 40.5, 14.5, 3);              // level 0 on (40, 14), 3 on (40, 15), 24 from (40, 22)
    rig.levels.levels[5]->groundGrid[40][17] = 12; // a code with no picture
    rendererRig &frames = rig.prepare();
    SDL_FillRect(rig.screen(), nullptr, 0xFFFFFF); // what an earlier pass left: the dark is drawn, not left
    frames.drawFrame();
    // Row y sees the floor 480 / (2y − 480) tiles ahead.
    EXPECT_EQ(rig.rgbAt(320, 300), 0xC8966Eu);                                                 // y = 14.5
    EXPECT_EQ(rig.rgbAt(320, 288), ((0xC8 - 33u) << 16) | ((0x96 - 33u) << 8) | (0x6E - 33u)); // 15.5
    EXPECT_EQ(rig.rgbAt(320, 274), 0u); // y = 17.56: no picture for code 12
    EXPECT_EQ(rig.rgbAt(320, 260), 0u); // y = 22.5, eight tiles from the light: level 24
    EXPECT_EQ(rig.rgbAt(30, 300), 0u);  // the band's own edge column is never drawn
    EXPECT_EQ(rig.rgbAt(320, 242), 0u); // beyond the end of every ray
}

TEST(FloorCaster, TheHeadlightSpotsLightTheirTiles) {
    rendererRig rig(5);
    rig.shadedFrame(groundBase, groundCode::lineUpDown, greenByLevel);
    rig.lookUp(40.5, 10.5);
    rig.world.view.light = 3;
    rig.world.view.lampTileX[0] = rig.world.view.lampTileX[1] = 40;
    rig.world.view.lampTileY[0] = rig.world.view.lampTileY[1] = 14;
    rig.sprites.clear();
    rig.prepare().drawFrame();
    EXPECT_EQ(rig.rgbAt(320, 300), greenByLevel(0));
    EXPECT_EQ(rig.rgbAt(320, 288), greenByLevel(3));
}

// Stepped rows must pick the very texels the interpolation picks, tile edges and wrapping
// included: poses on half tiles facing along an axis or a diagonal put texel edges right
// under pixels, the random ones anywhere.
TEST(FloorCaster, SteppedRowsDrawWhatInterpolationDraws) {
    rendererRig rig(5);
    SDL_Surface *tile = gradientTile();
    for (int code = 0; code < groundTileCodes; code++) {
        rig.images.placeShaded(shadedSlot(groundBase, code, 0), tile);
    }
    SDL_FreeSurface(tile);
    rig.sprites.clear();
    rig.context.state = gameState::introMenu; // the floor fills the tall menu view
    rendererRig &frames = rig.prepare();
    const double side = rig.levels.levels[5]->side;
    std::vector<std::array<double, 3>> poses = {{40.5, 10.5, 90},      {40.25, 12.75, 0}, {20.5, 20.5, 45},
                                                {33.0, 17.0, 180},     {12.5, 30.5, 270}, {0.5, 0.5, 225},
                                                {side - 0.5, 3.5, 315}};
    std::mt19937 random(7);
    std::uniform_real_distribution<double> anywhere(0.0, side), turn(0.0, 360.0);
    for (int i = 0; i < 40; i++) {
        poses.push_back({anywhere(random), anywhere(random), turn(random)});
    }
    const size_t bytes = static_cast<size_t>(rig.screen()->pitch) * rig.screen()->h;
    std::vector<Uint8> interpolated(bytes);
    for (const auto &[x, y, degrees] : poses) {
        rig.lookUp(x, y);
        camera &view = rig.world.view;
        const double heading = degrees * M_PI / 180;
        view.dirX = std::cos(heading);
        view.dirY = std::sin(heading);
        view.planeX = 0.8 * view.dirY;
        view.planeY = -0.8 * view.dirX;
        view.light = 0;
        view.lampTileX[0] = view.lampTileX[1] = static_cast<int>(x);
        view.lampTileY[0] = view.lampTileY[1] = static_cast<int>(y);
        frames.frames->steppedFloor = false;
        frames.drawFrame();
        std::memcpy(interpolated.data(), rig.screen()->pixels, bytes);
        frames.frames->steppedFloor = true;
        frames.drawFrame();
        ASSERT_EQ(std::memcmp(interpolated.data(), rig.screen()->pixels, bytes), 0)
            << x << ", " << y << ", " << degrees;
    }
}

TEST(Sprites, NearerSpritesCoverFartherOnesAndEqualDistancesKeepTheirOrder) {
    rendererRig rig(5);
    rig.shadedFrame(lampPostBase, 1, redByLevel);
    rig.shadedFrame(lampPostBase, 2, blueByLevel);
    rig.shadedFrame(lampPostBase, 3, greenByLevel);
    rig.lookUp(40.5, 10.5);
    rig.sprites.clear();
    // Listed nearest first: the drawer must still paint the far one first.
    rig.sprite(0, 40.5, 13.5, shadedSlot(lampPostBase, 1, 0));
    rig.sprite(1, 40.5, 20.5, shadedSlot(lampPostBase, 2, 0));
    rig.prepare().drawFrame();
    EXPECT_EQ(rig.rgbAt(320, 230), redByLevel(0));
    EXPECT_EQ(rig.rgbAt(320, 250), redByLevel(0));

    // Two sprites at one spot: the one later in the list is drawn last.
    rig.sprites.clear();
    rig.sprite(0, 40.5, 16.5, shadedSlot(lampPostBase, 2, 0));
    rig.sprite(1, 40.5, 16.5, shadedSlot(lampPostBase, 3, 0));
    rig.drawFrame();
    EXPECT_EQ(rig.rgbAt(320, 240), greenByLevel(0));
}

namespace {

// The comb sort as the renderer is meant to run it, written out here on its own: the list
// indices farthest first, swapping only when the later record is strictly farther.
std::vector<int> combSortFarthestFirst(const std::vector<double> &distances) {
    const int count = static_cast<int>(distances.size());
    std::vector<int> order(count);
    for (int i = 0; i < count; i++) {
        order[i] = i;
    }
    int gap = count;
    bool swapped = false;
    while (gap > 1 || swapped) {
        gap = gap * 10 / 13;
        gap = gap == 9 || gap == 10 ? 11 : std::max(gap, 1);
        swapped = false;
        for (int i = 0; i + gap < count; i++) {
            if (distances[order[i + gap]] > distances[order[i]]) {
                std::swap(order[i], order[i + gap]);
                swapped = true;
            }
        }
    }
    return order;
}

} // namespace

TEST(Sprites, EqualDistancesAmongOthersFollowTheCombSortNotTheListOrder) {
    rendererRig rig(5);
    rig.shadedFrame(lampPostBase, 1, redByLevel);
    rig.shadedFrame(lampPostBase, 2, blueByLevel);
    rig.shadedFrame(lampPostBase, 3, greenByLevel);
    rig.lookUp(40.5, 10.5);
    // Red and blue share a spot; a far green post behind them is listed last. The first
    // gap swaps red with green, which carries red past blue: red is drawn last, on top.
    rig.sprites.clear();
    rig.sprites.count = 3; // all three are drawn, so all three are sorted
    rig.sprite(0, 40.5, 16.5, shadedSlot(lampPostBase, 1, 0));
    rig.sprite(1, 40.5, 16.5, shadedSlot(lampPostBase, 2, 0));
    rig.sprite(2, 40.5, 30.5, shadedSlot(lampPostBase, 3, 0));
    rig.prepare().drawFrame();
    const std::vector<int> order = combSortFarthestFirst({36.0, 36.0, 400.0});
    EXPECT_EQ(order, (std::vector<int>{2, 1, 0}));
    EXPECT_EQ(rig.rgbAt(320, 240), redByLevel(0));

    // Five records, three of them at one spot: the one on top is the sort's last.
    rig.sprites.clear();
    rig.sprites.count = 5;
    const double ys[] = {16.5, 30.5, 16.5, 22.5, 16.5};
    const int frames[] = {1, 3, 2, 3, 3};
    std::vector<double> distances;
    for (int i = 0; i < 5; i++) {
        rig.sprite(i, 40.5, ys[i], shadedSlot(lampPostBase, frames[i], 0));
        distances.push_back((ys[i] - 10.5) * (ys[i] - 10.5));
    }
    rig.drawFrame();
    Uint32 (*const colourOf[])(int) = {nullptr, redByLevel, blueByLevel, greenByLevel};
    EXPECT_EQ(rig.rgbAt(320, 240), colourOf[frames[combSortFarthestFirst(distances).back()]](0));
}

TEST(Sprites, ShadeComesFromTheLightMapUnlessFixed) {
    rendererRig rig(5);
    rig.shadedFrame(lampPostBase, 1, redByLevel);
    rig.lookUp(40.5, 10.5);
    rig.sprites.clear();
    spriteRecord &lit = rig.sprite(0, 40.5, 16.5, shadedSlot(lampPostBase, 1, 0));
    lit.fixedShade = false;
    lightTile(rig, 1, 41.5, 17.5, 5); // the sprite reads the tile (⌈x⌉, ⌈y⌉) = (41, 17)
    rig.prepare().drawFrame();
    EXPECT_EQ(rig.rgbAt(320, 240), redByLevel(0));

    lit.fixedShade = true;
    lit.shade = 9;
    rig.drawFrame();
    EXPECT_EQ(rig.rgbAt(320, 240), redByLevel(9));
}

TEST(Sprites, BehindTheCameraNothingIsDrawnAndTheBandClipsTheBottom) {
    rendererRig rig(5);
    rig.shadedFrame(lampPostBase, 1, redByLevel);
    rig.lookUp(40.5, 10.5);
    rig.sprites.clear();
    rig.sprite(0, 40.5, 8.5, shadedSlot(lampPostBase, 1, 0)); // behind
    rig.prepare().drawFrame();
    for (int y = 0; y < 480; y += 4) {
        for (int x = 0; x < 640; x += 4) {
            ASSERT_NE(rig.rgbAt(x, y), redByLevel(0)) << x << "," << y;
        }
    }
    // Close ahead: tall enough to reach below the band, but cut at its bottom.
    rig.sprite(0, 40.5, 11.5, shadedSlot(lampPostBase, 1, 0));
    rig.context.state = gameState::introMenu; // no dashboard over the view, which ends at row 399
    rig.drawFrame();
    EXPECT_EQ(rig.rgbAt(320, 399), redByLevel(0));
    EXPECT_NE(rig.rgbAt(320, 400), redByLevel(0));
    EXPECT_NE(rig.rgbAt(320, 470), redByLevel(0));
    EXPECT_EQ(rig.rgbAt(0, 300), 0u); // column 0 is never drawn
}

TEST(Sprites, SplitSpritesDrawTwoHalvesSharingOneColumn) {
    rendererRig rig(5);
    rig.shadedFrame(carLeftBase, 1, redByLevel);
    rig.shadedFrame(carRightBase, 1, blueByLevel);
    rig.lookUp(40.5, 10.5);
    rig.sprites.clear();
    spriteRecord &car = rig.sprite(0, 40.5, 14.5, 0);
    car.split = true;
    car.leftImage = shadedSlot(carLeftBase, 1, 0);
    car.rightImage = shadedSlot(carRightBase, 1, 0);
    rig.prepare().drawFrame();
    // Four tiles ahead: 120 pixels high, each half 120 wide either side of column 320.
    EXPECT_EQ(rig.rgbAt(250, 260), redByLevel(0));
    EXPECT_EQ(rig.rgbAt(390, 260), blueByLevel(0));
}

namespace {

// A screen inside a larger block of memory, framed by a band of a colour the game never
// draws: a write that strays past any edge of the screen lands in the band.
class guardedScreen {
  public:
    static constexpr int band = 16;
    static constexpr int width = screenWidth + 2 * band;
    static constexpr int height = screenHeight + 2 * band;
    static constexpr Uint32 guard = 0x13579BDF;

    explicit guardedScreen(const SDL_PixelFormat &format) : memory(width * height, guard) {
        surface = SDL_CreateRGBSurfaceFrom(&memory[band * width + band], screenWidth, screenHeight, 32,
                                           width * 4, format.Rmask, format.Gmask, format.Bmask, format.Amask);
    }
    ~guardedScreen() { SDL_FreeSurface(surface); }
    guardedScreen(const guardedScreen &) = delete;
    guardedScreen &operator=(const guardedScreen &) = delete;

    SDL_Surface *surface = nullptr;

    // Pixels of the band that were written to.
    int strayWrites() const { return countInBand(true); }
    // Pixels of the screen itself still holding the band's colour.
    int screenPixelsUntouched() const { return countInBand(false); }

  private:
    std::vector<Uint32> memory;

    int countInBand(const bool inBand) const {
        int count = 0;
        for (int y = 0; y < height; y++) {
            for (int x = 0; x < width; x++) {
                const bool outside =
                    x < band || x >= band + screenWidth || y < band || y >= band + screenHeight;
                const bool changed = memory[y * width + x] != guard;
                count += inBand ? outside && changed : !outside && !changed;
            }
        }
        return count;
    }
};

} // namespace

// Whatever the positions, sprites (whole, split, lit or shaded, all but touching the camera
// or far beyond the world) are drawn inside the screen and nothing crashes.
TEST(Sprites, ExtremePositionsStayInsideTheScreen) {
    rendererRig rig(5);
    guardedScreen screen(*rig.screen()->format);
    SDL_Surface *const realScreen = rig.screen();
    rig.images.slots[screenSlot] = screen.surface;
    rig.shadedFrame(lampPostBase, 1, redByLevel);
    rig.lookUp(40.5, 10.5);
    rig.prepare();
    std::mt19937 random(7);
    std::uniform_real_distribution<double> tiny(-1e-7, 1e-7);
    std::uniform_real_distribution<double> huge(-1e12, 1e12);
    for (int round = 0; round < 20; round++) {
        rig.sprites.clear();
        for (int i = 0; i < drawListCapacity; i++) {
            const bool close = i % 2 == 0;
            spriteRecord &record = rig.sprite(i, close ? 40.5 + tiny(random) : huge(random),
                                              close ? 10.5 + std::abs(tiny(random)) : huge(random),
                                              shadedSlot(lampPostBase, 1, 0));
            record.split = i % 3 == 0;
            record.leftImage = record.rightImage = record.image;
            record.fixedShade = i % 5 != 0;
            record.emitsLight = i % 7 == 0;
            record.lightShape = i % 8;
        }
        rig.drawFrame();
        ASSERT_EQ(screen.strayWrites(), 0) << "round " << round;
    }
    EXPECT_EQ(screen.screenPixelsUntouched(), 0); // the frames went to this screen
    rig.images.slots[screenSlot] = realScreen;
}

TEST(Dashboard, LayersStackInOrderAndMoveWithTheCar) {
    rendererRig rig(5);
    rig.images.slots[headlightsSlot] = rendererRig::solidPicture(40, 40, 0xFFFF00);
    rig.images.slots[hoodBase] = rendererRig::solidPicture(40, 40, 0xFF0000);
    rig.images.slots[dashboardBase] = rendererRig::solidPicture(20, 20, 0x00FF00);
    rig.images.slots[wheelGlowSlot] = rendererRig::solidPicture(30, 30, 0x0000FF);
    rig.images.slots[wheelBase + 11] = rendererRig::solidPicture(10, 10, 0xFFFFFF);
    rig.images.slots[smileLampBase + 1] = rendererRig::solidPicture(4, 4, 0x00FFFF);
    rig.images.slots[frownLampBase + 1] = rendererRig::solidPicture(4, 4, 0xFF00FF);
    cockpitState &cockpit = rig.world.view.cockpit;
    cockpit.hoodSwayX = -5;
    cockpit.hoodBumpY = -12;
    cockpit.dashSwayX = 5;
    cockpit.dashBumpY = 3;
    cockpit.needle = 11;
    rig.prepare().drawFrame();
    // The bonnet at (−15, −22) covers the headlight glow under it.
    EXPECT_EQ(rig.rgbAt(20, 15), 0xFF0000u);
    EXPECT_EQ(rig.rgbAt(24, 17), 0xFF0000u);
    EXPECT_EQ(rig.rgbAt(25, 17), 0u);
    // The dashboard at (−5, −7) lies over the bonnet.
    EXPECT_EQ(rig.rgbAt(0, 0), 0x00FF00u);
    EXPECT_EQ(rig.rgbAt(14, 12), 0x00FF00u);
    EXPECT_EQ(rig.rgbAt(15, 13), 0xFF0000u);
    // Gauge back and needle at (47, 345), the needle on top.
    EXPECT_EQ(rig.rgbAt(47, 345), 0xFFFFFFu);
    EXPECT_EQ(rig.rgbAt(60, 360), 0x0000FFu);
    // No frown: the lit smile at (228, 358).
    EXPECT_EQ(rig.rgbAt(228, 358), 0x00FFFFu);
    cockpit.frown = true;
    rig.drawFrame();
    EXPECT_EQ(rig.rgbAt(239, 356), 0xFF00FFu);
    EXPECT_NE(rig.rgbAt(228, 358), 0x00FFFFu);
}

TEST(Dashboard, OverlaysPlayOnlyWhileTheirCountersRun) {
    rendererRig rig(5);
    for (int n = 0; n <= 4; n++) {
        rig.images.slots[whiteFlashBase + n] = rendererRig::solidPicture(8, 8, 0x101010 * (n + 1));
    }
    cockpitState &cockpit = rig.world.view.cockpit;
    rendererRig &frames = rig.prepare();
    frames.drawFrame();
    EXPECT_EQ(rig.rgbAt(2, 2), 0u); // −1: nothing
    cockpit.whiteFrame = 4;         // table 3 holds 1 at index 4
    frames.drawFrame();
    EXPECT_EQ(rig.rgbAt(2, 2), 0x202020u);
    cockpit.whiteFrame = rig.animations.tables[whiteFlashFrames].count; // finished
    frames.drawFrame();
    EXPECT_EQ(rig.rgbAt(2, 2), 0u);
}

TEST(Fade, DrawsTheBlackOverlayFrameOfItsLevel) {
    rendererRig rig(5);
    for (int n = 0; n <= 5; n++) {
        rig.images.slots[blackFlashBase + n] = rendererRig::solidPicture(8, 8, 0x010101 * (n + 1));
    }
    rendererRig &frames = rig.prepare();
    for (int level = 0; level <= 5; level++) {
        rig.world.fade.fadeLevel = level;
        frames.drawFrame();
        EXPECT_EQ(rig.rgbAt(3, 3), 0x010101u * (level + 1)) << level;
    }
    rig.context.state = gameState::paused; // the pause dims the game with frame 3 on top
    rig.world.fade.fadeLevel = 5;
    frames.drawFrame();
    EXPECT_EQ(rig.rgbAt(3, 3), 0x040404u);
}

TEST(Fade, StepsTowardsItsModesEnd) {
    fadeCounter fade;
    fade.fadeStep();
    EXPECT_EQ(fade.fadeLevel, 5);
    fade.fadeOut();
    for (int i = 0; i < 7; i++) {
        fade.fadeStep();
    }
    EXPECT_EQ(fade.fadeLevel, 0);
    fade.fadeIn();
    fade.fadeStep();
    EXPECT_EQ(fade.fadeLevel, 1);
}

TEST(Renderer, AnUnknownStateDrawsABlackFrame) {
    rendererRig rig(5);
    rig.images.slots[hoodBase] = rendererRig::solidPicture(640, 480, 0xFF0000);
    rig.context.state = static_cast<gameState>(99); // none of the five
    SDL_FillRect(rig.screen(), nullptr, 0xFFFFFF);
    rig.prepare().drawFrame();
    for (int y = 0; y < 480; y += 7) {
        for (int x = 0; x < 640; x += 7) {
            ASSERT_EQ(rig.rgbAt(x, y), 0u);
        }
    }
}
