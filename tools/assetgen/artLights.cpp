// Lamp posts, flames and lightning: the things that light the night.
#include <cmath>
#include <string>

#include "artNoise.h"
#include "artSpriteUtil.h"

namespace {

constexpr rgbColour iron = rgb(58, 62, 70);
constexpr rgbColour warmLight = rgb(255, 196, 110);

// Lamp frames: 1 dark, 2 catching (a dim flicker), 3 burning.
floatCanvas lampPost(int frame) {
    floatCanvas c(64, 64);
    const float glow[] = {0.0f, 0.0f, 0.35f, 1.0f};
    const float lit = glow[frame];
    if (lit > 0) {
        addGlow(c, 32, 8, 20, scaled(warmLight, 0.9f), 1.3f * lit);
    }
    // Post: a tapering iron column, lit from the viewer's left.
    fillPolygon(c, {{29.5f, 64}, {34.5f, 64}, {33.3f, 13}, {30.7f, 13}}, iron);
    drawLine(c, 30.6f, 63, 31.3f, 14, 0.9f, rgb(120, 126, 136));
    fillShape(
        c, {26, 57, 38, 64}, [](float x, float y) { return sdBox(x, y, 32, 61, 5, 3.5f, 1); }, iron);
    fillShape(
        c, {27, 11, 37, 15}, [](float x, float y) { return sdBox(x, y, 32, 13, 4.5f, 1.2f, 0.5f); },
        rgb(80, 84, 92));
    // Lantern: glass between a cap and a base.
    const rgbColour glass = mixed(rgb(40, 48, 60), rgb(255, 236, 190), lit);
    fillPolygon(c, {{27.5f, 11}, {36.5f, 11}, {37.5f, 4}, {26.5f, 4}}, glass);
    if (lit > 0) {
        fillEllipse(c, 32, 7.5f, 2.5f, 3, rgb(255, 250, 235), lit);
    } else {
        drawLine(c, 28.5f, 10, 29.5f, 5, 1.0f, rgb(90, 100, 116)); // a cold glint on the glass
    }
    fillPolygon(c, {{25, 4.5f}, {39, 4.5f}, {35, 1}, {29, 1}}, rgb(70, 74, 82));
    drawLine(c, 27.5f, 11, 27.5f, 4, 0.8f, iron);
    drawLine(c, 36.5f, 11, 36.5f, 4, 0.8f, iron);
    return c;
}

// A flame from a teardrop whose edge licks upwards; phase makes the loop flicker.
floatCanvas flame(float size, float phase) {
    floatCanvas c(64, 64);
    const float base = 62, height = 44 * size, halfWidth = 11 * size;
    addGlow(c, 32, base - height * 0.4f, 26 * size + 6, rgb(255, 140, 50), 0.8f + 0.3f * size);
    for (int layer = 0; layer < 3; layer++) {
        const float k = 1.0f - layer * 0.3f;
        const rgbColour colours[] = {rgb(210, 60, 20), rgb(255, 150, 40), rgb(255, 240, 190)};
        fillShape(
            c, {0, 0, 64, 64},
            [=](float x, float y) {
                const float t =
                    std::clamp((base - y) / (height * k), 0.0f, 1.2f); // 0 at the foot, 1 at the tip
                const float sway = std::sin(t * 5.0f + phase) * 2.5f * size * t;
                const float lick = (tiledNoise(x / 4.0f, (y + phase * 9.0f) / 4.0f, 16, 5) - 0.5f) * 5 * size;
                const float half =
                    halfWidth * k * std::sin(std::min(t, 1.0f) * 3.14159f) * (1.15f - t * 0.5f);
                const float inside = std::abs(x - 32 - sway) - half - lick * t;
                return t >= 1.0f ? std::max(inside, (t - 1.0f) * height) : inside;
            },
            colours[layer]);
    }
    return c;
}

struct lightningBolt {
    std::vector<point> trunk;
    std::vector<std::vector<point>> branches;
};

lightningBolt makeBolt() {
    artRandom random(4242);
    lightningBolt bolt;
    float x = 30;
    for (float y = 0; y <= 63; y += 4.5f) {
        bolt.trunk.push_back({x, y});
        x = std::clamp(x + random.range(-5, 5), 18.0f, 46.0f);
    }
    bolt.trunk.back().y = 63;
    for (int b = 0; b < 3; b++) {
        const point from = bolt.trunk[3 + b * 3];
        std::vector<point> branch{from};
        float bx = from.x, by = from.y;
        const float dir = b % 2 == 0 ? 1.0f : -1.0f;
        for (int i = 0; i < 4; i++) {
            bx += dir * random.range(2, 6);
            by += random.range(3, 6);
            branch.push_back({bx, by});
        }
        bolt.branches.push_back(branch);
    }
    return bolt;
}

void strokePath(floatCanvas &c, const std::vector<point> &path, float upTo, float width, rgbColour colour,
                float a) {
    for (size_t i = 1; i < path.size(); i++) {
        if (path[i - 1].y > upTo) {
            break;
        }
        point to = path[i];
        if (to.y > upTo) { // cut the last segment where the leader has got to
            const float t = (upTo - path[i - 1].y) / (to.y - path[i - 1].y);
            to = {path[i - 1].x + (to.x - path[i - 1].x) * t, upTo};
        }
        drawLine(c, path[i - 1].x, path[i - 1].y, to.x, to.y, width, colour, a);
    }
}

// Lightning frames: 1, 2 the leader feeling its way down, 3 the stroke, 4 the
// brightest flash with its branches, 5 … 8 the channel cooling away.
floatCanvas lightning(const lightningBolt &bolt, int frame) {
    floatCanvas c(64, 64);
    const float reach[] = {0, 24, 46, 64, 64, 64, 64, 64, 64};
    const float power[] = {0, 0.55f, 0.7f, 0.95f, 1.0f, 0.85f, 0.6f, 0.4f, 0.25f};
    const float p = power[frame];
    const rgbColour glow = rgb(150, 130, 255);
    floatCanvas halo(64, 64);
    strokePath(halo, bolt.trunk, reach[frame], 5.0f, glow, 1.0f);
    if (frame >= 4 && frame <= 6) {
        for (const auto &branch : bolt.branches) {
            strokePath(halo, branch, 64, 3.0f, glow, 1.0f);
        }
    }
    blur(halo, 2);
    for (int i = 0; i < 64 * 64; i++) {
        c.addLight(i % 64, i / 64, glow, halo.px[i * 4 + 3] * 1.4f * p);
    }
    const float core = frame == 4 ? 2.4f : (frame >= 7 ? 1.0f : 1.6f);
    strokePath(c, bolt.trunk, reach[frame], core, mixed(rgb(170, 160, 255), rgb(255, 255, 255), p), 1.0f);
    if (frame >= 4 && frame <= 6) {
        for (const auto &branch : bolt.branches) {
            strokePath(c, branch, 64, core * 0.6f, rgb(220, 215, 255), p);
        }
    }
    if (frame >= 3 && frame <= 5) {
        addGlow(c, bolt.trunk.back().x, 63, 14, rgb(200, 190, 255), 0.6f * p); // the strike point
    }
    return c;
}

} // namespace

void paintLights(pictureSink &sink) {
    for (int n = 1; n <= 3; n++) {
        addSprite(sink, "art/lampPost/" + std::to_string(n) + ".png", lampPost(n), 0.3f);
    }
    // 1 … 6 the burning loop; 7 … 10 ever smaller, for lighting and going out.
    const float sizes[] = {0, 1, 1, 1, 1, 1, 1, 0.78f, 0.58f, 0.4f, 0.24f};
    for (int n = 1; n <= 10; n++) {
        const float phase = n <= 6 ? (n - 1) * 1.0472f : n * 0.7f;
        const float breathe = n <= 6 ? 0.94f + 0.06f * std::sin(phase) : 1.0f;
        addSprite(sink, "art/flame/" + std::to_string(n) + ".png", flame(sizes[n] * breathe, phase), 0.3f);
    }
    const lightningBolt bolt = makeBolt();
    for (int n = 1; n <= 8; n++) {
        addSprite(sink, "art/lightning/" + std::to_string(n) + ".png", lightning(bolt, n), 0.3f);
    }
}
