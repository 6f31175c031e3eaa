#pragma once
// A small software rasteriser for the objects that are seen from every side (cars,
// ghost cars, signs): each view is rendered from one 3-D model so the views turn
// consistently. Four by four samples per pixel give smooth inner edges.
#include <vector>

#include "artCanvas.h"

struct vec3 {
    float x = 0, y = 0, z = 0;
};
inline vec3 operator+(vec3 a, vec3 b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
inline vec3 operator-(vec3 a, vec3 b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
inline vec3 operator*(vec3 a, float k) {
    return {a.x * k, a.y * k, a.z * k};
}
inline float dot(vec3 a, vec3 b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
inline vec3 cross(vec3 a, vec3 b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
vec3 normalised(vec3 v);

struct surfaceMaterial {
    rgbColour base;
    rgbColour emission; // light of its own, added after lighting
    float gloss = 0.0f; // strength of the highlight from the headlights
    float rim = 0.0f;   // glow where the surface turns away (ghostly edges)
    rgbColour rimColour = rgb(255, 255, 255);
    const floatCanvas *texture = nullptr; // multiplies base; texels with low alpha are holes
};

struct triangle {
    vec3 p[3];
    float u[3] = {0, 0, 0}, v[3] = {0, 0, 0};
    int material = 0;
};

// Model space: x to the object's right, y its forward, z up; the ground is z = 0.
struct triangleMesh {
    std::vector<surfaceMaterial> materials;
    std::vector<triangle> tris;

    int addMaterial(const surfaceMaterial &m);
    void addTri(vec3 a, vec3 b, vec3 c, int material);
    // A quad a b c d in order; texture u runs a→b, v runs a→d.
    void addQuad(vec3 a, vec3 b, vec3 c, vec3 d, int material);
    // Eight corners: bottom face then top face, each in the same turning order.
    void addBlock(const vec3 corners[8], int material);
    void addBox(vec3 centre, vec3 half, int material);
    // A cylinder along the x axis (wheels) or the z axis (poles).
    void addWheel(vec3 centre, float radius, float halfWidth, int tyre, int hub);
    void addPole(vec3 base, float radius, float height, int material);
};

struct cameraView {
    int width = 64, height = 64;
    float yawDegrees = 0;       // the model turned counter-clockwise seen from above
    float elevationDegrees = 9; // the eye looks down this much
    float pixelsPerUnit = 64;
    float originX = 32;   // output column of the model's origin
    float groundRow = 63; // output row the lowest point of the model rests on
};

// Renders the mesh lit from the viewer (the player's headlights) with a faint moonlit
// fill from above. The result's alpha is the coverage.
floatCanvas renderMesh(const triangleMesh &mesh, const cameraView &view);
