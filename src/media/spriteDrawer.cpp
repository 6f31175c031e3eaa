// Billboards: every sprite of the draw list, farthest first, scaled from its 64 × 64 picture
// with the precomputed run tables and drawn texel by texel, with no depth buffer.
#include <algorithm>
#include <cmath>

#include "media/drawList.h"
#include "media/imageBank.h"
#include "media/renderer.h"

namespace {

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
    for (int row = 0; row < spriteTableRows; row++) {
        rowStart[row][0] = 0;
        for (int texel = 0; texel < shadedPictureSize; texel++) {
            rowStart[row][texel + 1] = rowStart[row][texel] + rowRun[row][texel];
        }
    }
}

// Where a sprite lands on the screen; false when it is hidden, behind the driver or wholly
// beside the screen, so that only the sprites drawn are sorted.
bool renderer::projectSprite(const camera &view, const spriteRecord &record, spriteOnScreen &place) const {
    if (!record.visible) {
        return false;
    }
    const double sx = record.x - view.x;
    const double sy = record.y - view.y;
    double tX = invDet * (view.dirY * sx - view.dirX * sy);
    double tY = invDet * (-view.planeY * sx + view.planeX * sy);
    tX = tX == 0 ? 0.000001 : tX;
    tY = tY == 0 ? 0.000001 : tY;
    if (tY <= 0) {
        return false; // behind the driver
    }
    place.screenX = clampedFloor((tX / tY + 1) * 320);
    place.h = std::abs(clampedFloor(480 / tY));
    place.tY = tY;
    // Every column drawn, of either half of a split sprite, lies within h of screenX.
    const int64_t reach = place.h + 1;
    return place.screenX - reach <= screenRight && place.screenX + reach >= 1;
}

// A comb sort, farthest first. Two records at equal distances are never swapped with each
// other, but a swap across a gap can still carry one past another: with three or more
// records, equal distances do not always keep their order in the list.
void renderer::sortSpritesFarthestFirst(const camera &view) {
    const int count = shownSprites;
    double distances[drawListCapacity]; // by place in onScreen
    for (int i = 0; i < count; i++) {
        spriteOrder[i] = i;
        distances[i] = squaredDistance(view, sprites.records[onScreen[i].record]);
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
    shownSprites = 0;
    for (int i = 0; i < sprites.count; i++) {
        spriteOnScreen &place = onScreen[shownSprites];
        if (projectSprite(view, sprites.records[i], place)) {
            place.record = i;
            shownSprites++;
        }
    }
    sortSpritesFarthestFirst(view);
    SDL_Surface *screen = images.slots[screenSlot];
    for (int i = 0; i < shownSprites; i++) {
        const spriteOnScreen &place = onScreen[spriteOrder[i]];
        drawSprite(screen, side, sprites.records[place.record], place);
    }
}

void renderer::drawSprite(SDL_Surface *screen, int32_t side, const spriteRecord &record,
                          const spriteOnScreen &place) {
    const int64_t screenX = place.screenX;
    const int64_t h = place.h;
    const double tY = place.tY;
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

// One texel of a sprite covers a block of screen pixels: the columns [left, right) and the
// rows [firstRow, endRow).
static void fillBlock(Uint8 *pixels, int pitch, int left, int right, int firstRow, int endRow, Uint32 texel) {
    for (int y = firstRow; y < endRow; y++) {
        Uint32 *const row = reinterpret_cast<Uint32 *>(pixels + y * pitch);
        for (int x = left; x < right; x++) {
            row[x] = texel;
        }
    }
}

// Texel column tx over the screen columns [left, right): its opaque runs, top to bottom. A
// texel row is drawn when it starts above the sprite's foot; nothing is drawn below the view.
void renderer::drawPictureColumn(SDL_Surface *screen, const shadedTexels &texels, int tx, int left, int right,
                                 int top, int bottom) const {
    const int32_t *rowsAbove = rowStart[bottom - 240];
    const int viewBottom = std::min<int>(viewRect.y + viewRect.h, screen->h);
    const int endRow = std::min(bottom, viewBottom);
    Uint8 *const pixels = static_cast<Uint8 *>(screen->pixels);
    const opaqueRuns &runs = *texels.runs;
    for (int run = runs.firstOfColumn[tx]; run < runs.firstOfColumn[tx + 1]; run++) {
        for (int ty = runs.start[run]; ty < runs.end[run]; ty++) {
            const int firstRow = top + rowsAbove[ty];
            if (firstRow >= endRow) {
                return; // the rows below start lower still
            }
            // A far sprite has more texel rows than screen rows: most cover none.
            const int blockEnd = std::min(top + rowsAbove[ty + 1], viewBottom);
            if (blockEnd <= firstRow) {
                continue;
            }
            const Uint32 texel = texels.at(tx, ty);
            if (!isKeyTexel(texel)) {
                fillBlock(pixels, screen->pitch, left, right, firstRow, blockEnd, texel);
            }
        }
    }
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
    int64_t x = first;
    for (int tx = 0; tx < shadedPictureSize && x <= last; tx++) {
        // Column 0 of the screen is never drawn.
        const int left = static_cast<int>(std::clamp<int64_t>(x, 1, screenRight + 1));
        x += columns[tx];
        const int right = static_cast<int>(std::clamp<int64_t>(x, 1, screenRight + 1));
        if (left < right) {
            drawPictureColumn(screen, texels, tx, left, right, top, bottom);
        }
    }
}
