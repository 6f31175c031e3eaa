#pragma once
// One light level per tile of the current level (0 brightest … 24 dark), rebuilt for
// every frame of the 3-D view from the light shapes of the headlights and the objects.
#include <cmath>
#include <cstdint>

#include "media/lightShapes.h"
#include "world/wrapping.h"

constexpr int lightMapSide = 101;

class lightMap {
  public:
    int32_t side = lightMapSide; // the storage side; only the level's side × side are used
    // [second coordinate][first coordinate]: a stamp's rows run along the first coordinate,
    // so each lands on consecutive bytes.
    uint8_t levels[lightMapSide][lightMapSide];

    // Every tile dark.
    void clear();
    // Stamps a shape centred on tile (cx, cy) of a world of `worldSide` tiles that wraps at
    // its edges; each tile keeps the brighter of its level and the shape's.
    void stamp(const lightShapes &shapes, int shape, int32_t cx, int32_t cy, int32_t worldSide);

    uint8_t at(int32_t x, int32_t y) const { return levels[y][x]; }
};
