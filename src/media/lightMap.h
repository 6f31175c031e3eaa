#pragma once
// One light level per tile of the current level (0 brightest … 24 dark), rebuilt for
// every frame of the 3-D view from the light shapes of the headlights and the objects.
#include <cmath>
#include <cstdint>

#include "media/lightShapes.h"

constexpr int lightMapSide = 101;

class lightMap {
  public:
    int32_t side = lightMapSide;                // the storage side; only the level's side × side are used
    uint8_t levels[lightMapSide][lightMapSide]; // [first coordinate][second coordinate]

    // Every tile dark.
    void clear();
    // Stamps a shape centred on tile (cx, cy) of a world of `worldSide` tiles that wraps at
    // its edges; each tile keeps the brighter of its level and the shape's.
    void stamp(const lightShapes &shapes, int shape, int32_t cx, int32_t cy, int32_t worldSide);

    uint8_t at(int32_t x, int32_t y) const { return levels[x][y]; }
};

// A tile index brought into 0 … side − 1, whatever its distance from the home square.
inline int32_t wrapTile(int64_t tile, int32_t side) {
    const int64_t wrapped = tile % side;
    return static_cast<int32_t>(wrapped < 0 ? wrapped + side : wrapped);
}

// The tile under a world coordinate, brought into 0 … side − 1; any coordinate at all,
// however far off (or not a number), gives a tile on the map.
inline int32_t wrappedTileOf(double coordinate, int32_t side) {
    if (!(coordinate > -1e15 && coordinate < 1e15)) {
        return 0;
    }
    return wrapTile(static_cast<int64_t>(std::floor(coordinate)), side);
}
