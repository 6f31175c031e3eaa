// The ground tiles. Every road edge lies exactly on a tile border or a tile diagonal,
// so straight pieces, the 45° corners of rings and gaps, and the two-to-one diagonal
// pieces of the winding roads meet corner to corner without a seam. All texture
// comes from noise that repeats every tile, so any two tiles join.
#include <cmath>
#include <functional>
#include <string>

#include "artNoise.h"
#include "artPictures.h"

namespace {

constexpr float tileSize = 64.0f;
constexpr float farAway = 1e9f;
constexpr float edgeLineWidth = 3.0f;       // painted edge line, texels inside the road
constexpr float centreLineHalfWidth = 2.2f; // half width of the centre line
const float root2 = std::sqrt(2.0f);
const float root5by4 = std::sqrt(1.25f);

// Distance in texels from the road edge, positive on the road.
using roadEdge = std::function<float(float, float)>;
// True where the centre line is painted.
using centreLine = std::function<bool(float, float)>;

struct tileShape {
    int code;
    std::string name;
    roadEdge edge;
    centreLine line;
};

bool noLine(float, float) {
    return false;
}
bool alongY(float x, float) {
    return std::abs(x - 32.0f) < centreLineHalfWidth;
}
bool alongX(float, float y) {
    return std::abs(y - 32.0f) < centreLineHalfWidth;
}

std::vector<tileShape> tileShapes() {
    auto full = [](float, float) { return farAway; };
    return {
        {0, "blankDirt", [](float, float) { return -farAway; }, noLine},
        {1, "blankRoad", full, noLine},
        {2, "capUp", [](float, float y) { return y; }, noLine},
        {3, "capDown", [](float, float y) { return tileSize - y; }, noLine},
        {4, "capRight", [](float x, float) { return tileSize - x; }, noLine},
        {5, "capLeft", [](float x, float) { return x; }, noLine},
        // The dash ends at the middle of the tile: 7 then 6 makes a dash, 6 then 7 a gap.
        {6, "lineCapUp", full, [](float x, float y) { return alongY(x, y) && y < 32.0f; }},
        {7, "lineCapDown", full, [](float x, float y) { return alongY(x, y) && y >= 32.0f; }},
        {8, "lineCapLeft", full, [](float x, float y) { return alongX(x, y) && x < 32.0f; }},
        {9, "lineCapRight", full, [](float x, float y) { return alongX(x, y) && x >= 32.0f; }},
        {10, "lineUpDown", full, alongY},
        {11, "lineLeftRight", full, alongX},
        // 45° pieces: which half is road follows from where the rings and gaps put them.
        {15, "4", [](float x, float y) { return (tileSize - x - y) / root2; }, noLine},
        {32, "21", [](float x, float y) { return (x + y - tileSize) / root2; }, noLine},
        {65, "54", [](float x, float y) { return (y - x) / root2; }, noLine},
        {72, "61", [](float x, float y) { return (x - y) / root2; }, noLine},
        // Two-to-one pieces: the road drops one tile every two columns, even columns
        // holding the lower half of the slope and odd columns the upper half.
        {34, "23", [](float x, float y) { return (y - tileSize + x * 0.5f) / root5by4; }, noLine},
        {55, "44", [](float x, float y) { return (y - 32.0f + x * 0.5f) / root5by4; }, noLine},
        {17, "6", [](float x, float y) { return (tileSize - x * 0.5f - y) / root5by4; }, noLine},
        {47, "36", [](float x, float y) { return (32.0f - x * 0.5f - y) / root5by4; }, noLine},
    };
}

// Asphalt: cool grey, bright enough to stay visible a few light levels out.
rgbColour asphalt(float x, float y) {
    const float grain = hash01(static_cast<int>(x * 2) & 127, static_cast<int>(y * 2) & 127, 11);
    const float patch = tiledFractal(x / 8.0f, y / 8.0f, 8, 12, 3);
    float v = 0.47f + (patch - 0.5f) * 0.10f + (grain - 0.5f) * 0.07f;
    if (grain > 0.94f) {
        v += 0.10f; // a pale stone in the tar
    }
    return {v * 0.97f, v, v * 1.07f};
}

// Dirt: warm brown earth with pebbles and darker clods.
rgbColour dirt(float x, float y) {
    const float clods = tiledFractal(x / 6.0f, y / 6.0f, 11, 21, 4);
    const float grain = hash01(static_cast<int>(x * 2) & 127, static_cast<int>(y * 2) & 127, 22);
    float v = 0.78f + (clods - 0.5f) * 0.45f + (grain - 0.5f) * 0.12f;
    rgbColour c = scaled(rgb(128, 98, 70), v);
    const float pebble = tiledNoise(x / 2.0f, y / 2.0f, 32, 23);
    if (pebble > 0.86f) {
        c = mixed(c, rgb(150, 140, 124), (pebble - 0.86f) * 6.0f);
    }
    return c;
}

// Paint: worn in places so the lines read as old road paint.
rgbColour paint(float x, float y, rgbColour fresh) {
    const float wear = tiledFractal(x / 3.0f, y / 3.0f, 21, 31, 3);
    return mixed(fresh, rgb(140, 140, 140), smooth01(0.55f, 0.85f, wear) * 0.6f);
}

rgbColour sand(float x, float y) {
    const float warp = tiledFractal(x / 16.0f, y / 16.0f, 4, 41, 3);
    const float ripple = std::sin((3.0f * x + 1.0f * y) / tileSize * 6.2831853f + warp * 6.0f);
    const float grain = hash01(static_cast<int>(x * 2) & 127, static_cast<int>(y * 2) & 127, 42);
    const float v = 0.86f + ripple * 0.07f + (grain - 0.5f) * 0.08f;
    return scaled(rgb(196, 176, 132), v);
}

rgbColour groundSample(const tileShape &tile, float x, float y) {
    const float d = tile.edge(x, y);
    if (d < 0.0f) {
        return dirt(x, y);
    }
    if (d < edgeLineWidth && d < farAway) {
        return paint(x, y, rgb(222, 222, 214));
    }
    if (tile.line(x, y)) {
        return paint(x, y, rgb(226, 208, 150));
    }
    return asphalt(x, y);
}

// Four by four samples per texel smooth the diagonal edges and line ends.
floatCanvas paintTile(const std::function<rgbColour(float, float)> &sample) {
    floatCanvas canvas(64, 64);
    for (int ty = 0; ty < 64; ty++) {
        for (int tx = 0; tx < 64; tx++) {
            rgbColour sum;
            for (int s = 0; s < 16; s++) {
                sum = added(sum, sample(tx + (s % 4 + 0.5f) / 4.0f, ty + (s / 4 + 0.5f) / 4.0f));
            }
            // No texel may be pure black: the floor caster skips those.
            const rgbColour c = scaled(sum, 1.0f / 16.0f);
            canvas.blend(tx, ty, {std::max(c.r, 0.03f), std::max(c.g, 0.03f), std::max(c.b, 0.03f)}, 1.0f);
        }
    }
    return canvas;
}

} // namespace

void paintGroundTiles(pictureSink &sink) {
    for (const tileShape &tile : tileShapes()) {
        const floatCanvas canvas = paintTile([&tile](float x, float y) { return groundSample(tile, x, y); });
        sink.add("art/startRoad/" + tile.name + ".png", toRgb(canvas));
    }
    sink.add("art/startRoad/sand.png", toRgb(paintTile(sand)));
}
