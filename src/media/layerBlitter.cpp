#include "media/layerBlitter.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <limits>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#if defined(__SSE2__) && defined(__GNUC__)
#include <immintrin.h>
#define VELMORA_EIGHT_AT_A_TIME 1
#endif
#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include "media/helpers.h"
#include "media/imageBank.h"
#include "platform/surfaces.h"

namespace {

constexpr int blockSize = 16;
constexpr int smallestPlannedArea = 16 * 1024; // the gauges and up; smaller ones are blitted whole

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

// A part of a layer placed at (x, y), clipped to the screen, in screen coordinates.
struct screenSpan {
    int left, right, top, bottom;
    bool empty() const { return left >= right || top >= bottom; }
};

static screenSpan onScreen(const SDL_Rect part, const int x, const int y, const SDL_Surface *screen) {
    return {std::max(x + part.x, 0), std::min(x + part.x + part.w, screen->w), std::max(y + part.y, 0),
            std::min(y + part.y + part.h, screen->h)};
}

// True when the game may draw the layer itself: its alpha in the top byte, blended per pixel
// at full strength, onto a screen of the same colour layout, neither needing a lock.
static bool blendsItself(const SDL_Surface *layer, const SDL_Surface *screen) {
    return sameColourLayout(layer, screen) && layer->format->Amask == 0xFF000000 &&
           blendsAtFullStrength(layer) && !mustLockPixels(layer) && !mustLockPixels(screen);
}

// Copies one opaque part of a layer row by row.
static void copyOpaquePart(SDL_Surface *layer, SDL_Rect part, int x, int y, SDL_Surface *screen) {
    const screenSpan span = onScreen(part, x, y, screen);
    if (span.empty()) {
        return;
    }
    const size_t bytes = static_cast<size_t>(span.right - span.left) * 4;
    for (int row = span.top; row < span.bottom; row++) {
        std::memcpy(pixelAddress(screen, span.left, row), pixelAddress(layer, span.left - x, row - y), bytes);
    }
}

#if defined(__SSE2__)
// Four pixels at once, each channel widened to 16 bits: the same shares, rounded down the
// same way, as blendPixel. The top byte weighs the layer's side at 255.
static __m128i blendWidened(const __m128i layer, const __m128i screen) {
    const __m128i alpha = _mm_shufflehi_epi16(_mm_shufflelo_epi16(layer, 0xFF), 0xFF);
    const __m128i under = _mm_sub_epi16(_mm_set1_epi16(SDL_ALPHA_OPAQUE), alpha);
    const __m128i topByteAtFull = _mm_set_epi16(0xFF, 0, 0, 0, 0xFF, 0, 0, 0);
    const __m128i layerShare = _mm_srli_epi16(_mm_mullo_epi16(_mm_or_si128(layer, topByteAtFull), alpha), 8);
    const __m128i screenShare = _mm_srli_epi16(_mm_mullo_epi16(screen, under), 8);
    return _mm_add_epi16(layerShare, screenShare);
}

static __m128i choose(const __m128i mask, const __m128i whereSet, const __m128i elsewhere) {
    return _mm_or_si128(_mm_and_si128(mask, whereSet), _mm_andnot_si128(mask, elsewhere));
}

#if defined(VELMORA_EIGHT_AT_A_TIME)
// The same on processors with 256-bit registers, eight pixels at once: each 128-bit half
// holds four pixels and is worked exactly as above.
__attribute__((target("avx2"))) static __m256i blendWidenedEight(const __m256i layer, const __m256i screen) {
    const __m256i alpha = _mm256_shufflehi_epi16(_mm256_shufflelo_epi16(layer, 0xFF), 0xFF);
    const __m256i under = _mm256_sub_epi16(_mm256_set1_epi16(SDL_ALPHA_OPAQUE), alpha);
    const __m256i topByteAtFull =
        _mm256_set_epi16(0xFF, 0, 0, 0, 0xFF, 0, 0, 0, 0xFF, 0, 0, 0, 0xFF, 0, 0, 0);
    const __m256i layerShare =
        _mm256_srli_epi16(_mm256_mullo_epi16(_mm256_or_si256(layer, topByteAtFull), alpha), 8);
    const __m256i screenShare = _mm256_srli_epi16(_mm256_mullo_epi16(screen, under), 8);
    return _mm256_add_epi16(layerShare, screenShare);
}

// Blends from pixel i on in blocks of eight; answers where it stopped.
__attribute__((target("avx2"))) static int blendEights(const Uint32 *from, Uint32 *to, int i,
                                                       const int width) {
    const __m256i zero = _mm256_setzero_si256();
    const __m256i opaque = _mm256_set1_epi32(SDL_ALPHA_OPAQUE);
    for (; i + 8 <= width; i += 8) {
        const __m256i layer = _mm256_loadu_si256(reinterpret_cast<const __m256i *>(from + i));
        const __m256i alpha = _mm256_srli_epi32(layer, 24);
        const __m256i clear = _mm256_cmpeq_epi32(alpha, zero);
        if (_mm256_movemask_epi8(clear) == -1) {
            continue;
        }
        // The blocks on the bonnet's and dashboard's edges are planned as blends, yet
        // many of their eights are wholly opaque: those are the layer as it is.
        const __m256i solid = _mm256_cmpeq_epi32(alpha, opaque);
        if (_mm256_movemask_epi8(solid) == -1) {
            _mm256_storeu_si256(reinterpret_cast<__m256i *>(to + i), layer);
            continue;
        }
        const __m256i screen = _mm256_loadu_si256(reinterpret_cast<const __m256i *>(to + i));
        const __m256i low =
            blendWidenedEight(_mm256_unpacklo_epi8(layer, zero), _mm256_unpacklo_epi8(screen, zero));
        const __m256i high =
            blendWidenedEight(_mm256_unpackhi_epi8(layer, zero), _mm256_unpackhi_epi8(screen, zero));
        __m256i blended = _mm256_packus_epi16(low, high);
        blended = _mm256_blendv_epi8(blended, screen, clear);
        blended = _mm256_blendv_epi8(blended, layer, solid);
        _mm256_storeu_si256(reinterpret_cast<__m256i *>(to + i), blended);
    }
    return i;
}

// Asked once, on the first blend (the processor's features are read before the question).
static bool eightAtATime() {
    static const bool supported = (__builtin_cpu_init(), __builtin_cpu_supports("avx2"));
    return supported;
}
#endif

void blendRow(const Uint32 *from, Uint32 *to, const int width) {
    const __m128i zero = _mm_setzero_si128();
    const __m128i opaque = _mm_set1_epi32(SDL_ALPHA_OPAQUE);
    int i = 0;
#if defined(VELMORA_EIGHT_AT_A_TIME)
    if (eightAtATime()) {
        i = blendEights(from, to, i, width);
    }
#endif
    for (; i + 4 <= width; i += 4) {
        const __m128i layer = _mm_loadu_si128(reinterpret_cast<const __m128i *>(from + i));
        const __m128i alpha = _mm_srli_epi32(layer, 24);
        const __m128i clear = _mm_cmpeq_epi32(alpha, zero);
        if (_mm_movemask_epi8(clear) == 0xFFFF) {
            continue; // four clear pixels leave the screen as it is
        }
        const __m128i screen = _mm_loadu_si128(reinterpret_cast<const __m128i *>(to + i));
        const __m128i low = blendWidened(_mm_unpacklo_epi8(layer, zero), _mm_unpacklo_epi8(screen, zero));
        const __m128i high = blendWidened(_mm_unpackhi_epi8(layer, zero), _mm_unpackhi_epi8(screen, zero));
        __m128i blended = _mm_packus_epi16(low, high);
        blended = choose(clear, screen, blended);
        blended = choose(_mm_cmpeq_epi32(alpha, opaque), layer, blended);
        _mm_storeu_si128(reinterpret_cast<__m128i *>(to + i), blended);
    }
    for (; i < width; i++) {
        to[i] = blendPixel(from[i], to[i]);
    }
}
#else
void blendRow(const Uint32 *from, Uint32 *to, const int width) {
    for (int i = 0; i < width; i++) {
        to[i] = blendPixel(from[i], to[i]);
    }
}
#endif

// Blends one translucent part of a layer row by row.
static void blendPart(SDL_Surface *layer, SDL_Rect part, int x, int y, SDL_Surface *screen) {
    const screenSpan span = onScreen(part, x, y, screen);
    if (span.empty()) {
        return;
    }
    for (int row = span.top; row < span.bottom; row++) {
        blendRow(pixelAddress(layer, span.left - x, row - y), pixelAddress(screen, span.left, row),
                 span.right - span.left);
    }
}

void blitLayer(SDL_Surface *layer, const layerPlan &plan, int x, int y, SDL_Surface *screen) {
    if (!plan.planned) {
        applySurface(static_cast<Sint16>(x), static_cast<Sint16>(y), layer, screen);
        return;
    }
    // Opaque blocks are plain copies; the blender would give the same pixels, only slower.
    // Translucent ones go through the game's own blend, which knows the two formats.
    if (blendsItself(layer, screen)) {
        for (int i = 0; i < plan.opaqueCount; i++) {
            copyOpaquePart(layer, plan.opaque[i], x, y, screen);
        }
        for (int i = 0; i < plan.blendCount; i++) {
            blendPart(layer, plan.blend[i], x, y, screen);
        }
        return;
    }
    setAlphaBlending(layer, false);
    for (int i = 0; i < plan.opaqueCount; i++) {
        SDL_Rect part = plan.opaque[i];
        applySurface(static_cast<Sint16>(x + part.x), static_cast<Sint16>(y + part.y), layer, screen, &part);
    }
    setAlphaBlending(layer, true);
    for (int i = 0; i < plan.blendCount; i++) {
        SDL_Rect part = plan.blend[i];
        applySurface(static_cast<Sint16>(x + part.x), static_cast<Sint16>(y + part.y), layer, screen, &part);
    }
}

layerBlitter::layerBlitter(imageBank &bank) : images(bank) {
    std::fill(std::begin(planOf), std::end(planOf), -1);
    std::fill(std::begin(cropped), std::end(cropped), nullptr);
    std::fill(std::begin(rowsCutAbove), std::end(rowsCutAbove), 0);
}

namespace {

// The dashboard, bonnet, glow and overlays: drawn every pass, and mostly clear above or below.
constexpr int firstCroppedSlot = dashboardBase;
constexpr int lastCroppedSlot = blackFlashBase + 5;
constexpr int smallestCropSaving = 16; // rows

// The first and last rows of a layer holding a pixel that is not clear; false when none does.
bool rowsInUse(SDL_Surface *layer, int &first, int &last) {
    const Uint32 alphaMask = layer->format->Amask;
    first = -1;
    for (int y = 0; y < layer->h; y++) {
        const Uint32 *row = pixelAddress(layer, 0, y);
        if (std::any_of(row, row + layer->w, [&](Uint32 pixel) { return (pixel & alphaMask) != 0; })) {
            first = first < 0 ? y : first;
            last = y;
        }
    }
    return first >= 0;
}

} // namespace

// The copy holds the same pixels in the same format with the same alpha setting, so every
// blit of it draws what the whole layer drew, moved down by the rows cut above.
void layerBlitter::cropToRowsInUse(const int slot) {
    SDL_Surface *layer = images.slots[slot];
    if (layer == nullptr || layer->format->BytesPerPixel != 4 || layer->format->Amask == 0 ||
        mustLockPixels(layer)) {
        return;
    }
    int first = 0;
    int last = 0;
    if (!rowsInUse(layer, first, last) || layer->h - (last - first + 1) < smallestCropSaving) {
        return; // an entirely clear layer stays as it is: it is rare and draws nothing anyway
    }
    const SDL_PixelFormat &format = *layer->format;
    SDL_Surface *copy = createPixelSurface(layer->w, last - first + 1, format.Rmask, format.Gmask,
                                           format.Bmask, format.Amask);
    if (copy == nullptr || mustLockPixels(copy)) {
        SDL_FreeSurface(copy);
        return;
    }
    for (int y = first; y <= last; y++) {
        std::memcpy(pixelAddress(copy, 0, y - first), pixelAddress(layer, 0, y),
                    static_cast<size_t>(layer->w) * 4);
    }
    copyAlphaSetting(layer, copy);
    SDL_FreeSurface(layer);
    images.slots[slot] = copy;
    cropped[slot] = copy;
    rowsCutAbove[slot] += first;
}

// A picture put into the slot since the crop has nothing cut off.
int layerBlitter::rowsAbove(const int slot) const {
    return cropped[slot] != nullptr && cropped[slot] == images.slots[slot] ? rowsCutAbove[slot] : 0;
}

void layerBlitter::planAll() {
    for (int slot = firstCroppedSlot; slot <= lastCroppedSlot; slot++) {
        if (rowsAbove(slot) == 0) {
            rowsCutAbove[slot] = 0;
        }
        cropToRowsInUse(slot);
    }
#if defined(__GLIBC__)
    // The whole layers were freed amid other pictures; hand their pages back to the system.
    malloc_trim(0);
#endif
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
    if (slot < plannedSlots) {
        y += rowsAbove(slot);
    }
    if (slot < plannedSlots && planOf[slot] >= 0) {
        blitLayer(layer, plans[planOf[slot]], x, y, screen);
    } else {
        applySurface(static_cast<Sint16>(x), static_cast<Sint16>(y), layer, screen);
    }
}

void layerBlitter::markCover(int slot, int x, int y, rowCover &cover) const {
    if (slot <= 0 || slot >= plannedSlots || planOf[slot] < 0 || images.slots[slot] == nullptr) {
        return;
    }
    const layerPlan &plan = plans[planOf[slot]];
    y += rowsAbove(slot);
    for (int i = 0; i < plan.opaqueCount; i++) {
        const SDL_Rect &part = plan.opaque[i];
        const int top = std::max(y + part.y, 0);
        const int bottom = std::min(y + part.y + part.h, rowCover::rows);
        for (int row = top; row < bottom; row++) {
            cover.add(row, x + part.x, x + part.x + part.w);
        }
    }
}

void rowCover::clear() {
    std::fill(std::begin(count), std::end(count), 0);
}

void rowCover::add(int row, int from, int to) {
    from = std::max(from, 0);
    to = std::min(to, static_cast<int>(std::numeric_limits<Sint16>::max()));
    if (from >= to || count[row] == spansPerRow) {
        return; // a span left out only means a few more pixels cleared
    }
    // Kept in order of their left edges, for the clear to walk along the row.
    int at = count[row]++;
    while (at > 0 && left[row][at - 1] > from) {
        left[row][at] = left[row][at - 1];
        right[row][at] = right[row][at - 1];
        at--;
    }
    left[row][at] = static_cast<Sint16>(from);
    right[row][at] = static_cast<Sint16>(to);
}

void clearUncovered(SDL_Surface *screen, const rowCover &cover) {
    if (screen->format->BytesPerPixel != 4 || screen->h > rowCover::rows) {
        SDL_FillRect(screen, nullptr, 0);
        return;
    }
    const surfaceLock lock(screen);
    for (int row = 0; row < screen->h; row++) {
        Uint32 *pixels = pixelAddress(screen, 0, row);
        int cleared = 0; // columns before this are black or covered
        for (int k = 0; k < cover.count[row] && cleared < screen->w; k++) {
            const int from = std::min(static_cast<int>(cover.left[row][k]), screen->w);
            if (from > cleared) {
                std::memset(pixels + cleared, 0, static_cast<size_t>(from - cleared) * 4);
            }
            cleared = std::max(cleared, static_cast<int>(cover.right[row][k]));
        }
        if (cleared < screen->w) {
            std::memset(pixels + cleared, 0, static_cast<size_t>(screen->w - cleared) * 4);
        }
    }
}
