// The inside of the car: bonnet, dashboard with its gauge cluster and lamps, and the
// spill of the headlights over the road in front.
#include "artHud.h"

#include <cmath>
#include <string>

#include "artNoise.h"
#include "artPictures.h"
#include "artStrokeFont.h"

namespace {

constexpr float cockpitMiddle = cockpitWidth / 2.0f;
// The gauge pictures share one top-left corner, 52, 352 in dashboard picture coordinates.
constexpr float gaugeX = 52, gaugeY = 352;
constexpr int gaugeWidth = 180, gaugeHeight = 128;
constexpr float dialX = 66, dialY = 66, dialRadius = 56; // in gauge coordinates

float across(float x) {
    return (x - cockpitMiddle) / cockpitMiddle;
}

// Frames 1 … 5 are lit ever more brightly by the flash, 6 … 10 glow.
float flashOf(int frame) {
    return frame >= 1 && frame <= 5 ? frame / 5.0f : 0.0f;
}
float glowOf(int frame) {
    return frame >= 6 ? (frame - 5) / 5.0f : 0.0f;
}
constexpr rgbColour flashLight = rgb(235, 240, 255);
constexpr rgbColour glowLight = rgb(120, 230, 200);

rgbColour litBy(rgbColour base, int frame, float exposure) {
    rgbColour c = added(base, scaled(flashLight, 0.55f * flashOf(frame) * exposure));
    return added(c, scaled(glowLight, 0.22f * glowOf(frame) * exposure));
}

std::vector<point> leftPillar() {
    return {{0, 0}, {50, 0}, {74, 300}, {74, 510}, {0, 510}};
}
std::vector<point> rightPillar() {
    return {{610, 0}, {660, 0}, {660, 510}, {586, 510}, {586, 300}};
}

floatCanvas bonnet(int frame) {
    floatCanvas c(cockpitWidth, cockpitHeight);
    fillShape(
        c, {0, 300, cockpitWidth, cockpitHeight}, [](float x, float y) { return bonnetTop(x) - y; },
        [frame](float x, float y) {
            const float depth = (y - bonnetTop(x)) / 60.0f;
            // Dark paint; the far edge catches the lit road, a ridge runs down the middle.
            float sheen = std::exp(-depth * 5.0f) * 0.35f;
            sheen += std::exp(-std::pow(across(x) * 9.0f, 2.0f)) * 0.10f * std::exp(-depth * 0.8f);
            const rgbColour paint = mixed(rgb(70, 16, 20), rgb(26, 8, 10), std::min(1.0f, depth * 0.7f));
            const rgbColour c = added(paint, scaled(rgb(255, 210, 190), sheen));
            return litBy(c, frame, 1.2f - std::min(1.0f, depth * 0.5f));
        });
    return c;
}

rgbColour dashPlastic(float x, float y, int frame) {
    const float grain = tiledFractal(x / 3.0f, y / 3.0f, 256, 91, 2);
    const float fromTop = y - dashTop(x);
    // The top face of the dash catches light; lower down it is in deep shade.
    const float top = std::exp(-fromTop / 12.0f);
    rgbColour base = scaled(rgb(28, 27, 31), 0.75f + grain * 0.35f);
    base = added(base, scaled(rgb(80, 76, 82), top * 0.5f));
    return litBy(base, frame, 0.4f + top);
}

void paintDashBody(floatCanvas &c, int frame) {
    fillShape(
        c, {0, 250, cockpitWidth, cockpitHeight}, [](float x, float y) { return dashTop(x) - y; },
        [frame](float x, float y) { return dashPlastic(x, y, frame); });
    for (const auto &pillar : {leftPillar(), rightPillar()}) {
        fillShape(
            c, boundsOf(pillar), [&pillar](float x, float y) { return sdPolygon(x, y, pillar); },
            [frame](float x, float y) {
                const rgbColour base =
                    scaled(rgb(22, 21, 25), 0.85f + 0.3f * tiledNoise(x / 4, y / 4, 64, 93));
                return litBy(base, frame, 0.5f);
            });
    }
    // The inner edges of the pillars catch a thin line of light.
    drawLine(c, 50, 0, 74, 300, 1.5f, litBy(rgb(80, 78, 84), frame, 1));
    drawLine(c, 610, 0, 586, 300, 1.5f, litBy(rgb(80, 78, 84), frame, 1));
}

// The binnacle round the gauges and the small panel that holds the four lamps.
void paintRecesses(floatCanvas &c, int frame) {
    const float bx = gaugeX + gaugeWidth / 2.0f, by = gaugeY + gaugeHeight / 2.0f + 4;
    fillShape(
        c, {bx - 104, by - 80, bx + 104, by + 80},
        [=](float x, float y) { return sdBox(x, y, bx, by, 100, 74, 22); }, litBy(rgb(70, 68, 72), frame, 1));
    fillShape(
        c, {bx - 100, by - 76, bx + 100, by + 76},
        [=](float x, float y) { return sdBox(x, y, bx, by, 96, 70, 20); }, rgb(12, 12, 14));
    fillShape(
        c, {228, 352, 306, 386}, [](float x, float y) { return sdBox(x, y, 266, 369, 37, 15, 5); },
        litBy(rgb(60, 58, 62), frame, 1));
    fillShape(
        c, {230, 354, 304, 384}, [](float x, float y) { return sdBox(x, y, 266, 369, 35, 13, 4); },
        rgb(10, 10, 12));
}

floatCanvas dashboard(int frame) {
    floatCanvas c(cockpitWidth, cockpitHeight);
    paintDashBody(c, frame);
    paintRecesses(c, frame);
    return c;
}

// The road just in front of the bonnet, lit by the two headlights.
floatCanvas headlightSpill() {
    floatCanvas c(cockpitWidth, cockpitHeight);
    for (int y = 230; y < 360; y++) {
        for (int x = 0; x < cockpitWidth; x++) {
            float a = 0;
            for (float lamp : {200.0f, 460.0f}) {
                const float dx = (x - lamp) / 190.0f, dy = (y - 322.0f) / 46.0f;
                a += 0.30f * std::exp(-(dx * dx + dy * dy) * 1.6f);
            }
            c.blend(x, y, rgb(255, 236, 200), std::min(a, 0.45f));
        }
    }
    return c;
}

// Gauges, in their own 180 × 128 pictures.
point dialPoint(float angleDegrees, float radius) {
    const float a = angleDegrees * 3.14159265f / 180.0f;
    return {dialX + std::cos(a) * radius, dialY - std::sin(a) * radius};
}
// Needle position 0 rests at the lower left; 11 is flat out at the lower right.
float needleAngle(float position) {
    return 225.0f - position * 270.0f / 11.0f;
}

floatCanvas gaugeBack() {
    floatCanvas c(gaugeWidth, gaugeHeight);
    addGlow(c, dialX, dialY, dialRadius + 6, rgb(255, 150, 60), 0.35f);
    fillCircle(c, dialX, dialY, dialRadius, rgb(22, 18, 16));
    fillCircle(c, dialX, dialY, dialRadius - 3, rgb(14, 12, 12));
    for (int i = 0; i <= 22; i++) {
        const float a = needleAngle(i / 2.0f);
        const bool major = i % 2 == 0;
        const point p0 = dialPoint(a, dialRadius - 6), p1 = dialPoint(a, dialRadius - (major ? 14 : 10));
        drawLine(c, p0.x, p0.y, p1.x, p1.y, major ? 2.0f : 1.0f,
                 i >= 18 ? rgb(255, 90, 60) : rgb(255, 190, 110));
    }
    for (int i = 0; i <= 5; i++) {
        const std::string label = std::to_string(i * 2);
        const point p = dialPoint(needleAngle(i * 2.2f), dialRadius - 24);
        strokeText(c, label, p.x - textWidth(label, 0.55f) / 2 + 1, p.y - 6, 0.55f, 2.0f, rgb(255, 200, 130));
    }
    // The battery's scale: a slot of thirteen cells beside the dial.
    fillShape(
        c, {134, 8, 172, 126}, [](float x, float y) { return sdBox(x, y, 153, 67, 16, 57, 5); },
        rgb(26, 22, 20));
    fillPolygon(c, {{155, 103}, {149, 111}, {153, 111}, {151, 118}, {158, 109}, {154, 109}},
                rgb(255, 220, 120));
    return c;
}

floatCanvas needle(int position) {
    floatCanvas c(gaugeWidth, gaugeHeight);
    const float a = needleAngle(static_cast<float>(position));
    const point tip = dialPoint(a, dialRadius - 8), tail = dialPoint(a + 180, 10);
    addGlow(c, tip.x, tip.y, 8, rgb(255, 90, 40), 0.3f);
    drawLine(c, tail.x, tail.y, tip.x, tip.y, 2.6f, rgb(255, 84, 40));
    drawLine(c, tail.x, tail.y, tip.x, tip.y, 1.0f, rgb(255, 200, 150));
    fillCircle(c, dialX, dialY, 6, rgb(60, 56, 54));
    fillCircle(c, dialX - 1.5f, dialY - 1.5f, 2, rgb(140, 136, 130));
    return c;
}

// Battery level 0 is empty, 13 full: one lit cell per unit, red at the bottom to green.
floatCanvas battery(int level) {
    floatCanvas c(gaugeWidth, gaugeHeight);
    for (int cell = 0; cell < 13; cell++) {
        const float y = 96 - cell * 7.0f;
        const bool lit = cell < level;
        const rgbColour hue = mixed(rgb(255, 70, 40), rgb(110, 255, 140), cell / 12.0f);
        if (lit) {
            addGlow(c, 153, y, 12, hue, 0.12f);
        }
        fillShape(
            c, {140, y - 4, 166, y + 4}, [y](float x, float py) { return sdBox(x, py, 153, y, 11, 2.4f, 1); },
            lit ? hue : scaled(hue, 0.16f));
    }
    return c;
}

// The four small lamps, off (0) and on (1).
floatCanvas beamsLamp(bool on) {
    floatCanvas c(18, 14);
    const rgbColour colour = on ? rgb(110, 200, 255) : rgb(40, 46, 54);
    if (on) {
        addGlow(c, 7, 7, 9, colour, 0.6f);
    }
    fillShape(
        c, {2, 2, 10, 12}, [](float x, float y) { return std::max(sdCircle(x, y, 5, 7, 4.5f), 5.0f - x); },
        colour);
    for (int i = 0; i < 3; i++) {
        drawLine(c, 11, 3.5f + i * 3.5f, 16, 3.5f + i * 3.5f, 1.4f, colour);
    }
    return c;
}

floatCanvas energyLamp(bool on) {
    floatCanvas c(14, 12);
    const rgbColour colour = on ? rgb(255, 220, 80) : rgb(54, 50, 36);
    if (on) {
        addGlow(c, 7, 6, 8, colour, 0.6f);
    }
    fillPolygon(c, {{8, 0.5f}, {3, 7}, {6.5f, 7}, {5, 11.5f}, {11, 4.5f}, {7.5f, 4.5f}}, colour);
    return c;
}

floatCanvas moodLamp(bool on, bool smile, int height) {
    floatCanvas c(10, height);
    const rgbColour colour = on ? (smile ? rgb(120, 255, 140) : rgb(255, 70, 60)) : rgb(40, 44, 40);
    const float cy = height / 2.0f;
    if (on) {
        addGlow(c, 5, cy, 7, colour, 0.5f);
    }
    fillCircle(c, 3.3f, cy - 1.5f, 0.9f, colour);
    fillCircle(c, 6.7f, cy - 1.5f, 0.9f, colour);
    const float from = smile ? 20.0f : 200.0f, to = smile ? 160.0f : 340.0f;
    const float my = smile ? cy - 0.5f : cy + 4.0f;
    for (float a = from; a < to; a += 20) {
        const float r0 = a * 3.14159f / 180, r1 = (a + 20) * 3.14159f / 180;
        drawLine(c, 5 + 3.2f * std::cos(r0), my + 2.4f * std::sin(r0), 5 + 3.2f * std::cos(r1),
                 my + 2.4f * std::sin(r1), 1.1f, colour);
    }
    return c;
}

} // namespace

