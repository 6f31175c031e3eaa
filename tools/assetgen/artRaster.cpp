#include "artRaster.h"

#include <cmath>
#include <limits>

vec3 normalised(vec3 v) {
    const float len = std::sqrt(dot(v, v));
    return len > 0 ? v * (1.0f / len) : v;
}

int triangleMesh::addMaterial(const surfaceMaterial &m) {
    materials.push_back(m);
    return static_cast<int>(materials.size()) - 1;
}

void triangleMesh::addTri(vec3 a, vec3 b, vec3 c, int material) {
    triangle t;
    t.p[0] = a, t.p[1] = b, t.p[2] = c;
    t.material = material;
    tris.push_back(t);
}

void triangleMesh::addQuad(vec3 a, vec3 b, vec3 c, vec3 d, int material) {
    triangle t1;
    t1.p[0] = a, t1.p[1] = b, t1.p[2] = c;
    t1.u[0] = 0, t1.v[0] = 0, t1.u[1] = 1, t1.v[1] = 0, t1.u[2] = 1, t1.v[2] = 1;
    t1.material = material;
    triangle t2;
    t2.p[0] = a, t2.p[1] = c, t2.p[2] = d;
    t2.u[0] = 0, t2.v[0] = 0, t2.u[1] = 1, t2.v[1] = 1, t2.u[2] = 0, t2.v[2] = 1;
    t2.material = material;
    tris.push_back(t1);
    tris.push_back(t2);
}

void triangleMesh::addBlock(const vec3 c[8], int material) {
    addQuad(c[0], c[1], c[2], c[3], material);
    addQuad(c[4], c[5], c[6], c[7], material);
    for (int i = 0; i < 4; i++) {
        const int j = (i + 1) % 4;
        addQuad(c[i], c[j], c[j + 4], c[i + 4], material);
    }
}

void triangleMesh::addBox(vec3 m, vec3 h, int material) {
    const vec3 corners[8] = {
        {m.x - h.x, m.y - h.y, m.z - h.z}, {m.x + h.x, m.y - h.y, m.z - h.z},
        {m.x + h.x, m.y + h.y, m.z - h.z}, {m.x - h.x, m.y + h.y, m.z - h.z},
        {m.x - h.x, m.y - h.y, m.z + h.z}, {m.x + h.x, m.y - h.y, m.z + h.z},
        {m.x + h.x, m.y + h.y, m.z + h.z}, {m.x - h.x, m.y + h.y, m.z + h.z},
    };
    addBlock(corners, material);
}

void triangleMesh::addWheel(vec3 c, float radius, float halfWidth, int tyre, int hub) {
    const int segments = 16;
    const float side = c.x > 0 ? 1.0f : -1.0f; // the hub faces outwards
    for (int i = 0; i < segments; i++) {
        const float a0 = 6.2831853f * i / segments, a1 = 6.2831853f * (i + 1) / segments;
        const vec3 p0{0, std::cos(a0) * radius, std::sin(a0) * radius};
        const vec3 p1{0, std::cos(a1) * radius, std::sin(a1) * radius};
        const vec3 in{c.x - halfWidth * side, c.y, c.z}, out{c.x + halfWidth * side, c.y, c.z};
        addQuad(in + p0, in + p1, out + p1, out + p0, tyre);
        addTri(out, out + p0, out + p1, i % 4 == 0 ? tyre : hub);
        addTri(out, out + p0 * 0.55f, out + p1 * 0.55f, hub);
        addTri(in, in + p0, in + p1, tyre);
    }
}

void triangleMesh::addPole(vec3 base, float radius, float height, int material) {
    const int segments = 10;
    for (int i = 0; i < segments; i++) {
        const float a0 = 6.2831853f * i / segments, a1 = 6.2831853f * (i + 1) / segments;
        const vec3 p0{std::cos(a0) * radius, std::sin(a0) * radius, 0};
        const vec3 p1{std::cos(a1) * radius, std::sin(a1) * radius, 0};
        const vec3 up{0, 0, height};
        addQuad(base + p0, base + p1, base + p1 + up, base + p0 + up, material);
        addTri(base + up, base + p0 + up, base + p1 + up, material);
    }
}

