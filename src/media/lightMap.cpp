#include "media/lightMap.h"

#include <cstring>

void lightMap::clear() {
    std::memset(levels, unlitLevel, sizeof(levels));
}

void lightMap::stamp(const lightShapes &shapes, int shape, int32_t cx, int32_t cy, int32_t worldSide) {
    if (shape < 0 || shape >= lightShapeCount || worldSide <= 0 || worldSide > lightMapSide) {
        return;
    }
    const int32_t startX = wrapTile(static_cast<int64_t>(cx) - lightShapeRadius, worldSide);
    int32_t second = wrapTile(static_cast<int64_t>(cy) - lightShapeRadius, worldSide);
    for (int i = 0; i < lightShapeSize; i++) {
        const int32_t *shapeRow = shapes.levels[shape][i];
        int32_t first = startX;
        for (int j = 0; j < lightShapeSize; j++) {
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
