#pragma once
// The inside of the car as the driver sees it: where the bonnet and dashboard pictures sit as
// they sway and bump, the glow and overlay sequences, the dashboard lamps and the speedometer
// needle. Plain data: the player car animates it every pass, the camera copies it once the
// world has moved, and the dashboard is drawn from that copy.
#include <cstdint>

struct cockpitState {
    // Pixel offsets of the bonnet and dashboard pictures.
    int32_t hoodSwayX = 0, hoodBumpY = 0;
    int32_t dashSwayX = 0, dashBumpY = 0;
    // Size of the next bump of bonnet and dashboard off the road.
    int32_t hoodKick = 0, dashKick = 0;
    // Counters over the bonnet, dashboard, white-flash and flash-light sequences; below 0 or
    // at a sequence's count they show no frame.
    int32_t hoodFrame = -1, dashFrame = -1, whiteFrame = -1, flashFrame = -1;
    bool hoodShort = false, dashShort = false; // stop the bonnet / dashboard glow at its end frame
    bool flashReady = true;                    // the flash lamp is lit
    bool beamsLamp = true;                     // the headlight lamp is lit
    bool frown = false;                        // the mood lamp; every pass starts without it
    int32_t blinkTimer = 0;                    // passes left of the flash lamp's refusal blink
    int32_t needle = 0;                        // speedometer mark 0 … 11
    int32_t needleTick = 0;                    // counts the passes between needle moves
};
