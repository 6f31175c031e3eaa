#include "media/dashboard.h"

#include "media/animTables.h"
#include "media/imageSlots.h"
#include "media/layerBlitter.h"
#include "player/camera.h"

namespace {

// The frame a counter shows over a table, or -1 when it is not playing.
int playingFrame(const animTables &animations, int table, int counter) {
    const animTable &sequence = animations.tables[table];
    return counter >= 0 && counter < sequence.count ? sequence.values[counter] : -1;
}

// The overlays lie under the bonnet and dashboard, so they tint only the windscreen.
void drawOverlays(const layerBlitter &layers, const animTables &animations, const camera &view) {
    const int white = playingFrame(animations, whiteFlashFrames, view.whiteFrame);
    if (white >= 0) {
        layers.blit(whiteFlashBase + white, 0, 0);
    }
    const int flash = playingFrame(animations, flashLightFrames, view.flashFrame);
    if (flash >= 0) {
        layers.blit(flashLightBase + flash, 0, 0);
    }
}

void drawBonnetAndDashboard(const layerBlitter &layers, const animTables &animations, const camera &view) {
    const int hoodX = view.hoodSwayX - 10;
    const int hoodY = view.hoodBumpY - 10;
    if (view.headlightsOn) {
        layers.blit(headlightsSlot, hoodX, hoodY);
    }
    const int hood = playingFrame(animations, hoodFrames, view.hoodFrame);
    layers.blit(hoodBase + (hood >= 0 ? hood : 0), hoodX, hoodY);
    const int dash = playingFrame(animations, dashboardFrames, view.dashFrame);
    layers.blit(dashboardBase + (dash >= 0 ? dash : 0), view.dashSwayX - 10, view.dashBumpY - 10);
}

// Gauges and lamps sit on the dashboard and move with it.
void drawGaugesAndLamps(const layerBlitter &layers, const camera &view) {
    const int x = view.dashSwayX;
    const int y = view.dashBumpY;
    layers.blit(wheelGlowSlot, x + 42, y + 342);
    if (view.needle >= 0 && view.needle <= 11) {
        layers.blit(wheelBase + view.needle, x + 42, y + 342);
    }
    if (view.battery >= 0 && view.battery <= 13) {
        layers.blit(batteryBase + view.battery, x + 42, y + 342);
    }
    layers.blit(beamsLampBase + (view.beamsLamp ? 1 : 0), x + 252, y + 349);
    layers.blit(energyLampBase + (view.flashReady ? 1 : 0), x + 272, y + 353);
    layers.blit(smileLampBase + (view.frown ? 0 : 1), x + 223, y + 355);
    layers.blit(frownLampBase + (view.frown ? 1 : 0), x + 234, y + 353);
}

} // namespace

void drawDashboard(const layerBlitter &layers, const animTables &animations, const camera &view) {
    drawOverlays(layers, animations, view);
    drawBonnetAndDashboard(layers, animations, view);
    drawGaugesAndLamps(layers, view);
}
