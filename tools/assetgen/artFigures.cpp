// The statue in its forms (stone, ghost, fading ghost, ghost turned to crumbling
// stone), the moon whole and cracked, and the empty sprite.
#include <cmath>
#include <string>

#include "artNoise.h"
#include "artSpriteUtil.h"

namespace {

// A hooded, robed figure with its arms folded, standing on the ground. bob lifts it
// (the ghost floats) and sway moves the hem.
std::vector<point> robe(float bob, float sway) {
    return {{20 + sway, 62 - bob}, {24, 36 - bob}, {26, 24 - bob}, {38, 24 - bob}, {40, 36 - bob},
            {44 - sway, 62 - bob}, {38, 60 - bob}, {32, 62 - bob}, {26, 60 - bob}};
}

void paintFigure(floatCanvas &c, float bob, float sway, rgbColour body, rgbColour shadow, rgbColour light,
                 rgbColour face) {
    fillPolygon(c, robe(bob, sway), body);
    fillPolygon(c, {{33, 26 - bob}, {38, 24 - bob}, {40, 36 - bob}, {44 - sway, 62 - bob}, {34, 61 - bob}},
                shadow);                         // the side turned away from the headlights
    fillEllipse(c, 32, 18 - bob, 7.5f, 9, body); // hood
    fillEllipse(c, 34.5f, 19 - bob, 4.5f, 8, shadow);
    fillEllipse(c, 32, 20 - bob, 4, 5.5f, face); // the dark opening of the hood
    fillShape(
        c, {22, 34 - bob, 42, 42 - bob},
        [=](float x, float y) { return sdBox(x, y, 32, 38 - bob, 8.5f, 2.6f, 2.5f); }, light); // folded arms
    drawLine(c, 25, 40 - bob, 27, 58 - bob, 0.8f, light);
}

floatCanvas stoneFigure(int crumble) {
    floatCanvas c(64, 64);
    paintFigure(c, 0, 0, rgb(128, 126, 120), rgb(84, 84, 82), rgb(158, 156, 148), rgb(36, 36, 38));
    artRandom random(600 + crumble);
    // Cracks first, then pieces gone, then a heap of rubble.
    for (int i = 0; i < crumble * 3; i++) {
        float x = random.range(24, 40), y = random.range(14, 58);
        for (int s = 0; s < 4; s++) {
            const float nx = x + random.range(-4, 4), ny = y + random.range(1, 5);
            drawLine(c, x, y, nx, ny, 0.8f, rgb(30, 30, 32));
            x = nx, y = ny;
        }
    }
    if (crumble >= 2) {
        const float cut = crumble == 2 ? 14 : 38; // everything above this row has fallen
        for (int y = 0; y < static_cast<int>(cut); y++) {
            for (int x = 0; x < 64; x++) {
                const float edge = cut - 3 * std::sin(x * 0.9f) - 2;
                if (y < edge) {
                    c.at(x, y)[0] = c.at(x, y)[1] = c.at(x, y)[2] = c.at(x, y)[3] = 0;
                }
            }
        }
        for (int i = 0; i < 6 + crumble * 5; i++) { // fallen stones at its feet
            const float x = random.range(14, 50), r = random.range(1.5f, 3.5f);
            fillCircle(c, x, 63 - r * 0.8f, r, rgb(110, 108, 104));
            fillCircle(c, x - r * 0.3f, 63 - r * 1.1f, r * 0.4f, rgb(150, 148, 142));
        }
    }
    return c;
}

floatCanvas plinthStatue() {
    floatCanvas c(64, 64);
    floatCanvas figure = stoneFigure(0);
    paintOver(c, figure, 0, -5);
    fillShape(
        c, {16, 56, 48, 64}, [](float x, float y) { return sdBox(x, y, 32, 60, 14, 4, 1); }, rgb(96, 94, 90));
    drawLine(c, 18.5f, 56.5f, 45.5f, 56.5f, 1.0f, rgb(150, 148, 142));
    return c;
}

// The ghost sways over a 4-picture cycle (the statue's table plays 1 2 3 4 3 2).
floatCanvas ghostFigure(int frame, bool fading) {
    floatCanvas c(64, 64);
    const float bob = 1.0f + frame * 1.2f, sway = (frame - 2.5f) * 1.5f;
    addGlow(c, 32, 36 - bob, 24, rgb(150, 220, 255), 0.9f);
    paintFigure(c, bob, sway, rgb(170, 215, 240), rgb(110, 160, 200), rgb(220, 245, 255), rgb(10, 20, 40));
    fillCircle(c, 30, 20 - bob, 1.0f, rgb(230, 250, 255)); // eyes in the hood
    fillCircle(c, 34, 20 - bob, 1.0f, rgb(230, 250, 255));
    if (fading) {
        thinOut(c, 0.5f, 0.75f);
    }
    return c;
}

// The moon rests on the ground, a full tile high, in a halo as wide as the picture.
floatCanvas moon(bool cracked) {
    floatCanvas c(128, 64);
    addGlow(c, 64, 32, 64, rgb(200, 215, 255), 1.2f);
    const float cx = 64, cy = 32, r = 30;
    fillShape(
        c, {cx - r, cy - r, cx + r, cy + r}, [=](float x, float y) { return sdCircle(x, y, cx, cy, r); },
        [=](float x, float y) {
            // Lit from the viewer's upper left, with maria and craters from noise.
            const float nx = (x - cx) / r, ny = (y - cy) / r;
            const float nz = std::sqrt(std::max(0.0f, 1 - nx * nx - ny * ny));
            const float lightness = 0.55f + 0.45f * (nz * 0.8f - nx * 0.25f - ny * 0.25f);
            const float maria = tiledFractal(x / 9.0f, y / 9.0f, 32, 71, 3);
            const float crater = tiledNoise(x / 3.0f, y / 3.0f, 64, 72);
            float v = lightness * (maria > 0.55f ? 0.78f : 1.0f) * (crater > 0.8f ? 0.85f : 1.0f);
            return scaled(rgb(236, 236, 226), v);
        });
    if (cracked) {
        artRandom random(808);
        for (int crack = 0; crack < 5; crack++) {
            float x = cx + random.range(-6, 6), y = cy + random.range(-6, 6);
            const float heading = crack * 1.256f + random.range(-0.3f, 0.3f);
            for (int s = 0; s < 6; s++) {
                const float a = heading + random.range(-0.5f, 0.5f);
                const float nx = x + std::cos(a) * 5.5f, ny = y + std::sin(a) * 5.5f;
                if (std::hypot(nx - cx, ny - cy) > r) {
                    break;
                }
                drawLine(c, x, y, nx, ny, 2.2f, rgb(40, 30, 50));
                drawLine(c, x, y, nx, ny, 0.9f, rgb(255, 190, 120)); // fire inside the crack
                x = nx, y = ny;
            }
        }
    }
    return c;
}

} // namespace

void paintFigures(pictureSink &sink) {
    floatCanvas blank(64, 64);
    addSprite(sink, "art/blank.png", blank);
    addSprite(sink, "art/statues/1.png", plinthStatue());
    for (int n = 1; n <= 4; n++) {
        const std::string file = std::to_string(n) + ".png";
        addSprite(sink, "art/statues/ghost/" + file, ghostFigure(n, false), 0.3f);
        addSprite(sink, "art/statues/ghostFade/" + file, ghostFigure(n, true), 0.3f);
        addSprite(sink, "art/statues/ghostStatue/" + file, stoneFigure(n - 1));
    }
    const floatCanvas whole = moon(false), cracked = moon(true);
    addSprite(sink, "art/moon/moonLeft.png", leftHalf(whole), 0.3f);
    addSprite(sink, "art/moon/moonRight.png", rightHalf(whole), 0.3f);
    addSprite(sink, "art/moon/crackLeft.png", leftHalf(cracked), 0.3f);
    addSprite(sink, "art/moon/crackRight.png", rightHalf(cracked), 0.3f);
}
