#pragma once
// The painting surface every picture is drawn on: premultiplied RGBA floats, with
// signed-distance shape filling so that every edge comes out anti-aliased.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

struct rgbColour {
    float r = 0, g = 0, b = 0;
};

constexpr rgbColour rgb(int r, int g, int b) {
    return rgbColour{static_cast<float>(r) / 255.0f, static_cast<float>(g) / 255.0f,
                     static_cast<float>(b) / 255.0f};
}
inline rgbColour scaled(rgbColour c, float k) {
    return {c.r * k, c.g * k, c.b * k};
}
inline rgbColour mixed(rgbColour a, rgbColour b, float t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}
inline rgbColour added(rgbColour a, rgbColour b) {
    return {a.r + b.r, a.g + b.g, a.b + b.b};
}

inline float clamp01(float v) {
    return std::clamp(v, 0.0f, 1.0f);
}
inline float smooth01(float e0, float e1, float v) {
    const float t = clamp01((v - e0) / (e1 - e0));
    return t * t * (3.0f - 2.0f * t);
}

struct floatCanvas {
    int width = 0;
    int height = 0;
    std::vector<float> px; // r, g, b, a per pixel, colour premultiplied by alpha

    floatCanvas() = default;
    floatCanvas(int w, int h) : width(w), height(h), px(static_cast<size_t>(w) * h * 4, 0.0f) {}

    bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
    float *at(int x, int y) { return &px[(static_cast<size_t>(y) * width + x) * 4]; }
    const float *at(int x, int y) const { return &px[(static_cast<size_t>(y) * width + x) * 4]; }
    float alpha(int x, int y) const { return at(x, y)[3]; }

    // Paint colour with the given opacity over what is there.
    void blend(int x, int y, rgbColour c, float a) {
        if (a <= 0.0f || !inside(x, y)) {
            return;
        }
        float *p = at(x, y);
        const float keep = 1.0f - a;
        p[0] = c.r * a + p[0] * keep;
        p[1] = c.g * a + p[1] * keep;
        p[2] = c.b * a + p[2] * keep;
        p[3] = a + p[3] * keep;
    }
    // Light adds to what is there; it also makes the texel more opaque.
    void addLight(int x, int y, rgbColour c, float amount) {
        if (amount <= 0.0f || !inside(x, y)) {
            return;
        }
        float *p = at(x, y);
        p[0] += c.r * amount;
        p[1] += c.g * amount;
        p[2] += c.b * amount;
        p[3] = std::min(1.0f, p[3] + amount);
    }
    void fill(rgbColour c, float a = 1.0f) {
        for (int y = 0; y < height; y++) {
            for (int x = 0; x < width; x++) {
                float *p = at(x, y);
                p[0] = c.r * a;
                p[1] = c.g * a;
                p[2] = c.b * a;
                p[3] = a;
            }
        }
    }
};

struct floatRect {
    float x0, y0, x1, y1;
};

// Fills the shape whose signed distance (pixels, negative inside) sdf gives, over the
// box, shading each pixel with shade(x, y). Coverage of the pixel edge is the anti-aliasing.
template <typename distanceFunction, typename shadeFunction>
void fillShape(floatCanvas &canvas, floatRect box, distanceFunction sdf, shadeFunction shade,
               float opacity = 1.0f) {
    const int x0 = std::max(0, static_cast<int>(std::floor(box.x0 - 1)));
    const int y0 = std::max(0, static_cast<int>(std::floor(box.y0 - 1)));
    const int x1 = std::min(canvas.width - 1, static_cast<int>(std::ceil(box.x1 + 1)));
    const int y1 = std::min(canvas.height - 1, static_cast<int>(std::ceil(box.y1 + 1)));
    for (int y = y0; y <= y1; y++) {
        for (int x = x0; x <= x1; x++) {
            const float cx = x + 0.5f;
            const float cy = y + 0.5f;
            const float cover = clamp01(0.5f - sdf(cx, cy));
            if (cover > 0.0f) {
                canvas.blend(x, y, shade(cx, cy), cover * opacity);
            }
        }
    }
}

template <typename distanceFunction>
void fillShape(floatCanvas &canvas, floatRect box, distanceFunction sdf, rgbColour c, float opacity = 1.0f) {
    fillShape(
        canvas, box, sdf, [c](float, float) { return c; }, opacity);
}

// Signed distance helpers, all in pixels.
inline float sdCircle(float x, float y, float cx, float cy, float r) {
    return std::hypot(x - cx, y - cy) - r;
}
float sdEllipse(float x, float y, float cx, float cy, float rx, float ry);
float sdSegment(float x, float y, float ax, float ay, float bx, float by, float halfWidth);
float sdBox(float x, float y, float cx, float cy, float halfW, float halfH, float corner = 0.0f);
struct point {
    float x, y;
};
float sdPolygon(float x, float y, const std::vector<point> &poly);
floatRect boundsOf(const std::vector<point> &poly, float margin = 1.0f);

void fillCircle(floatCanvas &canvas, float cx, float cy, float r, rgbColour c, float opacity = 1.0f);
void fillEllipse(floatCanvas &canvas, float cx, float cy, float rx, float ry, rgbColour c,
                 float opacity = 1.0f);
void fillPolygon(floatCanvas &canvas, const std::vector<point> &poly, rgbColour c, float opacity = 1.0f);
void drawLine(floatCanvas &canvas, float ax, float ay, float bx, float by, float width, rgbColour c,
              float opacity = 1.0f);
// A soft round light: amount falls from peak at the centre to nothing at radius.
void addGlow(floatCanvas &canvas, float cx, float cy, float radius, rgbColour c, float peak);
// Box-blurs the canvas in place, three passes, for glows.
void blur(floatCanvas &canvas, int radius);
// Paints src over dst with its top-left corner at (ox, oy).
void paintOver(floatCanvas &dst, const floatCanvas &src, int ox, int oy, float opacity = 1.0f);
