#include "media/dashboard.h"

#include "media/animTables.h"
#include "media/imageSlots.h"
#include "media/layerBlitter.h"
#include "world/cockpitState.h"

namespace {

// The frame a counter shows over a table, or -1 when it is not playing.
int playingFrame(const animTables &animations, int table, int counter) {
    const animTable &sequence = animations.tables[table];
    return counter >= 0 && counter < sequence.count ? sequence.values[counter] : -1;
}

// The overlays lie under the bonnet and dashboard, so they tint only the windscreen.
void drawOverlays(const layerBlitter &layers, const animTables &animations, const cockpitState &cockpit) {
    const int white = playingFrame(animations, whiteFlashFrames, cockpit.whiteFrame);
    if (white >= 0) {
        layers.blit(whiteFlashBase + white, 0, 0);
    }
    const int flash = playingFrame(animations, flashLightFrames, cockpit.flashFrame);
    if (flash >= 0) {
        layers.blit(flashLightBase + flash, 0, 0);
    }
}

void drawBonnetAndDashboard(const layerBlitter &layers, const animTables &animations,
                            const cockpitState &cockpit, const bool headlightsOn) {
    const dashboardPlacement at = placeDashboard(animations, cockpit);
    if (headlightsOn) {
        layers.blit(headlightsSlot, at.hoodX, at.hoodY);
    }
    layers.blit(at.hoodSlot, at.hoodX, at.hoodY);
    layers.blit(at.dashSlot, at.dashX, at.dashY);
}

// Gauges and lamps sit on the dashboard and move with it.
void drawGaugesAndLamps(const layerBlitter &layers, const cockpitState &cockpit, const int32_t battery) {
    const int x = cockpit.dashSwayX;
    const int y = cockpit.dashBumpY;
    layers.blit(wheelGlowSlot, x + 42, y + 342);
    if (cockpit.needle >= 0 && cockpit.needle <= 11) {
        layers.blit(wheelBase + cockpit.needle, x + 42, y + 342);
    }
    if (battery >= 0 && battery <= 13) {
        layers.blit(batteryBase + battery, x + 42, y + 342);
    }
    layers.blit(beamsLampBase + (cockpit.beamsLamp ? 1 : 0), x + 252, y + 349);
    layers.blit(energyLampBase + (cockpit.flashReady ? 1 : 0), x + 272, y + 353);
    layers.blit(smileLampBase + (cockpit.frown ? 0 : 1), x + 223, y + 355);
    layers.blit(frownLampBase + (cockpit.frown ? 1 : 0), x + 234, y + 353);
}

} // namespace

dashboardPlacement placeDashboard(const animTables &animations, const cockpitState &cockpit) {
    const int hood = playingFrame(animations, hoodFrames, cockpit.hoodFrame);
    const int dash = playingFrame(animations, dashboardFrames, cockpit.dashFrame);
    return {.hoodSlot = hoodBase + (hood >= 0 ? hood : 0),
            .hoodX = cockpit.hoodSwayX - 10,
            .hoodY = cockpit.hoodBumpY - 10,
            .dashSlot = dashboardBase + (dash >= 0 ? dash : 0),
            .dashX = cockpit.dashSwayX - 10,
            .dashY = cockpit.dashBumpY - 10};
}

void drawDashboard(const layerBlitter &layers, const animTables &animations, const cockpitState &cockpit,
                   const bool headlightsOn, const int32_t battery) {
    drawOverlays(layers, animations, cockpit);
    drawBonnetAndDashboard(layers, animations, cockpit, headlightsOn);
    drawGaugesAndLamps(layers, cockpit, battery);
}
