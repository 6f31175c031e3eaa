// The floor: one ray per screen column walks the tile grid to the far end of the view, and
// each floor row of that column samples the ground picture of its tile at the tile's light.
#include <algorithm>
#include <cmath>

#include "media/drawList.h"
#include "media/helpers.h"
#include "media/imageBank.h"
#include "media/renderer.h"

namespace {

constexpr int gridSteps = 26; // no walls: every ray walks this far
constexpr Uint32 colourBits = 0x00FFFFFF;

// The far end of one column's ray, and how far it is.
struct rayEnd {
    double farX, farY;
    double dist;
};

rayEnd walkRay(const camera &view, double rayDirX, double rayDirY) {
    int mapX = static_cast<int>(std::floor(view.x));
    int mapY = static_cast<int>(std::floor(view.y));
    // A ray along an axis never crosses the other axis's grid lines.
    const double deltaDistX = rayDirX == 0 ? 1e30 : std::sqrt(1 + rayDirY * rayDirY / (rayDirX * rayDirX));
    const double deltaDistY = rayDirY == 0 ? 1e30 : std::sqrt(1 + rayDirX * rayDirX / (rayDirY * rayDirY));
    const int stepX = rayDirX < 0 ? -1 : 1;
    const int stepY = rayDirY < 0 ? -1 : 1;
    double sideDistX = rayDirX < 0 ? (view.x - mapX) * deltaDistX : (mapX + 1 - view.x) * deltaDistX;
    double sideDistY = rayDirY < 0 ? (view.y - mapY) * deltaDistY : (mapY + 1 - view.y) * deltaDistY;
    int side = 0;
    for (int i = 0; i < gridSteps; i++) {
        if (sideDistX < sideDistY) {
            sideDistX += deltaDistX;
            mapX += stepX;
            side = 0;
        } else {
            sideDistY += deltaDistY;
            mapY += stepY;
            side = 1;
        }
    }
    const double edgeX = mapX - view.x + (1 - stepX) / 2;
    const double edgeY = mapY - view.y + (1 - stepY) / 2;
    rayEnd end;
    if (side == 0) {
        end.dist = std::fabs(edgeX / rayDirX);
        const double hit = view.y + edgeX / rayDirX * rayDirY;
        end.farX = rayDirX > 0 ? mapX : mapX + 1;
        end.farY = mapY + (hit - std::floor(hit));
    } else {
        end.dist = std::fabs(edgeY / rayDirY);
        const double hit = view.x + edgeY / rayDirY * rayDirX;
        end.farX = mapX + (hit - std::floor(hit));
        end.farY = rayDirY > 0 ? mapY : mapY + 1;
    }
    return end;
}

// Into 0 … side by whole sides; a value of exactly `side` is tile 0.
double wrapFloor(double value, int32_t side) {
    while (value < 0) {
        value += side;
    }
    while (value > side) {
        value -= side;
    }
    return value;
}

int floorTile(double value, int32_t side) {
    const int tile = static_cast<int>(value);
    return tile >= side ? 0 : tile;
}

} // namespace

void renderer::fillLightMap() {
    const int32_t side = shown.level.side;
    const camera &view = *shown.view;
    light.clear();
    for (int k = 0; k < 2; k++) {
        light.stamp(shapes, view.light, view.lampTileX[k], view.lampTileY[k], side);
    }
    for (const spriteRecord &record : sprites.records) {
        if (record.emitsLight) {
            light.stamp(shapes, record.lightShape, tileIndex(record.x, side), tileIndex(record.y, side),
                        side);
        }
    }
}

bool renderer::floorBand(int &firstColumn, int &lastColumn, int &lastRow) const {
    const SDL_Surface *screen = images.slots[screenSlot];
    const int32_t side = shown.level.side;
    if (shown.view == nullptr || side <= 0 || side > lightMapSide || shown.level.ground == nullptr) {
        return false;
    }
    // Only columns strictly inside the view band can receive a floor pixel.
    firstColumn = std::max(0, viewRect.x + 1);
    lastColumn = std::min(shown.view->screenWidth, viewRect.x + viewRect.w) - 1;
    lastRow = std::min<int>(viewRect.y + viewRect.h - 1, screen->h);
    return true;
}

