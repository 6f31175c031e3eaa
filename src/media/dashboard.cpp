#include "media/dashboard.h"

#include "media/animTables.h"
#include "media/helpers.h"
#include "media/imageBank.h"
#include "player/camera.h"

namespace {

// The frame a counter shows over a table, or -1 when it is not playing.
int playingFrame(const animTables &animations, int table, int counter) {
    const animTable &sequence = animations.tables[table];
    return counter >= 0 && counter < sequence.count ? sequence.values[counter] : -1;
}

void blitSlot(imageBank &images, int slot, int x, int y) {
    applySurface(static_cast<Sint16>(x), static_cast<Sint16>(y), images.slots[slot],
                 images.slots[screenSlot]);
}

// The overlays lie under the bonnet and dashboard, so they tint only the windscreen.
void drawOverlays(imageBank &images, const animTables &animations, const camera &view) {
    const int white = playingFrame(animations, whiteFlashFrames, view.whiteFrame);
    if (white >= 0) {
        blitSlot(images, whiteFlashBase + white, 0, 0);
    }
    const int flash = playingFrame(animations, flashLightFrames, view.flashFrame);
    if (flash >= 0) {
        blitSlot(images, flashLightBase + flash, 0, 0);
    }
}

void drawBonnetAndDashboard(imageBank &images, const animTables &animations, const camera &view) {
    const int hoodX = view.hoodSwayX - 10;
    const int hoodY = view.hoodBumpY - 10;
    if (view.headlightsOn) {
        blitSlot(images, headlightsSlot, hoodX, hoodY);
    }
    const int hood = playingFrame(animations, hoodFrames, view.hoodFrame);
    blitSlot(images, hoodBase + (hood >= 0 ? hood : 0), hoodX, hoodY);
    const int dash = playingFrame(animations, dashboardFrames, view.dashFrame);
    blitSlot(images, dashboardBase + (dash >= 0 ? dash : 0), view.dashSwayX - 10, view.dashBumpY - 10);
}

// Gauges and lamps sit on the dashboard and move with it.
void drawGaugesAndLamps(imageBank &images, const camera &view) {
    const int x = view.dashSwayX;
    const int y = view.dashBumpY;
    blitSlot(images, wheelGlowSlot, x + 42, y + 342);
    if (view.needle >= 0 && view.needle <= 11) {
        blitSlot(images, wheelBase + view.needle, x + 42, y + 342);
    }
    if (view.battery >= 0 && view.battery <= 13) {
        blitSlot(images, batteryBase + view.battery, x + 42, y + 342);
    }
    blitSlot(images, beamsLampBase + (view.beamsLamp ? 1 : 0), x + 252, y + 349);
    blitSlot(images, energyLampBase + (view.flashReady ? 1 : 0), x + 272, y + 353);
    blitSlot(images, smileLampBase + (view.frown ? 0 : 1), x + 223, y + 355);
    blitSlot(images, frownLampBase + (view.frown ? 1 : 0), x + 234, y + 353);
}

} // namespace

void drawDashboard(imageBank &images, const animTables &animations, const camera &view) {
    drawOverlays(images, animations, view);
    drawBonnetAndDashboard(images, animations, view);
    drawGaugesAndLamps(images, view);
}
