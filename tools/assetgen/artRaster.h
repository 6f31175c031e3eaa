#pragma once
// A small software rasteriser for the objects that are seen from every side (cars,
// ghost cars, signs): each view is rendered from one 3-D model so the views turn
// consistently. Four by four samples per pixel give smooth inner edges.
#include <vector>

#include "artCanvas.h"

struct Vec3 {
    float x = 0, y = 0, z = 0;
};
inline Vec3 operator+(Vec3 a, Vec3 b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
inline Vec3 operator-(Vec3 a, Vec3 b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
inline Vec3 operator*(Vec3 a, float k) {
    return {a.x * k, a.y * k, a.z * k};
}
inline float dot(Vec3 a, Vec3 b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
inline Vec3 cross(Vec3 a, Vec3 b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
Vec3 normalised(Vec3 v);

struct Material {
    Colour base;
    Colour emission;    // light of its own, added after lighting
    float gloss = 0.0f; // strength of the highlight from the headlights
    float rim = 0.0f;   // glow where the surface turns away (ghostly edges)
    Colour rimColour = rgb(255, 255, 255);
    const Canvas *texture = nullptr; // multiplies base; texels with low alpha are holes
};

struct Tri {
    Vec3 p[3];
    float u[3] = {0, 0, 0}, v[3] = {0, 0, 0};
    int material = 0;
};

// Model space: x to the object's right, y its forward, z up; the ground is z = 0.
struct Mesh {
    std::vector<Material> materials;
    std::vector<Tri> tris;

    int addMaterial(const Material &m);
    void addTri(Vec3 a, Vec3 b, Vec3 c, int material);
    // A quad a b c d in order; texture u runs a→b, v runs a→d.
    void addQuad(Vec3 a, Vec3 b, Vec3 c, Vec3 d, int material);
    // Eight corners: bottom face then top face, each in the same turning order.
    void addBlock(const Vec3 corners[8], int material);
    void addBox(Vec3 centre, Vec3 half, int material);
    // A cylinder along the x axis (wheels) or the z axis (poles).
    void addWheel(Vec3 centre, float radius, float halfWidth, int tyre, int hub);
    void addPole(Vec3 base, float radius, float height, int material);
};

struct View {
    int width = 64, height = 64;
    float yawDegrees = 0;       // the model turned counter-clockwise seen from above
    float elevationDegrees = 9; // the eye looks down this much
    float pixelsPerUnit = 64;
    float originX = 32;   // output column of the model's origin
    float groundRow = 63; // output row the lowest point of the model rests on
};

// Renders the mesh lit from the viewer (the player's headlights) with a faint moonlit
// fill from above. The result's alpha is the coverage.
Canvas renderMesh(const Mesh &mesh, const View &view);