namespace {

constexpr int samplesPerAxis = 4; // per pixel along each axis

struct projection {
    float cosYaw, sinYaw, sinElev, cosElev, scale;
    vec3 toEye; // from the surface towards the viewer, model turned into view space

    vec3 turn(vec3 p) const { return {p.x * cosYaw - p.y * sinYaw, p.x * sinYaw + p.y * cosYaw, p.z}; }
    // Screen x, screen up and depth (larger is farther) in model units.
    vec3 toScreen(vec3 p) const {
        const vec3 q = turn(p);
        return {q.x, q.y * sinElev + q.z * cosElev, q.y * cosElev - q.z * sinElev};
    }
};

projection projectionFor(const cameraView &view) {
    const float yaw = view.yawDegrees * 3.14159265f / 180.0f;
    const float elev = view.elevationDegrees * 3.14159265f / 180.0f;
    projection p{std::cos(yaw), std::sin(yaw), std::sin(elev), std::cos(elev), view.pixelsPerUnit, {}};
    p.toEye = {0, -std::cos(elev), std::sin(elev)};
    return p;
}

rgbColour sampleTexture(const floatCanvas &tex, float u, float v, float &alpha) {
    const int x = std::clamp(static_cast<int>(u * tex.width), 0, tex.width - 1);
    const int y = std::clamp(static_cast<int>(v * tex.height), 0, tex.height - 1);
    const float *p = tex.at(x, y);
    alpha = p[3];
    const float inv = p[3] > 1e-6f ? 1.0f / p[3] : 0.0f;
    return {p[0] * inv, p[1] * inv, p[2] * inv};
}

rgbColour shade(const surfaceMaterial &m, rgbColour base, vec3 normal, const projection &proj) {
    if (dot(normal, proj.toEye) < 0) {
        normal = normal * -1.0f; // two-sided
    }
    // The headlights shine from the viewer, a little from the left and above.
    const vec3 head = normalised(proj.toEye + vec3{-0.35f, 0, 0.35f});
    const vec3 sky{0, 0, 1};
    const float diffuse = std::max(0.0f, dot(normal, head));
    const float fill = 0.16f + 0.10f * std::max(0.0f, dot(normal, sky));
    const vec3 half = normalised(head + proj.toEye);
    const float highlight = m.gloss * std::pow(std::max(0.0f, dot(normal, half)), 24.0f);
    const float facing = std::abs(dot(normal, proj.toEye));
    const float rim = m.rim * (1.0f - facing) * (1.0f - facing);
    rgbColour c = scaled(base, fill + 0.95f * diffuse);
    c = added(c, rgbColour{highlight, highlight, highlight * 0.95f});
    c = added(c, scaled(m.rimColour, rim));
    return added(c, m.emission);
}

struct rasterTarget {
    int width, height;
    std::vector<float> depth;
    std::vector<rgbColour> colour;
};

void rasterise(const triangle &t, const surfaceMaterial &m, const projection &proj, float ox, float oy,
               rasterTarget &target) {
    vec3 s[3];
    for (int i = 0; i < 3; i++) {
        const vec3 q = proj.toScreen(t.p[i]);
        s[i] = {(ox + q.x * proj.scale) * samplesPerAxis, (oy - q.y * proj.scale) * samplesPerAxis, q.z};
    }
    const float area = (s[1].x - s[0].x) * (s[2].y - s[0].y) - (s[2].x - s[0].x) * (s[1].y - s[0].y);
    if (std::abs(area) < 1e-6f) {
        return;
    }
    const vec3 world[3] = {proj.turn(t.p[0]), proj.turn(t.p[1]), proj.turn(t.p[2])};
    const vec3 normal = normalised(cross(world[1] - world[0], world[2] - world[0]));
    const rgbColour flat = shade(m, m.base, normal, proj);
    const int x0 = std::max(0, static_cast<int>(std::floor(std::min({s[0].x, s[1].x, s[2].x}))));
    const int x1 =
        std::min(target.width - 1, static_cast<int>(std::ceil(std::max({s[0].x, s[1].x, s[2].x}))));
    const int y0 = std::max(0, static_cast<int>(std::floor(std::min({s[0].y, s[1].y, s[2].y}))));
    const int y1 =
        std::min(target.height - 1, static_cast<int>(std::ceil(std::max({s[0].y, s[1].y, s[2].y}))));
    for (int y = y0; y <= y1; y++) {
        for (int x = x0; x <= x1; x++) {
            const float px = x + 0.5f, py = y + 0.5f;
            const float w0 = ((s[1].x - px) * (s[2].y - py) - (s[2].x - px) * (s[1].y - py)) / area;
            const float w1 = ((s[2].x - px) * (s[0].y - py) - (s[0].x - px) * (s[2].y - py)) / area;
            const float w2 = 1.0f - w0 - w1;
            if (w0 < 0 || w1 < 0 || w2 < 0) {
                continue;
            }
            const float z = w0 * s[0].z + w1 * s[1].z + w2 * s[2].z;
            const size_t at = static_cast<size_t>(y) * target.width + x;
            if (z >= target.depth[at]) {
                continue;
            }
            rgbColour c = flat;
            if (m.texture != nullptr) {
                float alpha = 0;
                const float u = w0 * t.u[0] + w1 * t.u[1] + w2 * t.u[2];
                const float v = w0 * t.v[0] + w1 * t.v[1] + w2 * t.v[2];
                const rgbColour texel = sampleTexture(*m.texture, u, v, alpha);
                if (alpha < 0.5f) {
                    continue;
                }
                c = shade(m, {m.base.r * texel.r, m.base.g * texel.g, m.base.b * texel.b}, normal, proj);
            }
            target.depth[at] = z;
            target.colour[at] = c;
        }
    }
}

float lowestScreenUp(const triangleMesh &mesh, const projection &proj) {
    float lowest = std::numeric_limits<float>::max();
    for (const triangle &t : mesh.tris) {
        for (const vec3 &p : t.p) {
            lowest = std::min(lowest, proj.toScreen(p).y);
        }
    }
    return lowest;
}

} // namespace