void renderer::castFloor() {
    SDL_Surface *screen = images.slots[screenSlot];
    int firstColumn = 0;
    int lastColumn = 0;
    int lastRow = 0;
    if (!floorBand(firstColumn, lastColumn, lastRow)) {
        return;
    }
    const int32_t side = shown.level.side;
    const camera &view = *shown.view;
    int firstRow = lastRow;
    int allRaysRow = 0;       // from this row on, every column has floor
    double nearestEnd = 1e30; // rows nearer than every ray's end are not held at the end
    skewedRays = 0;
    for (int x = firstColumn; x <= lastColumn; x++) {
        const floorRay &ray = castColumnRay(view, x);
        firstRow = std::min(firstRow, ray.firstRow);
        allRaysRow = std::max(allRaysRow, ray.firstRow);
        nearestEnd = std::min(nearestEnd, ray.dist);
        if (ray.skewed) {
            skewedColumns[skewedRays++] = x;
        }
    }
    skewedColumns[skewedRays] = lastColumn + 1; // a stop past the row's end
    const floorRowSpan span = {screen, &view, side, 0, firstColumn, lastColumn};
    // The clear leaves the band to the floor: the rows above every ray's end are black.
    for (int y = std::max<int>(viewRect.y, 0); y < std::min(firstRow, lastRow); y++) {
        floorRowSpan row = span;
        row.y = y;
        std::fill(rowPixels(row) + firstColumn, rowPixels(row) + lastColumn + 1, Uint32{0});
    }
    // Row by row, so the screen is written in the order it lies in memory.
    for (int y = firstRow; y < lastRow; y++) {
        floorRowSpan row = span;
        row.y = y;
        if (steppedFloor && y >= allRaysRow && rowDistance[y] < nearestEnd) {
            castSteppedFloorRow(row);
        } else {
            castFloorRow(row);
        }
    }
}

const renderer::floorRay &renderer::castColumnRay(const camera &view, int x) {
    const double cameraX = 2.0 * x / view.screenWidth - 1;
    const double rayDirX = view.dirX + view.planeX * cameraX;
    const double rayDirY = view.dirY + view.planeY * cameraX;
    const rayEnd end = walkRay(view, rayDirX, rayDirY);
    floorRay &ray = floorRays[x];
    ray.farX = end.farX;
    ray.farY = end.farY;
    ray.dist = end.dist;
    const int lineHeight = static_cast<int>(view.screenHeight / end.dist);
    ray.firstRow = std::abs(lineHeight) / 2 + view.screenHeight / 2;
    // Rounding at a grid corner can leave the far end a whole tile off the ray; such a
    // column is not on the straight line the stepped rows follow.
    constexpr double onRay = 1e-9;
    ray.skewed = !(std::fabs(view.x + end.dist * rayDirX - end.farX) < onRay &&
                   std::fabs(view.y + end.dist * rayDirY - end.farY) < onRay);
    return ray;
}

// The ground texels of a tile at its light, looked up once for a run of pixels on one tile.
struct renderer::groundRun {
    int tileX = -1;
    int tileY = -1;
    shadedTexels texels;

    void moveTo(const renderer &caster, int x, int y) {
        if (x == tileX && y == tileY) {
            return;
        }
        tileX = x;
        tileY = y;
        const int32_t code = caster.shown.level.ground[x][y];
        const bool known = code >= 0 && code < groundTileCodes;
        texels = known ? caster.groundTexels[code][caster.light.at(x, y)] : shadedTexels{};
    }
    // Black texels, and tiles with no picture, are drawn black: the clear leaves the
    // floor's band to the floor.
    void put(Uint32 *pixel, int tx, int ty) const {
        const Uint32 texel = texels.indices == nullptr ? 0 : texels.at(tx, ty);
        *pixel = (texel & colourBits) != 0 ? texel : 0;
    }
};

// One pixel's floor point, interpolated between the driver and the far end of its column's
// ray in doubles and wrapped back onto the level.
void renderer::castFloorPixel(const floorRowSpan &row, int x, groundRun &run) const {
    const floorRay &ray = floorRays[x];
    const double weight = std::min(rowDistance[row.y] / ray.dist, 1.0);
    const double floorX = wrapFloor(weight * ray.farX + (1 - weight) * row.view->x, row.side);
    const double floorY = wrapFloor(weight * ray.farY + (1 - weight) * row.view->y, row.side);
    run.moveTo(*this, floorTile(floorX, row.side), floorTile(floorY, row.side));
    run.put(rowPixels(row) + x, static_cast<int>(floorX * 64) & 63, static_cast<int>(floorY * 64) & 63);
}

Uint32 *renderer::rowPixels(const floorRowSpan &row) {
    return reinterpret_cast<Uint32 *>(static_cast<Uint8 *>(row.screen->pixels) + row.y * row.screen->pitch);
}

void renderer::castFloorRow(const floorRowSpan &row) {
    groundRun run;
    for (int x = row.firstColumn; x <= row.lastColumn; x++) {
        if (row.y >= floorRays[x].firstRow) {
            castFloorPixel(row, x, run);
        } else {
            rowPixels(row)[x] = 0; // beyond the ray's end
        }
    }
}

