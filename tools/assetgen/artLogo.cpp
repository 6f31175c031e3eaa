// The opening logo (the word brought out of the dark by a passing light), the title
// picture it ends on, the dim line under the title menu, the window icon and the desktop's
// large icon.
#include <cmath>
#include <string>

#include "artPictures.h"
#include "artStrokeFont.h"

namespace {

constexpr int screenWidth = 640, screenHeight = 480;
constexpr float wordScale = 4.6f;
constexpr float baselineY = 232;
constexpr rgbColour moonInk = rgb(236, 230, 212);
constexpr rgbColour glowInk = rgb(255, 196, 130);

struct logoLayers {
    floatCanvas word;     // crisp letters, alpha only matters
    floatCanvas nearGlow; // the word blurred a little
    floatCanvas farGlow;  // and a lot
    floatCanvas scene;    // the night road under it
};

floatCanvas wordMask() {
    floatCanvas mask(screenWidth, screenHeight);
    const float width = textWidth("velmora", wordScale);
    strokeText(mask, "velmora", 320 - width / 2, baselineY - 15 * wordScale, wordScale, 2.1f,
               rgb(255, 255, 255));
    return mask;
}

// A road running away to the horizon, kept clear of the corner where "press enter" goes.
floatCanvas nightScene() {
    floatCanvas c(screenWidth, screenHeight);
    for (int y = 0; y < screenHeight; y++) {
        const float t = y / static_cast<float>(screenHeight);
        const float fog = std::exp(-std::pow((y - 300.0f) / 40.0f, 2.0f)) * 0.5f;
        const rgbColour sky = added(mixed(rgb(3, 4, 10), rgb(9, 10, 20), t), scaled(rgb(30, 34, 52), fog));
        for (int x = 0; x < screenWidth; x++) {
            c.blend(x, y, sky, 1.0f);
        }
    }
    const point vanish{320, 300};
    for (float bottomX : {206.0f, 434.0f}) {
        drawLine(c, vanish.x, vanish.y, bottomX, screenHeight, 1.6f, rgb(70, 70, 78));
    }
    for (int dash = 0; dash < 6; dash++) {
        const float t0 = std::pow((dash + 0.2f) / 6.0f, 1.6f), t1 = std::pow((dash + 0.6f) / 6.0f, 1.6f);
        drawLine(c, 320, vanish.y + t0 * 180, 320, vanish.y + t1 * 180, 1 + t1 * 3, rgb(90, 84, 60));
    }
    // The glow of our own headlights on the road.
    for (int y = 300; y < screenHeight; y++) {
        for (int x = 0; x < screenWidth; x++) {
            const float dx = (x - 320) / 130.0f, dy = (y - 470) / 120.0f;
            c.addLight(x, y, rgb(255, 220, 170), 0.10f * std::exp(-(dx * dx + dy * dy)));
        }
    }
    return c;
}

logoLayers paintLogoLayers() {
    logoLayers layers{wordMask(), {}, {}, nightScene()};
    layers.nearGlow = layers.word;
    blur(layers.nearGlow, 4);
    layers.farGlow = layers.word;
    blur(layers.farGlow, 18);
    return layers;
}

// Frame f of 35: a light sweeps across the word and leaves it lit; the glow swells,
// then settles; the road fades up last. Frame 34 is the title picture.
floatCanvas logoFrame(const logoLayers &layers, int f) {
    const float sweepX = -120.0f + f * 880.0f / 26.0f;
    const float wordLight = smooth01(2, 30, static_cast<float>(f));
    const float swell =
        smooth01(18, 28, static_cast<float>(f)) * (1.0f + 0.5f * smooth01(34, 28, static_cast<float>(f)));
    const float scene = smooth01(16, 34, static_cast<float>(f));
    floatCanvas c(screenWidth, screenHeight);
    for (int y = 0; y < screenHeight; y++) {
        for (int x = 0; x < screenWidth; x++) {
            const float *bg = layers.scene.at(x, y);
            rgbColour colour = scaled({bg[0], bg[1], bg[2]}, scene);
            const float reached = smooth01(-40, 60, sweepX - x);
            const float beam = std::exp(-std::pow((sweepX - x) / 70.0f, 2.0f)) * (f <= 26 ? 1.0f : 0.0f);
            const float lit = std::max(reached * (0.25f + 0.75f * wordLight), beam);
            colour = added(colour, scaled(glowInk, layers.farGlow.alpha(x, y) * 0.55f * swell));
            colour =
                added(colour, scaled(glowInk, layers.nearGlow.alpha(x, y) * (0.35f * swell + 0.6f * beam)));
            colour = mixed(colour, scaled(moonInk, 0.08f + 0.92f * lit), layers.word.alpha(x, y));
            c.blend(x, y, colour, 1.0f);
        }
    }
    return c;
}

floatCanvas copyrightLine() {
    const std::string text = "velmora - a night drive";
    const float scale = 0.62f;
    floatCanvas c(static_cast<int>(textWidth(text, scale)) + 4, 14);
    strokeText(c, text, 1, 0, scale, 2.0f, rgb(118, 112, 104));
    return c;
}

// The night sky over the large icon: small enough not to show at 32 pixels.
void iconStars(floatCanvas &c, const float unit) {
    const point stars[] = {{6, 6.5f}, {10.5f, 4},  {13, 9},      {4.5f, 11.5f},
                           {9, 13},   {27.5f, 15}, {15.5f, 3.5f}};
    for (const point &star : stars) {
        fillCircle(c, star.x * unit, star.y * unit, 0.22f * unit, rgb(200, 205, 230), 0.8f);
    }
}

// The large icon is seen on light docks as well: nothing of its glows may show past the tile.
void clipToTile(floatCanvas &c, const float unit) {
    for (int y = 0; y < c.height; y++) {
        for (int x = 0; x < c.width; x++) {
            const float cover = clamp01(
                0.5f - sdBox(x + 0.5f, y + 0.5f, 16 * unit, 16 * unit, 15.5f * unit, 15.5f * unit, 5 * unit));
            for (int channel = 0; channel < 4; channel++) {
                c.at(x, y)[channel] *= cover;
            }
        }
    }
}

// A night road under a pale moon, on a dark rounded tile, drawn on a 32-unit grid at `side`
// pixels: the window icon at 32; the desktop's large icon, drawn at its own size, also shows
// stars, the road's edges and the glow of our headlights on it.
floatCanvas icon(const int side) {
    const float unit = side / 32.0f;
    const bool large = side >= 128;
    const rgbColour night = rgb(10, 12, 26);
    floatCanvas c(side, side);
    fillShape(
        c, {0, 0, 32 * unit, 32 * unit},
        [unit](float x, float y) {
            return sdBox(x, y, 16 * unit, 16 * unit, 15.5f * unit, 15.5f * unit, 5 * unit);
        },
        night);
    if (large) {
        iconStars(c, unit);
    }
    addGlow(c, 22 * unit, 9 * unit, 10 * unit, rgb(180, 200, 255), 0.35f);
    fillCircle(c, 22 * unit, 9 * unit, 4.5f * unit, rgb(236, 232, 214));
    fillCircle(c, 20.3f * unit, 7.8f * unit, 3.6f * unit, night); // a crescent
    fillPolygon(
        c,
        {{14.5f * unit, 16 * unit}, {17.5f * unit, 16 * unit}, {27 * unit, 31 * unit}, {5 * unit, 31 * unit}},
        rgb(70, 72, 84));
    if (large) {
        for (const float edge : {-1.0f, 1.0f}) {
            drawLine(c, (16 + edge * 1.3f) * unit, 16.4f * unit, (16 + edge * 10) * unit, 30.6f * unit,
                     0.35f * unit, rgb(150, 150, 160));
        }
        addGlow(c, 16 * unit, 32 * unit, 13 * unit, rgb(255, 220, 170), 0.3f);
    }
    drawLine(c, 16 * unit, 19 * unit, 16 * unit, 22 * unit, 1.0f * unit, rgb(240, 220, 150));
    drawLine(c, 16 * unit, 25 * unit, 16 * unit, 29.5f * unit, 1.4f * unit, rgb(240, 220, 150));
    if (large) {
        clipToTile(c, unit);
    }
    return c;
}

} // namespace

void paintLogo(pictureSink &sink) {
    const logoLayers layers = paintLogoLayers();
    for (int f = 0; f <= 34; f++) {
        sink.add("art/introLogo/" + std::to_string(f) + ".png", toRgb(logoFrame(layers, f)));
    }
    sink.add("art/copyrights.png", toRgba(copyrightLine()));
    sink.add("art/icon.png", toRgba(icon(32)));
    sink.add("art/icon256.png", toRgba(icon(256)));
}
