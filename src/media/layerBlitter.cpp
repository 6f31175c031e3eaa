#include "media/layerBlitter.h"

#include <algorithm>
#include <cstring>

#include "media/helpers.h"
#include "media/imageBank.h"

namespace {

constexpr int blockSize = 16;
constexpr int smallestPlannedArea = 64 * 1024; // smaller layers are cheap to blit whole

enum class blockKind { clear, opaque, blend };

blockKind classifyBlock(SDL_Surface *layer, int bx, int by) {
    const Uint32 alphaMask = layer->format->Amask;
    // Every alpha clear: nothing set in their union; every alpha opaque: all set in their
    // intersection; anything else needs the blender.
    Uint32 unionOfAlphas = 0;
    Uint32 intersectionOfAlphas = alphaMask;
    const int right = std::min(bx + blockSize, layer->w);
    const int bottom = std::min(by + blockSize, layer->h);
    for (int y = by; y < bottom; y++) {
        const Uint32 *row = pixelAddress(layer, 0, y);
        for (int x = bx; x < right; x++) {
            unionOfAlphas |= row[x];
            intersectionOfAlphas &= row[x];
        }
    }
    if ((unionOfAlphas & alphaMask) == 0) {
        return blockKind::clear;
    }
    return (intersectionOfAlphas & alphaMask) == alphaMask ? blockKind::opaque : blockKind::blend;
}

// Adds a run of blocks of one kind; false when the plan is full.
bool addRun(layerPlan &plan, blockKind kind, int x, int y, int w, int h) {
    int &count = kind == blockKind::opaque ? plan.opaqueCount : plan.blendCount;
    SDL_Rect *rects = kind == blockKind::opaque ? plan.opaque : plan.blend;
    if (kind == blockKind::clear) {
        return true;
    }
    if (count == layerPlan::maxRects) {
        return false;
    }
    rects[count++] = makeRect(static_cast<Sint16>(x), static_cast<Sint16>(y), static_cast<Uint16>(w),
                              static_cast<Uint16>(h));
    return true;
}

// One band of blocks, merged into runs of equal kind.
bool planBand(SDL_Surface *layer, layerPlan &plan, int by) {
    const int h = std::min(blockSize, layer->h - by);
    int runStart = 0;
    blockKind runKind = classifyBlock(layer, 0, by);
    for (int bx = blockSize; bx < layer->w; bx += blockSize) {
        const blockKind kind = classifyBlock(layer, bx, by);
        if (kind != runKind) {
            if (!addRun(plan, runKind, runStart, by, bx - runStart, h)) {
                return false;
            }
            runStart = bx;
            runKind = kind;
        }
    }
    return addRun(plan, runKind, runStart, by, layer->w - runStart, h);
}

} // namespace

void planLayer(SDL_Surface *layer, layerPlan &plan) {
    plan = layerPlan();
    if (layer == nullptr || layer->format->BytesPerPixel != 4 || layer->format->Amask == 0 ||
        layer->w * layer->h < smallestPlannedArea) {
        return;
    }
    const surfaceLock lock(layer);
    for (int by = 0; by < layer->h; by += blockSize) {
        if (!planBand(layer, plan, by)) {
            plan = layerPlan();
            return;
        }
    }
    plan.planned = true;
}

// True when a layer's pixels can be copied to the screen word for word: the same colour
// channels in the same bits (the screen ignores the layer's alpha byte).
static bool sameColourLayout(const SDL_Surface *layer, const SDL_Surface *screen) {
    const SDL_PixelFormat &a = *layer->format;
    const SDL_PixelFormat &b = *screen->format;
    return b.BytesPerPixel == 4 && b.Amask == 0 && a.Rmask == b.Rmask && a.Gmask == b.Gmask &&
           a.Bmask == b.Bmask;
}

// Copies one opaque part of a layer row by row, clipped to the screen.
static void copyOpaquePart(SDL_Surface *layer, SDL_Rect part, int x, int y, SDL_Surface *screen) {
    const int left = std::max(x + part.x, 0);
    const int right = std::min(x + part.x + part.w, screen->w);
    const int top = std::max(y + part.y, 0);
    const int bottom = std::min(y + part.y + part.h, screen->h);
    if (left >= right || top >= bottom) {
        return;
    }
    const size_t bytes = static_cast<size_t>(right - left) * 4;
    for (int row = top; row < bottom; row++) {
        std::memcpy(pixelAddress(screen, left, row), pixelAddress(layer, left - x, row - y), bytes);
    }
}

void blitLayer(SDL_Surface *layer, const layerPlan &plan, int x, int y, SDL_Surface *screen) {
    if (!plan.planned) {
        applySurface(static_cast<Sint16>(x), static_cast<Sint16>(y), layer, screen);
        return;
    }
    // Opaque blocks are plain copies; the blender would give the same pixels, only slower.
    if (sameColourLayout(layer, screen) && !SDL_MUSTLOCK(layer) && !SDL_MUSTLOCK(screen)) {
        for (int i = 0; i < plan.opaqueCount; i++) {
            copyOpaquePart(layer, plan.opaque[i], x, y, screen);
        }
    } else {
        SDL_SetAlpha(layer, 0, SDL_ALPHA_OPAQUE);
        for (int i = 0; i < plan.opaqueCount; i++) {
            SDL_Rect part = plan.opaque[i];
            applySurface(static_cast<Sint16>(x + part.x), static_cast<Sint16>(y + part.y), layer, screen,
                         &part);
        }
        SDL_SetAlpha(layer, SDL_SRCALPHA, SDL_ALPHA_OPAQUE);
    }
    for (int i = 0; i < plan.blendCount; i++) {
        SDL_Rect part = plan.blend[i];
        applySurface(static_cast<Sint16>(x + part.x), static_cast<Sint16>(y + part.y), layer, screen, &part);
    }
}

layerBlitter::layerBlitter(imageBank &bank) : images(bank) {
    for (int &plan : planOf) {
        plan = -1;
    }
}

void layerBlitter::planAll() {
    int used = 0;
    for (int slot = 0; slot < plannedSlots; slot++) {
        planOf[slot] = -1;
        if (slot == screenSlot || used == planCapacity) {
            continue;
        }
        planLayer(images.slots[slot], plans[used]);
        if (plans[used].planned) {
            planOf[slot] = used++;
        }
    }
}

void layerBlitter::blit(int slot, int x, int y) const {
    SDL_Surface *layer = slot > 0 && slot < imageSlotCount ? images.slots[slot] : nullptr;
    if (layer == nullptr) {
        return;
    }
    SDL_Surface *screen = images.slots[screenSlot];
    if (slot < plannedSlots && planOf[slot] >= 0) {
        blitLayer(layer, plans[planOf[slot]], x, y, screen);
    } else {
        applySurface(static_cast<Sint16>(x), static_cast<Sint16>(y), layer, screen);
    }
}
