#pragma once
// Blits the large screen layers (logo, bonnet, dashboard, glow and overlays) cheaply. Most of
// such a layer is either fully clear or fully opaque: the clear parts are left out of the
// blit, the opaque parts are copied without blending, and only the translucent parts go
// through the alpha blender. The picture on screen is the same as one whole alpha blit.
#include <SDL.h>

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

// Blits the layer at (x, y) of the screen by its plan.
void blitLayer(SDL_Surface *layer, const layerPlan &plan, int x, int y, SDL_Surface *screen);

// The plans of every plain (unshaded) picture of the bank, by slot.
class layerBlitter {
  public:
    static constexpr int plannedSlots = 323; // slots below the shaded groups

    explicit layerBlitter(imageBank &bank);

    imageBank &images;

    void planAll();
    // Blits a picture of the bank at (x, y) of the screen; an empty slot draws nothing.
    void blit(int slot, int x, int y) const;

  private:
    // Only the large layers get a plan; the rest are blitted whole.
    static constexpr int planCapacity = 96;
    layerPlan plans[planCapacity];
    int planOf[plannedSlots]; // index into plans, or -1
};
