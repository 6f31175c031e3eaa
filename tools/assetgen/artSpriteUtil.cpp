#include "artSpriteUtil.h"

static floatCanvas halfOf(const floatCanvas &wide, int from) {
    floatCanvas half(64, 64);
    for (int y = 0; y < 64; y++) {
        for (int x = 0; x < 64; x++) {
            std::copy(wide.at(x + from, y), wide.at(x + from, y) + 4, half.at(x, y));
        }
    }
    return half;
}

floatCanvas leftHalf(const floatCanvas &wide) {
    return halfOf(wide, 0);
}
floatCanvas rightHalf(const floatCanvas &wide) {
    return halfOf(wide, 64);
}

float ditherThreshold(int x, int y) {
    static const int bayer[16] = {0, 8, 2, 10, 12, 4, 14, 6, 3, 11, 1, 9, 15, 7, 13, 5};
    return (bayer[(y & 3) * 4 + (x & 3)] + 0.5f) / 16.0f;
}

void thinOut(floatCanvas &canvas, float density, float dim) {
    for (int y = 0; y < canvas.height; y++) {
        for (int x = 0; x < canvas.width; x++) {
            float *p = canvas.at(x, y);
            const float keep = ditherThreshold(x, y) < density ? dim : 0.0f;
            for (int c = 0; c < 4; c++) {
                p[c] *= (c == 3 && keep > 0) ? 1.0f : keep;
            }
        }
    }
}

void settleEdges(floatCanvas &canvas, float cut) {
    for (int y = 0; y < canvas.height; y++) {
        for (int x = 0; x < canvas.width; x++) {
            float *p = canvas.at(x, y);
            const float scale = p[3] >= cut ? 1.0f / p[3] : 0.0f;
            for (int c = 0; c < 4; c++) {
                p[c] *= scale;
            }
        }
    }
}

void addHalo(floatCanvas &canvas, rgbColour colour, int radius, float strength) {
    floatCanvas spread = canvas;
    blur(spread, radius);
    for (int y = 0; y < canvas.height; y++) {
        for (int x = 0; x < canvas.width; x++) {
            const float around = spread.alpha(x, y) * (1.0f - canvas.alpha(x, y));
            canvas.addLight(x, y, colour, around * strength);
        }
    }
}

void addSprite(pictureSink &sink, const std::string &path, const floatCanvas &canvas, float cut) {
    sink.add(path, toSprite(canvas, cut));
}
