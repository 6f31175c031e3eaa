#include "media/lightMap.h"

#include <algorithm>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// Each cell keeps the brighter (lower) of its level and the shape's.
// Sixteen cells at a time where the run is long enough: most rows of a lamp's light are.
void keepBrighter(uint8_t *cells, const uint8_t *shapeCells, int count) {
    int k = 0;
#if defined(__SSE2__)
    for (; k + 16 <= count; k += 16) {
        const __m128i level = _mm_loadu_si128(reinterpret_cast<const __m128i *>(cells + k));
        const __m128i shape = _mm_loadu_si128(reinterpret_cast<const __m128i *>(shapeCells + k));
        _mm_storeu_si128(reinterpret_cast<__m128i *>(cells + k), _mm_min_epu8(level, shape));
    }
    if (k + 8 <= count) {
        const __m128i level = _mm_loadl_epi64(reinterpret_cast<const __m128i *>(cells + k));
        const __m128i shape = _mm_loadl_epi64(reinterpret_cast<const __m128i *>(shapeCells + k));
        _mm_storel_epi64(reinterpret_cast<__m128i *>(cells + k), _mm_min_epu8(level, shape));
        k += 8;
    }
#endif
    for (; k < count; k++) {
        cells[k] = std::min(cells[k], shapeCells[k]);
    }
}

} // namespace

void lightMap::clear() {
    std::memset(levels, unlitLevel, sizeof(levels));
}

void lightMap::stamp(const lightShapes &shapes, int shape, int32_t cx, int32_t cy, int32_t worldSide) {
    if (shape < 0 || shape >= lightShapeCount || worldSide <= 0 || worldSide > lightMapSide) {
        return;
    }
    // Cells beyond the shape's reach are dark and would change nothing.
    const int32_t reach = shapes.reach[shape];
    const int width = 2 * reach + 1;
    const int32_t startX = wrapTile(static_cast<int64_t>(cx) - reach, worldSide);
    int32_t second = wrapTile(static_cast<int64_t>(cy) - reach, worldSide);
    for (int i = lightShapeRadius - reach; i <= lightShapeRadius + reach; i++) {
        const uint8_t *shapeRow = &shapes.levels[shape][i][lightShapeRadius - reach];
        uint8_t *row = levels[second];
        // The row in pieces that each end at the world's edge or the shape's, wrapping
        // around (more than once in a world narrower than the shape).
        int first = startX;
        for (int done = 0; done < width;) {
            const int piece = std::min(width - done, worldSide - first);
            keepBrighter(row + first, shapeRow + done, piece);
            done += piece;
            first = 0;
        }
        if (++second == worldSide) {
            second = 0;
        }
    }
}
