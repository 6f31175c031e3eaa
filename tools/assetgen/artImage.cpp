#include "artImage.h"

static uint8_t toByte(float v) {
    return static_cast<uint8_t>(std::lround(clamp01(v) * 255.0f));
}

static byteImage blankImage(const floatCanvas &canvas, bool hasAlpha) {
    byteImage image;
    image.width = canvas.width;
    image.height = canvas.height;
    image.hasAlpha = hasAlpha;
    image.rgba.assign(static_cast<size_t>(canvas.width) * canvas.height * 4, 255);
    return image;
}

byteImage toSprite(const floatCanvas &canvas, float cut, rgbColour backdrop) {
    byteImage image = blankImage(canvas, false);
    for (size_t i = 0; i < image.rgba.size() / 4; i++) {
        const float *p = &canvas.px[i * 4];
        uint8_t *o = &image.rgba[i * 4];
        if (p[3] < cut) {
            o[0] = 255, o[1] = 0, o[2] = 255;
            continue;
        }
        const float keep = 1.0f - std::min(p[3], 1.0f);
        o[0] = toByte(p[0] + backdrop.r * keep);
        o[1] = toByte(p[1] + backdrop.g * keep);
        o[2] = toByte(p[2] + backdrop.b * keep);
        if (o[0] == 255 && o[1] == 0 && o[2] == 255) {
            o[1] = 1;
        }
    }
    return image;
}

byteImage toRgba(const floatCanvas &canvas) {
    byteImage image = blankImage(canvas, true);
    for (size_t i = 0; i < image.rgba.size() / 4; i++) {
        const float *p = &canvas.px[i * 4];
        uint8_t *o = &image.rgba[i * 4];
        const float a = clamp01(p[3]);
        const float inv = a > 1e-6f ? 1.0f / a : 0.0f;
        o[0] = toByte(p[0] * inv);
        o[1] = toByte(p[1] * inv);
        o[2] = toByte(p[2] * inv);
        o[3] = toByte(a);
    }
    return image;
}

byteImage toRgb(const floatCanvas &canvas) {
    byteImage image = blankImage(canvas, false);
    for (size_t i = 0; i < image.rgba.size() / 4; i++) {
        for (int c = 0; c < 3; c++) {
            image.rgba[i * 4 + c] = toByte(canvas.px[i * 4 + c]);
        }
    }
    return image;
}

static bool isKey(const uint8_t *p) {
    return p[0] == 255 && p[1] == 0 && p[2] == 255;
}

byteImage shrunk(const byteImage &image, int factor) {
    byteImage out;
    out.width = image.width / factor;
    out.height = image.height / factor;
    out.hasAlpha = image.hasAlpha;
    out.rgba.assign(static_cast<size_t>(out.width) * out.height * 4, 0);
    for (int y = 0; y < out.height; y++) {
        for (int x = 0; x < out.width; x++) {
            int sum[4] = {0, 0, 0, 0};
            int solid = 0;
            for (int dy = 0; dy < factor; dy++) {
                for (int dx = 0; dx < factor; dx++) {
                    const uint8_t *p =
                        &image.rgba[(static_cast<size_t>(y * factor + dy) * image.width + x * factor + dx) *
                                    4];
                    if (!image.hasAlpha && isKey(p)) {
                        continue;
                    }
                    solid++;
                    for (int c = 0; c < 4; c++) {
                        sum[c] += p[c];
                    }
                }
            }
            uint8_t *o = &out.rgba[(static_cast<size_t>(y) * out.width + x) * 4];
            if (solid * 2 < factor * factor && !image.hasAlpha) {
                o[0] = 255, o[1] = 0, o[2] = 255, o[3] = 255;
                continue;
            }
            for (int c = 0; c < 4; c++) {
                o[c] = static_cast<uint8_t>(sum[c] / std::max(solid, 1));
            }
        }
    }
    return out;
}

byteImage enlarged(const byteImage &image, int factor) {
    byteImage out;
    out.width = image.width * factor;
    out.height = image.height * factor;
    out.hasAlpha = image.hasAlpha;
    out.rgba.resize(static_cast<size_t>(out.width) * out.height * 4);
    for (int y = 0; y < out.height; y++) {
        for (int x = 0; x < out.width; x++) {
            const uint8_t *p = &image.rgba[(static_cast<size_t>(y / factor) * image.width + x / factor) * 4];
            std::copy(p, p + 4, &out.rgba[(static_cast<size_t>(y) * out.width + x) * 4]);
        }
    }
    return out;
}
