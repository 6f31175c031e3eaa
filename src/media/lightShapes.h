#pragma once
// The eight radial light shapes stamped into the light map: each gives a light level
// (0 brightest … 24 dark) for every cell within 16 tiles of its centre.
#include <cstdint>

constexpr int lightShapeCount = 8;
constexpr int lightShapeRadius = 16;
constexpr int lightShapeSize = 2 * lightShapeRadius + 1;
constexpr int32_t unlitLevel = 24;

class lightShapes {
  public:
    lightShapes();

    // [shape][dy + 16][dx + 16]: dx along the world's first coordinate, dy along the second.
    // Bytes, like the light map's, so a stamp row is a plain run of byte minimums.
    uint8_t levels[lightShapeCount][lightShapeSize][lightShapeSize];
    // How far from its centre each shape lights anything: beyond this every cell is dark,
    // so stamping can stop there (-1 for the shape that lights nothing).
    int32_t reach[lightShapeCount];

    int32_t at(int shape, int dx, int dy) const {
        return levels[shape][dy + lightShapeRadius][dx + lightShapeRadius];
    }
};
