#include "artCanvas.h"

float sdEllipse(float x, float y, float cx, float cy, float rx, float ry) {
    // Scaled circle distance: exact enough for the small ellipses drawn here.
    const float dx = (x - cx) / rx;
    const float dy = (y - cy) / ry;
    const float len = std::hypot(dx, dy);
    if (len < 1e-6f) {
        return -std::min(rx, ry);
    }
    const float gradient = std::hypot(dx / rx, dy / ry) / len;
    return (len - 1.0f) * len / std::max(gradient * len, 1e-6f);
}

float sdSegment(float x, float y, float ax, float ay, float bx, float by, float halfWidth) {
    const float px = x - ax, py = y - ay;
    const float vx = bx - ax, vy = by - ay;
    const float lengthSq = vx * vx + vy * vy;
    const float t = lengthSq > 0.0f ? clamp01((px * vx + py * vy) / lengthSq) : 0.0f;
    return std::hypot(px - vx * t, py - vy * t) - halfWidth;
}

float sdBox(float x, float y, float cx, float cy, float halfW, float halfH, float corner) {
    const float qx = std::abs(x - cx) - halfW + corner;
    const float qy = std::abs(y - cy) - halfH + corner;
    const float outside = std::hypot(std::max(qx, 0.0f), std::max(qy, 0.0f));
    return outside + std::min(std::max(qx, qy), 0.0f) - corner;
}

float sdPolygon(float x, float y, const std::vector<point> &poly) {
    float best = 1e30f;
    bool in = false;
    const size_t n = poly.size();
    for (size_t i = 0, j = n - 1; i < n; j = i++) {
        const point a = poly[j], b = poly[i];
        const float ex = b.x - a.x, ey = b.y - a.y;
        const float wx = x - a.x, wy = y - a.y;
        const float t = clamp01((wx * ex + wy * ey) / std::max(ex * ex + ey * ey, 1e-12f));
        const float dx = wx - ex * t, dy = wy - ey * t;
        best = std::min(best, dx * dx + dy * dy);
        if ((a.y > y) != (b.y > y) && x < a.x + (y - a.y) * ex / ey) {
            in = !in;
        }
    }
    const float d = std::sqrt(best);
    return in ? -d : d;
}

floatRect boundsOf(const std::vector<point> &poly, float margin) {
    floatRect r{1e30f, 1e30f, -1e30f, -1e30f};
    for (const point &p : poly) {
        r.x0 = std::min(r.x0, p.x);
        r.y0 = std::min(r.y0, p.y);
        r.x1 = std::max(r.x1, p.x);
        r.y1 = std::max(r.y1, p.y);
    }
    return {r.x0 - margin, r.y0 - margin, r.x1 + margin, r.y1 + margin};
}

void fillCircle(floatCanvas &canvas, float cx, float cy, float r, rgbColour c, float opacity) {
    fillShape(
        canvas, {cx - r, cy - r, cx + r, cy + r}, [=](float x, float y) { return sdCircle(x, y, cx, cy, r); },
        c, opacity);
}

void fillEllipse(floatCanvas &canvas, float cx, float cy, float rx, float ry, rgbColour c, float opacity) {
    fillShape(
        canvas, {cx - rx, cy - ry, cx + rx, cy + ry},
        [=](float x, float y) { return sdEllipse(x, y, cx, cy, rx, ry); }, c, opacity);
}

void fillPolygon(floatCanvas &canvas, const std::vector<point> &poly, rgbColour c, float opacity) {
    fillShape(
        canvas, boundsOf(poly), [&](float x, float y) { return sdPolygon(x, y, poly); }, c, opacity);
}

void drawLine(floatCanvas &canvas, float ax, float ay, float bx, float by, float width, rgbColour c,
              float opacity) {
    const float h = width * 0.5f;
    const floatRect box{std::min(ax, bx) - h, std::min(ay, by) - h, std::max(ax, bx) + h,
                        std::max(ay, by) + h};
    fillShape(
        canvas, box, [=](float x, float y) { return sdSegment(x, y, ax, ay, bx, by, h); }, c, opacity);
}

void addGlow(floatCanvas &canvas, float cx, float cy, float radius, rgbColour c, float peak) {
    const int x0 = std::max(0, static_cast<int>(cx - radius - 1));
    const int y0 = std::max(0, static_cast<int>(cy - radius - 1));
    const int x1 = std::min(canvas.width - 1, static_cast<int>(cx + radius + 1));
    const int y1 = std::min(canvas.height - 1, static_cast<int>(cy + radius + 1));
    for (int y = y0; y <= y1; y++) {
        for (int x = x0; x <= x1; x++) {
            const float d = std::hypot(x + 0.5f - cx, y + 0.5f - cy) / radius;
            if (d < 1.0f) {
                const float fall = (1.0f - d) * (1.0f - d);
                canvas.addLight(x, y, c, peak * fall);
            }
        }
    }
}

static void blurLine(float *data, int count, int stride, int radius, std::vector<float> &scratch) {
    scratch.resize(static_cast<size_t>(count) * 4);
    for (int i = 0; i < count; i++) {
        for (int c = 0; c < 4; c++) {
            scratch[static_cast<size_t>(i) * 4 + c] = data[static_cast<size_t>(i) * stride + c];
        }
    }
    const float norm = 1.0f / static_cast<float>(2 * radius + 1);
    for (int c = 0; c < 4; c++) {
        float sum = 0.0f;
        for (int k = -radius; k <= radius; k++) {
            const int i = std::clamp(k, 0, count - 1);
            sum += scratch[static_cast<size_t>(i) * 4 + c];
        }
        for (int i = 0; i < count; i++) {
            data[static_cast<size_t>(i) * stride + c] = sum * norm;
            const int out = std::clamp(i - radius, 0, count - 1);
            const int in = std::clamp(i + radius + 1, 0, count - 1);
            sum += scratch[static_cast<size_t>(in) * 4 + c] - scratch[static_cast<size_t>(out) * 4 + c];
        }
    }
}

void blur(floatCanvas &canvas, int radius) {
    std::vector<float> scratch;
    for (int pass = 0; pass < 3; pass++) {
        for (int y = 0; y < canvas.height; y++) {
            blurLine(canvas.at(0, y), canvas.width, 4, radius, scratch);
        }
        for (int x = 0; x < canvas.width; x++) {
            blurLine(canvas.at(x, 0), canvas.height, canvas.width * 4, radius, scratch);
        }
    }
}

void paintOver(floatCanvas &dst, const floatCanvas &src, int ox, int oy, float opacity) {
    for (int y = 0; y < src.height; y++) {
        for (int x = 0; x < src.width; x++) {
            if (!dst.inside(x + ox, y + oy)) {
                continue;
            }
            const float *s = src.at(x, y);
            float *d = dst.at(x + ox, y + oy);
            const float keep = 1.0f - s[3] * opacity;
            for (int c = 0; c < 4; c++) {
                d[c] = s[c] * opacity + d[c] * keep;
            }
        }
    }
}
