// The opening logo (the word brought out of the dark by a passing light), the title
// picture it ends on, the dim line under the title menu, and the window icon.
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

// A night road under a pale moon, on a dark rounded tile.
floatCanvas icon() {
    floatCanvas c(32, 32);
    fillShape(
        c, {0, 0, 32, 32}, [](float x, float y) { return sdBox(x, y, 16, 16, 15.5f, 15.5f, 5); },
        rgb(10, 12, 26));
    addGlow(c, 22, 9, 10, rgb(180, 200, 255), 0.35f);
    fillCircle(c, 22, 9, 4.5f, rgb(236, 232, 214));
    fillCircle(c, 20.3f, 7.8f, 3.6f, rgb(10, 12, 26)); // a crescent
    fillPolygon(c, {{14.5f, 16}, {17.5f, 16}, {27, 31}, {5, 31}}, rgb(70, 72, 84));
    drawLine(c, 16, 19, 16, 22, 1.0f, rgb(240, 220, 150));
    drawLine(c, 16, 25, 16, 29.5f, 1.4f, rgb(240, 220, 150));
    return c;
}

} // namespace

void paintLogo(pictureSink &sink) {
    const logoLayers layers = paintLogoLayers();
    for (int f = 0; f <= 34; f++) {
        sink.add("art/introLogo/" + std::to_string(f) + ".png", toRgb(logoFrame(layers, f)));
    }
    sink.add("art/copyrights.png", toRgba(copyrightLine()));
    sink.add("art/icon.png", toRgba(icon()));
}
