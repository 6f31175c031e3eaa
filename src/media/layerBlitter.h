#pragma once
// Blits the large screen layers (logo, bonnet, dashboard, glow, overlays and gauges) cheaply.
// Most of such a layer is either fully clear or fully opaque: the clear parts are left out of
// the blit, the opaque parts are copied without blending, and only the translucent parts are
// blended, by the game itself with the alpha blitter's own arithmetic. The picture on screen
// is the same as one whole alpha blit.
#include <SDL.h>

#include "media/imageSlots.h"
#include "platform/alphaBlend.h"

class imageBank;

struct layerPlan {
    static constexpr int maxRects = 512;
    bool planned = false; // false: blit the layer whole
    int opaqueCount = 0;
    int blendCount = 0;
    SDL_Rect opaque[maxRects];
    SDL_Rect blend[maxRects];
};

// Splits a layer into blocks and records the runs of opaque and of translucent blocks.
// Layers that are small, not 32-bit, or too fragmented stay unplanned.
void planLayer(SDL_Surface *layer, layerPlan &plan);

// A row of layer pixels over a row of the screen, as blendPixel would, several at a time.
void blendRow(const Uint32 *from, Uint32 *to, int width);

// Blits the layer at (x, y) of the screen by its plan.
void blitLayer(SDL_Surface *layer, const layerPlan &plan, int x, int y, SDL_Surface *screen);

// The screen columns of each row that layers drawn later in the frame will cover with opaque
// pixels, as a few spans a row; a row with more spans than it holds keeps the first ones.
struct rowCover {
    static constexpr int rows = 480;
    static constexpr int spansPerRow = 8;
    int count[rows];
    Sint16 left[rows][spansPerRow];
    Sint16 right[rows][spansPerRow];

    void clear();
    void add(int row, int from, int to);
};

// Clears the screen to black, leaving out what the cover says a later layer will draw.
void clearUncovered(SDL_Surface *screen, const rowCover &cover);

// The plans of every plain (unshaded) picture of the bank, by slot.
class layerBlitter {
  public:
    static constexpr int plannedSlots = blankBase; // the plain pictures: slots below the shaded groups

    explicit layerBlitter(imageBank &bank);

    imageBank &images;

    // Crops the cockpit's screen-sized layers to their rows in use, then plans every layer.
    void planAll();
    // Blits a picture of the bank at (x, y) of the screen; an empty slot draws nothing.
    void blit(int slot, int x, int y) const;
    // Adds the opaque parts of a picture blitted at (x, y) to the cover; a picture without a
    // plan adds nothing.
    void markCover(int slot, int x, int y, rowCover &cover) const;

  private:
    // Only the screen-sized layers and the gauges get a plan; the rest are blitted whole.
    static constexpr int planCapacity = 128;
    layerPlan plans[planCapacity];
    int planOf[plannedSlots]; // index into plans, or -1
    // A layer cropped to the rows that hold anything: the picture now in the bank's slot and
    // the rows cut off above it, which the blit adds back.
    SDL_Surface *cropped[plannedSlots];
    int rowsCutAbove[plannedSlots];

    void cropToRowsInUse(int slot);
    int rowsAbove(int slot) const;
};
