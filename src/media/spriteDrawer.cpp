// Billboards: every sprite of the draw list, farthest first, scaled from its 64 × 64 picture
// with the precomputed run tables and drawn texel by texel, with no depth buffer.
#include <algorithm>
#include <cmath>

#include "media/drawList.h"
#include "media/imageBank.h"
#include "media/renderer.h"

namespace {

constexpr Uint32 colourBits = 0x00FFFFFF;
constexpr Uint32 transparentMagenta = 0x00FF00FF;
constexpr int screenRight = 639;
// Beyond this a sprite is far outside the screen; clamping keeps the arithmetic in range.
constexpr double coordinateLimit = 1e9;

double squaredDistance(const camera &view, const spriteRecord &record) {
    const double dx = view.x - record.x;
    const double dy = view.y - record.y;
    return dx * dx + dy * dy;
}

int64_t clampedFloor(double value) {
    if (value != value) {
        return static_cast<int64_t>(coordinateLimit); // not a number: far off screen
    }
    return static_cast<int64_t>(std::clamp(value, -coordinateLimit, coordinateLimit));
}

} // namespace

void renderer::prepareSpriteTables() {
    for (int row = 0; row < spriteTableRows; row++) {
        for (int texel = 0; texel < spriteTableTexels; texel++) {
            columnRun[row][texel] = 0;
            rowRun[row][texel] = 0;
        }
    }
    for (int r = 241; r <= 480; r++) {
        const int h = 2 * (r - 240);
        const int left = 320 - h / 2;
        for (int x = std::max(left, 0); x < std::min(320 + h / 2, 640); x++) {
            columnRun[r - 240][(x - left) * 64 / h]++;
        }
        for (int y = 240 - h / 2 + 1; y <= r; y++) {
            const int ty = (128 * (2 * y + h) - 61440) / 4 / h;
            if (ty >= 0 && ty < spriteTableTexels) {
                rowRun[r - 240][ty]++;
            }
        }
    }
}

// A comb sort, farthest first. Two records at equal distances are never swapped with each
// other, but a swap across a gap can still carry one past another: with three or more
// records, equal distances do not always keep their order in the list.
void renderer::sortSpritesFarthestFirst(const camera &view) {
    const int count = sprites.count;
    double distances[drawListCapacity];
    for (int i = 0; i < count; i++) {
        spriteOrder[i] = i;
        distances[i] = squaredDistance(view, sprites.records[i]);
    }
    int gap = count;
    bool swapped = false;
    while (gap > 1 || swapped) {
        gap = gap * 10 / 13;
        if (gap == 9 || gap == 10) {
            gap = 11;
        }
        gap = std::max(gap, 1);
        swapped = false;
        for (int i = 0; i < count - gap; i++) {
            if (distances[spriteOrder[i + gap]] > distances[spriteOrder[i]]) {
                std::swap(spriteOrder[i], spriteOrder[i + gap]);
                swapped = true;
            }
        }
    }
}

void renderer::drawSprites() {
    const camera &view = *shown.view;
    const int32_t side = shown.level.side;
    if (side <= 0 || side > lightMapSide) {
        return;
    }
    sortSpritesFarthestFirst(view);
    SDL_Surface *screen = images.slots[screenSlot];
    for (int i = 0; i < sprites.count; i++) {
        const spriteRecord &record = sprites.records[spriteOrder[i]];
        if (record.visible) {
            drawSprite(screen, view, side, record);
        }
    }
}

void renderer::drawSprite(SDL_Surface *screen, const camera &view, int32_t side, const spriteRecord &record) {
    const double sx = record.x - view.x;
    const double sy = record.y - view.y;
    double tX = invDet * (view.dirY * sx - view.dirX * sy);
    double tY = invDet * (-view.planeY * sx + view.planeX * sy);
    tX = tX == 0 ? 0.000001 : tX;
    tY = tY == 0 ? 0.000001 : tY;
    if (tY <= 0) {
        return; // behind the driver
    }
    const int64_t screenX = clampedFloor((tX / tY + 1) * 320);
    const int64_t h = std::abs(clampedFloor(480 / tY));
    const int top = static_cast<int>(std::max<int64_t>(240 - h / 2, 0));
    const int bottom = static_cast<int>(std::min<int64_t>(240 + h / 2, 479));

    const int level = record.fixedShade ? record.shade
                                        : light.at(wrapTile(static_cast<int32_t>(std::ceil(record.x)), side),
                                                   wrapTile(static_cast<int32_t>(std::ceil(record.y)), side));
    if (level < 0 || level >= lightLevels) {
        return;
    }
    const auto atLevel = [level](int32_t picture) { return picture > 0 ? picture + level : 0; };
    if (!record.split) {
        drawPicture(screen, atLevel(record.image), screenX - h / 2,
                    std::min<int64_t>(screenX + h / 2, screenRight), top, bottom, tY);
        return;
    }
    // The two halves are each h wide and share one column.
    drawPicture(screen, atLevel(record.leftImage), screenX - h, std::min<int64_t>(screenX, screenRight), top,
                bottom, tY);
    drawPicture(screen, atLevel(record.rightImage), screenX - 1,
                std::min<int64_t>(screenX + h - 1, screenRight), top, bottom, tY);
}

void renderer::drawPicture(SDL_Surface *screen, int picture, int64_t first, int64_t last, int top, int bottom,
                           double tY) {
    // Only shaded pictures are sprites: a record with no picture (0) draws nothing.
    if (picture < blankBase || picture >= imageSlotCount || tY <= 0 || first > screenRight) {
        return;
    }
    const shadedTexels texels = images.texelsAt(picture);
    if (texels.indices == nullptr) {
        return;
    }
    const int32_t *columns = columnRun[bottom - 240];
    const int32_t *rows = rowRun[bottom - 240];
    const int viewBottom = std::min<int>(viewRect.y + viewRect.h, screen->h);
    Uint8 *const pixels = static_cast<Uint8 *>(screen->pixels);

    int64_t x = first;
    for (int tx = 0; tx < shadedPictureSize && x <= last; tx++) {
        for (int repeat = 0; repeat < columns[tx]; repeat++, x++) {
            if (x <= 0 || x >= 640) {
                continue;
            }
            int y = top;
            for (int ty = 0; ty < shadedPictureSize && y < bottom; ty++) {
                const Uint32 texel = texels.at(tx, ty);
                const bool opaque = (texel & colourBits) != transparentMagenta;
                for (int run = 0; run < rows[ty]; run++, y++) {
                    if (opaque && y < viewBottom) {
                        reinterpret_cast<Uint32 *>(pixels + y * screen->pitch)[x] = texel;
                    }
                }
            }
        }
    }
}
