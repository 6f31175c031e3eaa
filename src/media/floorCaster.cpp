// The floor: one ray per screen column walks the tile grid to the far end of the view, and
// each floor row of that column samples the ground picture of its tile at the tile's light.
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

void renderer::castFloor() {
    SDL_Surface *screen = images.slots[screenSlot];
    const int32_t side = shown.level.side;
    if (side <= 0 || side > lightMapSide || shown.level.ground == nullptr) {
        return;
    }
    const camera &view = *shown.view;
    // Only columns strictly inside the view band can receive a floor pixel.
    const int firstColumn = std::max(0, viewRect.x + 1);
    const int lastColumn = std::min(view.screenWidth, viewRect.x + viewRect.w) - 1;
    const int lastRow = std::min<int>(viewRect.y + viewRect.h - 1, screen->h);
    int firstRow = lastRow;
    for (int x = firstColumn; x <= lastColumn; x++) {
        firstRow = std::min(firstRow, castColumnRay(view, x));
    }
    // Row by row, so the screen is written in the order it lies in memory.
    for (int y = firstRow; y < lastRow; y++) {
        castFloorRow(screen, view, side, y, firstColumn, lastColumn);
    }
}

int renderer::castColumnRay(const camera &view, int x) {
    const double cameraX = 2.0 * x / view.screenWidth - 1;
    const double rayDirX = view.dirX + view.planeX * cameraX;
    const double rayDirY = view.dirY + view.planeY * cameraX;
    const rayEnd end = walkRay(view, rayDirX, rayDirY);
    floorRays[x].farX = end.farX;
    floorRays[x].farY = end.farY;
    floorRays[x].dist = end.dist;
    const int lineHeight = static_cast<int>(view.screenHeight / end.dist);
    floorRays[x].firstRow = std::abs(lineHeight) / 2 + view.screenHeight / 2;
    return floorRays[x].firstRow;
}

void renderer::castFloorRow(SDL_Surface *screen, const camera &view, int32_t side, int y, int firstColumn,
                            int lastColumn) {
    const auto ground = shown.level.ground;
    Uint32 *const row = reinterpret_cast<Uint32 *>(static_cast<Uint8 *>(screen->pixels) + y * screen->pitch);
    // Neighbouring pixels of a row mostly fall on the same tile: its picture and light are
    // looked up once for the run.
    int runTileX = -1;
    int runTileY = -1;
    shadedTexels texels;
    for (int x = firstColumn; x <= lastColumn; x++) {
        const floorRay &ray = floorRays[x];
        if (y < ray.firstRow) {
            continue;
        }
        const double weight = std::min(rowDistance[y] / ray.dist, 1.0);
        const double floorX = wrapFloor(weight * ray.farX + (1 - weight) * view.x, side);
        const double floorY = wrapFloor(weight * ray.farY + (1 - weight) * view.y, side);
        const int tileX = floorTile(floorX, side);
        const int tileY = floorTile(floorY, side);
        if (tileX != runTileX || tileY != runTileY) {
            runTileX = tileX;
            runTileY = tileY;
            const int32_t code = ground[tileX][tileY];
            const bool known = code >= 0 && code < groundTileCodes;
            texels = known ? groundTexels[code][light.at(tileX, tileY)] : shadedTexels{};
        }
        if (texels.indices == nullptr) {
            continue;
        }
        const int tx = static_cast<int>(floorX * 64) & 63;
        const int ty = static_cast<int>(floorY * 64) & 63;
        const Uint32 pixel = texels.at(tx, ty);
        if ((pixel & colourBits) != 0) {
            row[x] = pixel;
        }
    }
}
