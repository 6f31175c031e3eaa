// The stop sign and the road sign, each one model seen from eight sides.
//
// A sign's angle is the way its face looks, counted like a ghost's angle; at relative
// angle r = 0 the face looks straight back at the player. Stop-sign picture 1 + k
// covers the 45° sector centred on r = 45·k; road-sign sectors are uneven, with the
// narrow 20° sectors around 90° and 270° (pictures 3 and 7) edge-on.
#include <cmath>
#include <string>

#include "artRaster.h"
#include "artSpriteUtil.h"
#include "artStrokeFont.h"

namespace {

constexpr float plateThickness = 0.014f;

std::vector<point> octagon(float cx, float cy, float r) {
    std::vector<point> points;
    for (int i = 0; i < 8; i++) {
        const float a = (22.5f + 45.0f * i) * 3.14159265f / 180.0f;
        points.push_back({cx + r * std::cos(a), cy + r * std::sin(a)});
    }
    return points;
}

floatCanvas stopFace() {
    floatCanvas face(128, 128);
    fillPolygon(face, octagon(64, 64, 63), rgb(240, 240, 236));
    fillPolygon(face, octagon(64, 64, 56), rgb(200, 26, 30));
    // The word in the face, drawn with the game's own letters, pale and bold.
    const float scale = 1.35f;
    const float width = textWidth("stop", scale);
    strokeText(face, "stop", 64 - width / 2 + 2, 64 - 11 * scale, scale, 2.6f, rgb(245, 245, 240));
    return face;
}

floatCanvas plainBack(const std::vector<point> &outline, int size) {
    floatCanvas back(size, size);
    fillPolygon(back, outline, rgb(120, 122, 126));
    return back;
}

// A flat plate: textured front and back, and thin edges all round.
void addPlate(triangleMesh &mesh, const std::vector<point> &outline, int textureSize, float halfWidth,
              float halfHeight, float centreZ, int front, int back, int edge) {
    const float h = plateThickness * 0.5f;
    auto at = [&](float u, float v, float y) {
        return vec3{(u / textureSize * 2 - 1) * halfWidth, y,
                    centreZ - (v / textureSize * 2 - 1) * halfHeight};
    };
    // Front looks along +y; its texture reads left to right when seen from the front.
    mesh.addQuad(at(textureSize, 0, h), at(0, 0, h), at(0, textureSize, h), at(textureSize, textureSize, h),
                 front);
    mesh.addQuad(at(0, 0, -h), at(textureSize, 0, -h), at(textureSize, textureSize, -h),
                 at(0, textureSize, -h), back);
    for (size_t i = 0; i < outline.size(); i++) {
        const point a = outline[i], b = outline[(i + 1) % outline.size()];
        mesh.addQuad(at(a.x, a.y, -h), at(b.x, b.y, -h), at(b.x, b.y, h), at(a.x, a.y, h), edge);
    }
}

struct signTextures {
    floatCanvas front, back;
};

triangleMesh stopMesh(const signTextures &tex) {
    triangleMesh mesh;
    const int pole = mesh.addMaterial({rgb(150, 152, 158), {}, 0.5f});
    const int front = mesh.addMaterial({rgb(255, 255, 255), {}, 0.35f, 0, {}, &tex.front});
    const int back = mesh.addMaterial({rgb(255, 255, 255), {}, 0.3f, 0, {}, &tex.back});
    const int edge = mesh.addMaterial({rgb(170, 172, 176), {}, 0.4f});
    mesh.addPole({0, -0.03f, 0}, 0.022f, 0.62f, pole);
    addPlate(mesh, octagon(64, 64, 63), 128, 0.21f, 0.21f, 0.66f, front, back, edge);
    mesh.addBox({0, -0.02f, 0.62f}, {0.03f, 0.006f, 0.015f}, pole);
    mesh.addBox({0, -0.02f, 0.72f}, {0.03f, 0.006f, 0.015f}, pole);
    return mesh;
}

std::vector<point> boardOutline() {
    return {{2, 2}, {126, 2}, {126, 126}, {2, 126}};
}

// A direction board: white rim, a straight-on arrow and the pale bars of place names.
floatCanvas roadFace() {
    floatCanvas face(128, 128);
    fillShape(
        face, {0, 0, 128, 128}, [](float x, float y) { return sdBox(x, y, 64, 64, 62, 62, 10); },
        rgb(236, 236, 228));
    fillShape(
        face, {0, 0, 128, 128}, [](float x, float y) { return sdBox(x, y, 64, 64, 55, 55, 7); },
        rgb(24, 96, 62));
    fillPolygon(face, {{64, 14}, {92, 44}, {74, 44}, {74, 112}, {54, 112}, {54, 44}, {36, 44}},
                rgb(240, 240, 232));
    return face;
}

triangleMesh roadSignMesh(const signTextures &tex) {
    triangleMesh mesh;
    const int pole = mesh.addMaterial({rgb(140, 142, 148), {}, 0.5f});
    const int front = mesh.addMaterial({rgb(255, 255, 255), {}, 0.3f, 0, {}, &tex.front});
    const int back = mesh.addMaterial({rgb(255, 255, 255), {}, 0.3f, 0, {}, &tex.back});
    const int edge = mesh.addMaterial({rgb(170, 172, 176), {}, 0.4f});
    for (float x : {-0.16f, 0.16f}) {
        mesh.addPole({x, -0.03f, 0}, 0.02f, 0.60f, pole);
    }
    addPlate(mesh, boardOutline(), 128, 0.25f, 0.22f, 0.62f, front, back, edge);
    return mesh;
}

floatCanvas signView(const triangleMesh &mesh, float relative) {
    cameraView view;
    view.yawDegrees = -relative - 180.0f;
    view.elevationDegrees = 6;
    return renderMesh(mesh, view);
}

} // namespace

void paintSigns(pictureSink &sink) {
    const signTextures stop{stopFace(), plainBack(octagon(64, 64, 63), 128)};
    const triangleMesh stopSign = stopMesh(stop);
    for (int k = 0; k < 8; k++) {
        addSprite(sink, "art/stopSign/" + std::to_string(k + 1) + ".png", signView(stopSign, 45.0f * k));
    }
    const signTextures road{roadFace(), plainBack(boardOutline(), 128)};
    const triangleMesh roadSign = roadSignMesh(road);
    // The middle of each of the uneven sectors.
    const float centres[8] = {0.0f, 51.25f, 90.0f, 128.75f, 180.0f, 231.25f, 270.0f, 308.75f};
    for (int k = 0; k < 8; k++) {
        addSprite(sink, "art/roadSign/" + std::to_string(k + 1) + ".png", signView(roadSign, centres[k]));
    }
}