floatCanvas renderMesh(const triangleMesh &mesh, const cameraView &view) {
    const projection proj = projectionFor(view);
    // Rest the lowest point of the model on the ground row, whatever the view.
    const float originRow = view.groundRow + 0.5f + lowestScreenUp(mesh, proj) * proj.scale;
    rasterTarget target{view.width * samplesPerAxis, view.height * samplesPerAxis, {}, {}};
    target.depth.assign(static_cast<size_t>(target.width) * target.height, std::numeric_limits<float>::max());
    target.colour.assign(target.depth.size(), rgbColour{});
    for (const triangle &t : mesh.tris) {
        rasterise(t, mesh.materials[t.material], proj, view.originX, originRow, target);
    }
    floatCanvas out(view.width, view.height);
    for (int y = 0; y < view.height; y++) {
        for (int x = 0; x < view.width; x++) {
            rgbColour sum;
            int covered = 0;
            for (int s = 0; s < samplesPerAxis * samplesPerAxis; s++) {
                const size_t at =
                    static_cast<size_t>(y * samplesPerAxis + s / samplesPerAxis) * target.width +
                    x * samplesPerAxis + s % samplesPerAxis;
                if (target.depth[at] < std::numeric_limits<float>::max()) {
                    sum = added(sum, target.colour[at]);
                    covered++;
                }
            }
            const float k = 1.0f / (samplesPerAxis * samplesPerAxis);
            float *p = out.at(x, y);
            p[0] = sum.r * k, p[1] = sum.g * k, p[2] = sum.b * k, p[3] = covered * k;
        }
    }
    return out;
}