namespace {

// World positions in fixed point: 40 bits below the point, 6 of them the texel.
constexpr int fixedBits = 40;
constexpr int texelShift = fixedBits - 6;
constexpr int64_t texelMask = (int64_t{1} << texelShift) - 1;
// The stepped point strays from the interpolated one by some 10^-9 tiles at most (rounding
// in both); a point nearer a texel edge than 2^-24 tiles may fall on either side of it, and
// is interpolated instead.
constexpr int64_t edgeMargin = int64_t{1} << (fixedBits - 24);

int64_t toFixed(double value) {
    return std::llround(std::ldexp(value, fixedBits));
}

int64_t wrapFixed(int64_t value, int64_t side) {
    value %= side;
    return value < 0 ? value + side : value;
}

bool nearTexelEdge(int64_t value) {
    return ((value + edgeMargin) & texelMask) < 2 * edgeMargin;
}

// How many points from `point` on, `step` apart, stay on the tile it is on.
int64_t stepsOnTile(int64_t point, int64_t step) {
    const int64_t tileStart = point >> fixedBits << fixedBits;
    if (step > 0) {
        return (tileStart + (int64_t{1} << fixedBits) - 1 - point) / step + 1;
    }
    if (step < 0) {
        return (point - tileStart) / -step + 1;
    }
    return int64_t{1} << 30;
}

} // namespace

// Along a screen row the floor point moves on a straight line: from the driver by the row's
// distance along each column's ray, which grows by the same step from column to column. The
// row is drawn in runs of pixels on one tile, wrapped onto the level between runs.
void renderer::castSteppedFloorRow(const floorRowSpan &row) {
    const camera &view = *row.view;
    const double distance = rowDistance[row.y];
    const double cameraX = 2.0 * row.firstColumn / view.screenWidth - 1;
    const int64_t side = int64_t{row.side} << fixedBits;
    int64_t pointX = wrapFixed(toFixed(view.x + distance * (view.dirX + view.planeX * cameraX)), side);
    int64_t pointY = wrapFixed(toFixed(view.y + distance * (view.dirY + view.planeY * cameraX)), side);
    const int64_t stepX = toFixed(distance * view.planeX * 2 / view.screenWidth);
    const int64_t stepY = toFixed(distance * view.planeY * 2 / view.screenWidth);
    const int *skewed = skewedColumns;
    groundRun tile;
    groundRun interpolated; // the pixels near texel edges keep their own run
    int x = row.firstColumn;
    while (x <= row.lastColumn) {
        if (x == *skewed) {
            castFloorPixel(row, x++, interpolated);
            skewed++;
            pointX += stepX;
            pointY += stepY;
        } else {
            // Up to the next skewed column, where the run ends (so the runs need not check).
            const int64_t left = *skewed - x;
            const int run =
                static_cast<int>(std::min({stepsOnTile(pointX, stepX), stepsOnTile(pointY, stepY), left}));
            tile.moveTo(*this, static_cast<int>(pointX >> fixedBits), static_cast<int>(pointY >> fixedBits));
            castTileRun(row, x, run, pointX, pointY, stepX, stepY, tile.texels, interpolated);
            x += run;
            pointX += run * stepX;
            pointY += run * stepY;
        }
        pointX = wrapFixed(pointX, side);
        pointY = wrapFixed(pointY, side);
    }
}

// `run` pixels from column x on, all on one tile whose texels are given.
void renderer::castTileRun(const floorRowSpan &row, int x, int run, int64_t pointX, int64_t pointY,
                           int64_t stepX, int64_t stepY, const shadedTexels &texels,
                           groundRun &interpolated) const {
    Uint32 *const pixels = rowPixels(row);
    // Held apart from the texels so that the writes to the screen need not reload them.
    const uint16_t *const indices = texels.indices;
    const Uint32 *const palette = texels.palette;
    const int end = x + run;
    if (indices == nullptr) {
        // A tile with no picture is black but for the pixels near texel edges, which may
        // land on another tile.
        for (; x < end; x++, pointX += stepX, pointY += stepY) {
            if (nearTexelEdge(pointX) | nearTexelEdge(pointY)) {
                castFloorPixel(row, x, interpolated);
            } else {
                pixels[x] = 0;
            }
        }
        return;
    }
    for (; x < end; x++, pointX += stepX, pointY += stepY) {
        if (nearTexelEdge(pointX) | nearTexelEdge(pointY)) {
            castFloorPixel(row, x, interpolated);
            continue;
        }
        // The texel's row (ty * 64) straight from the point's bits, one shift fewer.
        const unsigned texelRow =
            static_cast<unsigned>(pointY >> (texelShift - 6)) & (63 * shadedPictureSize);
        const unsigned tx = static_cast<unsigned>(pointX >> texelShift) & 63;
        const Uint32 texel = palette[indices[texelRow + tx]];
        pixels[x] = (texel & colourBits) != 0 ? texel : 0;
    }
}
