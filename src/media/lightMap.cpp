#include "media/lightMap.h"

#include <cstring>

void lightMap::clear() {
    std::memset(levels, unlitLevel, sizeof(levels));
}

void lightMap::stamp(const lightShapes &shapes, int shape, int32_t cx, int32_t cy, int32_t worldSide) {
    if (shape < 0 || shape >= lightShapeCount || worldSide <= 0 || worldSide > lightMapSide) {
        return;
    }
    // Cells beyond the shape's reach are dark and would change nothing.
    const int32_t reach = shapes.reach[shape];
    const int32_t startX = wrapTile(static_cast<int64_t>(cx) - reach, worldSide);
    int32_t second = wrapTile(static_cast<int64_t>(cy) - reach, worldSide);
    for (int i = lightShapeRadius - reach; i <= lightShapeRadius + reach; i++) {
        const int32_t *shapeRow = shapes.levels[shape][i];
        int32_t first = startX;
        for (int j = lightShapeRadius - reach; j <= lightShapeRadius + reach; j++) {
            uint8_t &level = levels[first][second];
            if (shapeRow[j] < level) {
                level = static_cast<uint8_t>(shapeRow[j]);
            }
            if (++first == worldSide) {
                first = 0;
            }
        }
        if (++second == worldSide) {
            second = 0;
        }
    }
}
