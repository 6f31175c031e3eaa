// Trees from sapling to luminous white tree, the burnt ash tree and bush, and the
// glowing butterflies.
#include <algorithm>
#include <cmath>
#include <string>

#include "artNoise.h"
#include "artSpriteUtil.h"

namespace {

struct treeBranch {
    float x0, y0, x1, y1, width;
};

// A branching skeleton grown from a seed: the same seed grows the same tree.
void growBranches(std::vector<treeBranch> &out, artRandom &random, float x, float y, float angle,
                  float length, float width, int depth) {
    const float x1 = x + std::cos(angle) * length, y1 = y - std::sin(angle) * length;
    out.push_back({x, y, x1, y1, width});
    if (depth == 0) {
        return;
    }
    const int forks = depth > 2 ? 2 : 3;
    for (int i = 0; i < forks; i++) {
        const float spread = (i - (forks - 1) * 0.5f) * 0.55f + random.range(-0.15f, 0.15f);
        growBranches(out, random, x1, y1, angle + spread, length * random.range(0.62f, 0.78f), width * 0.66f,
                     depth - 1);
    }
}

void paintBranches(floatCanvas &c, const std::vector<treeBranch> &branches, rgbColour bark, rgbColour lit) {
    for (const treeBranch &b : branches) {
        drawLine(c, b.x0, b.y0, b.x1, b.y1, b.width, bark);
        drawLine(c, b.x0 - b.width * 0.25f, b.y0, b.x1 - b.width * 0.25f, b.y1, b.width * 0.35f, lit);
    }
}

// Tree stages: 1 the sapling, 2 the sapling woken by the flash, 3 … 7 growing and
// brightening, 8 the grown luminous white tree.
floatCanvas tree(int stage) {
    floatCanvas c(64, 64);
    const float growth = stage <= 2 ? 0.0f : (stage - 2) / 6.0f;
    const float light = stage == 1 ? 0.0f : 0.15f + 0.85f * growth;
    const rgbColour leafDark = rgb(40, 90, 60), leafWhite = rgb(235, 248, 255);
    const rgbColour leaf = mixed(leafDark, leafWhite, light);
    const rgbColour bark = mixed(rgb(70, 56, 44), rgb(200, 210, 220), light);
    if (light > 0) {
        addGlow(c, 32, 36 - 14 * growth, 14 + 20 * growth, rgb(190, 235, 255), 0.4f + 1.0f * light);
    }
    if (stage <= 2) {
        drawLine(c, 32, 63, 32, 48, 1.6f, bark);
        fillEllipse(c, 28.5f, 48, 3.5f, 1.8f, leaf);
        fillEllipse(c, 35.5f, 46, 3.5f, 1.8f, leaf);
        fillEllipse(c, 32, 45, 1.6f, 2.6f, mixed(leaf, rgb(255, 255, 255), 0.3f));
        return c;
    }
    artRandom random(300);
    std::vector<treeBranch> branches;
    const float size = 0.45f + 0.55f * growth;
    growBranches(branches, random, 32, 63, 1.5708f, 16 * size, 4.5f * size, 2 + stage / 3);
    paintBranches(c, branches, bark, mixed(bark, rgb(255, 255, 255), 0.3f));
    // Leaf clusters at the branch ends, shaded darker underneath.
    artRandom leaves(301);
    for (const treeBranch &b : branches) {
        if (b.width > 1.6f * size) {
            continue;
        }
        const float r = leaves.range(3.0f, 5.0f) * size + 1;
        fillCircle(c, b.x1, b.y1 + r * 0.25f, r, scaled(leaf, 0.7f));
        fillCircle(c, b.x1 - r * 0.2f, b.y1, r * 0.8f, leaf);
        fillCircle(c, b.x1 - r * 0.35f, b.y1 - r * 0.3f, r * 0.35f, mixed(leaf, rgb(255, 255, 255), 0.5f));
    }
    return c;
}

// The ash pictures keep what the cut keeps of a stroke in one piece: no twig is thinner
// than this, and only wood this thick carries the charred and ashen sides.
constexpr float ashCut = 0.5f;
constexpr float thinnestTwig = 1.6f;
constexpr float thickWood = 3.0f;

// Dead wood forks in two, wide apart, one fork leading a little longer than the other.
void growDeadWood(std::vector<treeBranch> &out, artRandom &random, float x, float y, float angle,
                  float length, float width, int depth) {
    const float x1 = x + std::cos(angle) * length, y1 = y - std::sin(angle) * length;
    out.push_back({x, y, x1, y1, std::max(width, thinnestTwig)});
    if (depth == 0) {
        return;
    }
    const float lean = random.range(-0.12f, 0.12f);
    for (const float side : {-1.0f, 1.0f}) {
        const float spread = side * random.range(0.32f, 0.52f) + lean;
        const float reach = random.range(0.68f, 0.82f) * (side * lean > 0 ? 1.0f : 0.9f);
        growDeadWood(out, random, x1, y1, angle + spread, length * reach, width * 0.68f, depth - 1);
    }
}

// Every texel the nearest of the picture's few tones: each tone then covers whole texels,
// as the magenta cut makes of the outline, and a stripe of one tone in another stays
// unbroken however dark the night takes it.
void snapToTones(floatCanvas &canvas, const std::vector<rgbColour> &tones) {
    for (float *p = canvas.px.data(); p < canvas.px.data() + canvas.px.size(); p += 4) {
        if (p[3] <= 0.0f) {
            continue;
        }
        const auto distance = [p](rgbColour t) {
            return (p[0] - t.r) * (p[0] - t.r) + (p[1] - t.g) * (p[1] - t.g) + (p[2] - t.b) * (p[2] - t.b);
        };
        const rgbColour nearest = *std::min_element(
            tones.begin(), tones.end(), [&](rgbColour a, rgbColour b) { return distance(a) < distance(b); });
        p[0] = nearest.r, p[1] = nearest.g, p[2] = nearest.b;
    }
}

std::vector<treeBranch> ashSkeleton(artRandom &random, bool bush) {
    std::vector<treeBranch> branches;
    if (!bush) {
        growDeadWood(branches, random, 32, 63, 1.5708f, 16, 5.5f, 4);
        return branches;
    }
    // Four stems fanning out from the ground.
    for (int i = 0; i < 4; i++) {
        const float across = i - 1.5f;
        growDeadWood(branches, random, 32 + across * 4, 63, 1.5708f - across * 0.45f, 11, 3.2f, 2);
    }
    return branches;
}

// Burnt and dead: bare wood gone pale with ash, charred down its right side, ash down its
// left and a few cinders in the wood between. The night darkens the picture texel by
// texel, taking the same amount off every channel, so it is painted to fade as a whole:
// a texel brighter than the ones around it outlasts them and is left hanging in the dark
// as a loose dot. So the edge texels keep their wood's own colour, nothing is brighter
// than the ash, the cinders fade with the wood, and the ash runs unbroken down the trunk
// and the limbs: it is the last of the tree the night takes.
floatCanvas ashTree(bool bush) {
    floatCanvas c(64, 64);
    artRandom random(bush ? 520 : 510);
    const std::vector<treeBranch> branches = ashSkeleton(random, bush);
    const rgbColour charred = rgb(78, 75, 73), wood = rgb(120, 116, 111), ash = rgb(166, 163, 156);
    const rgbColour cinder = rgb(120, 44, 20);
    std::vector<treeBranch> thick;
    for (const treeBranch &b : branches) {
        const bool isThick = b.width >= thickWood;
        drawLine(c, b.x0, b.y0, b.x1, b.y1, b.width, isThick ? charred : wood);
        if (isThick) {
            thick.push_back(b);
        }
    }
    for (const treeBranch &b : thick) {
        const float woodSide = b.width * 0.15f;
        drawLine(c, b.x0 - woodSide, b.y0, b.x1 - woodSide, b.y1, b.width * 0.7f, wood);
    }
    for (int i = 0; i < (bush ? 2 : 4); i++) {
        const treeBranch &b = thick[random.next() % thick.size()];
        const float t = random.range(0.3f, 0.7f);
        fillCircle(c, b.x0 + (b.x1 - b.x0) * t, b.y0 + (b.y1 - b.y0) * t, 0.8f, cinder);
    }
    // Each limb's ash starts a little back inside the wood it grows from, to join the ash there.
    for (const treeBranch &b : thick) {
        const float ashSide = b.width * 0.25f, length = std::hypot(b.x1 - b.x0, b.y1 - b.y0);
        const float backX = (b.x0 - b.x1) / length * 1.5f, backY = (b.y0 - b.y1) / length * 1.5f;
        drawLine(c, b.x0 + backX - ashSide, b.y0 + backY, b.x1 - ashSide, b.y1,
                 std::max(b.width * 0.4f, thinnestTwig), ash);
    }
    settleEdges(c, ashCut);
    snapToTones(c, {charred, wood, ash, cinder});
    return c;
}

// Wing beat over eight pictures: the wings sweep down and open (4 is spread flat,
// held longest), then fold back up.
floatCanvas butterfly(int frame) {
    floatCanvas c(64, 64);
    const float beat = std::cos((frame - 1) * 6.2831853f / 8.0f); // 1 wings up, -1 wings down
    const float open = 0.25f + 0.75f * (1.0f - std::abs(beat)) + (frame == 4 || frame == 5 ? 0.1f : 0.0f);
    const float tilt = beat * 0.6f;
    const float cx = 32, cy = 30;
    addGlow(c, cx, cy, 15, rgb(120, 255, 210), 1.1f);
    const rgbColour wing = rgb(150, 255, 220), edge = rgb(240, 255, 250);
    for (float side : {-1.0f, 1.0f}) {
        const float wx = cx + side * 5.5f * open, wy = cy - 3 - tilt * 4;
        fillEllipse(c, wx, wy, 5.5f * open + 0.6f, 4.5f, wing);
        fillEllipse(c, cx + side * 3.8f * open, cy + 3 - tilt * 2, 3.8f * open + 0.5f, 3.2f,
                    scaled(wing, 0.8f));
        fillCircle(c, wx + side * 1.5f * open, wy - 1, 1.3f, edge);
    }
    drawLine(c, cx, cy - 4, cx, cy + 5, 1.6f, rgb(40, 60, 60));
    drawLine(c, cx, cy - 4, cx - 2, cy - 8, 0.6f, rgb(200, 255, 240));
    drawLine(c, cx, cy - 4, cx + 2, cy - 8, 0.6f, rgb(200, 255, 240));
    return c;
}

} // namespace

void paintPlants(pictureSink &sink) {
    for (int n = 1; n <= 8; n++) {
        addSprite(sink, "art/tree/" + std::to_string(n) + ".png", tree(n), 0.3f);
    }
    addSprite(sink, "art/tree/ashTree.png", ashTree(false), ashCut);
    addSprite(sink, "art/tree/ashBush.png", ashTree(true), ashCut);
    for (int n = 1; n <= 8; n++) {
        addSprite(sink, "art/butterfly/" + std::to_string(n) + ".png", butterfly(n), 0.3f);
    }
}