float bonnetTop(float x) {
    return 317.0f + 8.0f * across(x) * across(x);
}
float dashTop(float x) {
    return 345.0f - 62.0f * across(x) * across(x);
}

void paintHud(pictureSink &sink) {
    for (int n = 0; n <= 10; n++) {
        sink.add("art/hud/dashboard/" + std::to_string(n) + ".png", toRgba(dashboard(n)));
        sink.add("art/hud/hood/" + std::to_string(n) + ".png", toRgba(bonnet(n)));
    }
    sink.add("art/hud/headlights.png", toRgba(headlightSpill()));
    sink.add("art/hud/wheel/wheelGlow.png", toRgba(gaugeBack()));
    for (int n = 0; n <= 11; n++) {
        sink.add("art/hud/wheel/" + std::to_string(n) + ".png", toRgba(needle(n)));
    }
    for (int n = 0; n <= 13; n++) {
        sink.add("art/hud/battery/" + std::to_string(n) + ".png", toRgba(battery(n)));
    }
    for (int on = 0; on <= 1; on++) {
        const std::string file = std::to_string(on) + ".png";
        sink.add("art/hud/mph/beams/" + file, toRgba(beamsLamp(on == 1)));
        sink.add("art/hud/mph/energy/" + file, toRgba(energyLamp(on == 1)));
        sink.add("art/hud/mph/smile/" + file, toRgba(moodLamp(on == 1, true, 10)));
        sink.add("art/hud/mph/frown/" + file, toRgba(moodLamp(on == 1, false, 12)));
    }
}
