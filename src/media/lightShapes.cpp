#include "media/lightShapes.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace {

// A small glow for butterflies: a handful of cells around the centre.
int32_t glowShape(int d2) {
    switch (d2) {
    case 0:
        return 6;
    case 1:
        return 9;
    case 2:
        return 14;
    case 4:
        return 19;
    case 5:
        return 22;
    default:
        return unlitLevel;
    }
}

// A wider, uneven pool of light.
int32_t poolShape(int dx, int dy, int d2) {
    if (dx == 1 && dy == -4) {
        return unlitLevel;
    }
    switch (d2) {
    case 0:
        return 3;
    case 1:
        return 4;
    case 2:
        return 7;
    case 4:
        return 9;
    case 5:
        return 11;
    case 8:
    case 9:
        return 14;
    case 10:
        return 15;
    case 13:
        return 18;
    case 16:
        return 19;
    case 17:
        return 20;
    case 18:
        return 21;
    case 20:
        return 22;
    default:
        return unlitLevel;
    }
}

// Light falling off linearly with distance, at a rate per tile.
int32_t linearShape(int d2, double levelsPerTile) {
    const double r = std::sqrt(static_cast<double>(d2));
    return std::min(unlitLevel, static_cast<int32_t>(std::floor(r * levelsPerTile)));
}

// The full flash: one level darker at each of these squared distances.
int32_t flashShape(int dx, int dy, int d2) {
    static const int thresholds[] = {1,  2,  5,   8,   13,  18,  25,  32,  40,  49,  61,  72,
                                     85, 97, 113, 128, 144, 160, 178, 196, 218, 241, 260, 288};
    if (dy == 16 && (std::abs(dx) == 2 || std::abs(dx) == 3)) {
        return 22;
    }
    return static_cast<int32_t>(std::count_if(std::begin(thresholds), std::end(thresholds),
                                              [d2](int threshold) { return d2 >= threshold; }));
}

int32_t shapeLevel(int shape, int dx, int dy) {
    const int d2 = dx * dx + dy * dy;
    switch (shape) {
    case 1:
        return glowShape(d2);
    case 2:
        return poolShape(dx, dy, d2);
    case 3:
        return linearShape(d2, 10.0 / 3.0);
    case 4:
        return linearShape(d2, 2.499);
    case 5:
        return linearShape(d2, 2.0);
    case 6:
        return linearShape(d2, 5.0 / 3.0);
    case 7:
        return flashShape(dx, dy, d2);
    default:
        return unlitLevel;
    }
}

} // namespace

lightShapes::lightShapes() {
    for (int shape = 0; shape < lightShapeCount; shape++) {
        reach[shape] = -1;
        for (int dy = -lightShapeRadius; dy <= lightShapeRadius; dy++) {
            for (int dx = -lightShapeRadius; dx <= lightShapeRadius; dx++) {
                const int32_t level = shapeLevel(shape, dx, dy);
                levels[shape][dy + lightShapeRadius][dx + lightShapeRadius] = static_cast<uint8_t>(level);
                if (level < unlitLevel) {
                    reach[shape] = std::max({reach[shape], std::abs(dx), std::abs(dy)});
                }
            }
        }
    }
}
