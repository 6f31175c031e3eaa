#include "levelMap.h"

#include <SDL.h>

#include <iterator>
#include <optional>

#include "levels/level.h"
#include "levels/tileCodes.h"
#include "media/glyphs.h"
#include "media/helpers.h"
#include "media/imageBank.h"
#include "media/pngFile.h"

namespace {

// Short labels for the object kinds, in table order.
const char *const kindLabels[] = {"lamp", "stop",   "car",    "ghost", "tree",  "fly",  "ash",
                                  "bush", "statue", "glight", "moon",  "flame", "sign", "bolt"};
static_assert(std::size(kindLabels) == objectKindCount);

// Copies a ground tile (its full-light texels) into a cell, scaled by nearest texel.
void drawCell(SDL_Surface *map, const imageBank &images, int code, int cellX, int cellY, int cellSize) {
    const bool known = code >= 0 && code < groundTileCodes;
    const int slot = shadedSlot(groundBase, known ? code : 0, 0);
    const shadedTexels tile = known ? images.texelsAt(slot) : shadedTexels{};
    for (int y = 0; y < cellSize; y++) {
        for (int x = 0; x < cellSize; x++) {
            Uint32 colour = 0;
            if (tile.indices != nullptr) {
                const Uint32 texel = tile.at(x * 64 / cellSize, y * 64 / cellSize);
                Uint8 r, g, b;
                SDL_GetRGB(texel, &images.shaded[shadedFrameOf(slot)].format, &r, &g, &b);
                colour = SDL_MapRGB(map->format, r, g, b);
            }
            putPixel(map, cellX * cellSize + x, cellY * cellSize + y, colour);
        }
    }
}

void outlineCell(SDL_Surface *map, int cellX, int cellY, int cellSize, Uint32 colour) {
    const int left = cellX * cellSize;
    const int top = cellY * cellSize;
    for (int i = 0; i < cellSize; i++) {
        putPixel(map, left + i, top, colour);
        putPixel(map, left + i, top + cellSize - 1, colour);
        putPixel(map, left, top + i, colour);
        putPixel(map, left + cellSize - 1, top + i, colour);
    }
}

// Writes a label with the game's font at (x, y) of the map.
void writeLabel(SDL_Surface *map, const imageBank &images, int x, int y, const std::string &text) {
    int pen = 0;
    for (size_t i = 0; i < text.size(); i++) {
        const int slot = glyphSlot(text[i], 4);
        if (slot >= 0 && images.slots[slot] != nullptr) {
            applySurface(static_cast<Sint16>(x + pen), static_cast<Sint16>(y), images.slots[slot], map);
        }
        pen += letterAdvance(text[i], i + 1 < text.size() ? text[i + 1] : '\0');
    }
}

// Marks an object tile, the start tile without a kind or a group; labels only fit when cells
// are drawn at full size.
void markObject(SDL_Surface *map, const imageBank &images, int cellX, int cellY, int cellSize,
                std::optional<objectKind> kind, int group) {
    outlineCell(map, cellX, cellY, cellSize, SDL_MapRGB(map->format, 255, 200, 0));
    if (cellSize < 64) {
        return;
    }
    const int left = cellX * cellSize;
    const int top = cellY * cellSize;
    SDL_Rect box = makeRect(static_cast<Sint16>(left + 2), static_cast<Sint16>(top + 2), 60, 44);
    SDL_FillRect(map, &box, SDL_MapRGB(map->format, 20, 20, 40));
    writeLabel(map, images, left + 3, top + 3, kind ? kindLabels[kindIndex(*kind)] : "start");
    if (kind) {
        writeLabel(map, images, left + 3, top + 24, intToString(group));
    }
}

} // namespace

bool writeLevelMap(const level &map, const imageBank &images, int cellSize, const std::string &path) {
    const int side = map.side;
    if (side <= 0 || side > levelGridSize || cellSize < 1 || cellSize > 64) {
        return false;
    }
    SDL_Surface *picture =
        SDL_CreateRGBSurface(SDL_SWSURFACE, side * cellSize, side * cellSize, 32, 0xFF0000, 0xFF00, 0xFF, 0);
    if (picture == nullptr) {
        return false;
    }
    int group = 0;
    {
        const surfaceLock lock(picture);
        for (int x = 0; x < side; x++) {
            for (int y = 0; y < side; y++) {
                drawCell(picture, images, map.groundGrid[x][y], x, y, cellSize);
            }
        }
    }
    // Object tiles are numbered in scan order, every kind sharing one counter.
    for (int x = 0; x < side; x++) {
        for (int y = 0; y < side; y++) {
            const int32_t code = map.objectGrid[x][y];
            if (code == objectCode::startTile) {
                markObject(picture, images, x, y, cellSize, std::nullopt, -1);
            } else if (const std::optional<objectKind> kind = kindOfGridCode(code)) {
                markObject(picture, images, x, y, cellSize, kind, group++);
            }
        }
    }
    const bool written = saveSurfacePng(picture, path);
    SDL_FreeSurface(picture);
    return written;
}
