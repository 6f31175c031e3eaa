#include "artNoise.h"

#include <cmath>

float hash01(int x, int y, uint32_t seed) {
    uint32_t h =
        static_cast<uint32_t>(x) * 374761393u + static_cast<uint32_t>(y) * 668265263u + seed * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return static_cast<float>(h & 0xFFFFFF) / static_cast<float>(0xFFFFFF);
}

static int wrapped(int v, int period) {
    return ((v % period) + period) % period;
}

float tiledNoise(float x, float y, int period, uint32_t seed) {
    const int ix = static_cast<int>(std::floor(x));
    const int iy = static_cast<int>(std::floor(y));
    const float fx = x - ix, fy = y - iy;
    const float sx = fx * fx * (3 - 2 * fx), sy = fy * fy * (3 - 2 * fy);
    const int x0 = wrapped(ix, period), x1 = wrapped(ix + 1, period);
    const int y0 = wrapped(iy, period), y1 = wrapped(iy + 1, period);
    const float a = hash01(x0, y0, seed), b = hash01(x1, y0, seed);
    const float c = hash01(x0, y1, seed), d = hash01(x1, y1, seed);
    return (a + (b - a) * sx) + ((c + (d - c) * sx) - (a + (b - a) * sx)) * sy;
}

float tiledFractal(float x, float y, int period, uint32_t seed, int octaves) {
    float sum = 0, weight = 0, amp = 1;
    for (int o = 0; o < octaves; o++) {
        sum += tiledNoise(x, y, period, seed + o * 101u) * amp;
        weight += amp;
        x *= 2, y *= 2, period *= 2, amp *= 0.5f;
    }
    return sum / weight;
}
