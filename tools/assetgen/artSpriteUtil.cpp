#include "artSpriteUtil.h"

static Canvas halfOf(const Canvas &wide, int from) {
    Canvas half(64, 64);
    for (int y = 0; y < 64; y++) {
        for (int x = 0; x < 64; x++) {
            std::copy(wide.at(x + from, y), wide.at(x + from, y) + 4, half.at(x, y));
        }
    }
    return half;
}

Canvas leftHalf(const Canvas &wide) {
    return halfOf(wide, 0);
}
Canvas rightHalf(const Canvas &wide) {
    return halfOf(wide, 64);
}

float ditherThreshold(int x, int y) {
    static const int bayer[16] = {0, 8, 2, 10, 12, 4, 14, 6, 3, 11, 1, 9, 15, 7, 13, 5};
    return (bayer[(y & 3) * 4 + (x & 3)] + 0.5f) / 16.0f;
}

void thinOut(Canvas &canvas, float density, float dim) {
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

void settleEdges(Canvas &canvas, float cut) {
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

void addHalo(Canvas &canvas, Colour colour, int radius, float strength) {
    Canvas spread = canvas;
    blur(spread, radius);
    for (int y = 0; y < canvas.height; y++) {
        for (int x = 0; x < canvas.width; x++) {
            const float around = spread.alpha(x, y) * (1.0f - canvas.alpha(x, y));
            canvas.addLight(x, y, colour, around * strength);
        }
    }
}

void addSprite(PictureSink &sink, const std::string &path, const Canvas &canvas, float cut) {
    sink.add(path, toSprite(canvas, cut));
}
