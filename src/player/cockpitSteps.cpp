#include "player/cockpitSteps.h"

#include "media/animTables.h"

namespace {

// When the headlights come back on, the bonnet and dashboard glow from this frame and the
// glow is cut short at the end frame.
constexpr int32_t switchOnGlowFrame = 25;
constexpr int32_t glowEndFrame = 34;

constexpr int32_t refusalBlinkFrames = 10;

int32_t towardsZero(int32_t value) {
    return value > 0 ? value - 1 : value < 0 ? value + 1 : 0;
}
int32_t clampInt(int32_t value, int32_t low, int32_t high) {
    return value < low ? low : value > high ? high : value;
}

// Plays an animation counter on by one frame over a table of `count` frames: a counter
// at the count, or below 0, shows nothing.
void playOn(int32_t &counter, int32_t count) {
    if (counter >= 0 && counter < count) {
        counter++;
    } else {
        counter = count;
    }
}

// Plays a glow on, and stops it at its end frame when it is to be cut short.
void playGlow(int32_t &counter, bool &cutShort, int32_t count) {
    playOn(counter, count);
    if (cutShort && counter == glowEndFrame) {
        cutShort = false;
        counter = count;
    }
}

} // namespace

void stepDashboardAnimations(cockpitState &cockpit, const animTables &animations, const bool headlightsOn) {
    if (headlightsOn) {
        playGlow(cockpit.hoodFrame, cockpit.hoodShort, animations.tables[hoodFrames].count);
        playGlow(cockpit.dashFrame, cockpit.dashShort, animations.tables[dashboardFrames].count);
    } else {
        cockpit.hoodFrame = cockpit.dashFrame = switchOnGlowFrame;
        cockpit.hoodShort = cockpit.dashShort = true;
    }
    playOn(cockpit.whiteFrame, animations.tables[whiteFlashFrames].count);
    playOn(cockpit.flashFrame, animations.tables[flashLightFrames].count);
}

void stepSway(cockpitState &cockpit, const double turn, const bool onDirt, const bool moving) {
    if (turn > 0) {
        if (cockpit.hoodSwayX > -5) {
            cockpit.hoodSwayX--;
        }
        if (cockpit.dashSwayX < 5) {
            cockpit.dashSwayX++;
        }
    } else if (turn < 0) {
        if (cockpit.hoodSwayX < 5) {
            cockpit.hoodSwayX++;
        }
        if (cockpit.dashSwayX > -5) {
            cockpit.dashSwayX--;
        }
    } else {
        cockpit.hoodSwayX = towardsZero(cockpit.hoodSwayX);
        cockpit.dashSwayX = towardsZero(cockpit.dashSwayX);
    }
    cockpit.hoodBumpY = towardsZero(cockpit.hoodBumpY);
    cockpit.dashBumpY = towardsZero(cockpit.dashBumpY);

    // Off the road the car shakes: a new bump each time the last has settled, growing
    // while the car moves and dying away when it stands.
    if (onDirt && cockpit.hoodBumpY == 0) {
        if (moving) {
            if (cockpit.hoodKick > -4) {
                cockpit.hoodKick--;
            }
            if (cockpit.dashKick > -1) {
                cockpit.dashKick--;
            }
        } else {
            if (cockpit.hoodKick < 0) {
                cockpit.hoodKick++;
            }
            if (cockpit.dashKick < 0) {
                cockpit.dashKick++;
            }
        }
        cockpit.hoodBumpY = cockpit.hoodKick;
        cockpit.dashBumpY = cockpit.dashKick;
    }
}

void stepLamps(cockpitState &cockpit, const bool headlightsOn, const bool flashCouldFire) {
    cockpit.beamsLamp = headlightsOn;
    cockpit.flashReady = headlightsOn && flashCouldFire;
    if (cockpit.blinkTimer > 0) {
        cockpit.blinkTimer--;
        cockpit.flashReady = !cockpit.flashReady;
    }
}

void stepNeedle(cockpitState &cockpit, const double speed, const int32_t maxSpeed) {
    const int32_t stepPerMark = maxSpeed / 11;
    int32_t target = 0;
    for (int k = 0; k <= 10; k++) {
        if (stepPerMark * k < speed) {
            target++;
        }
    }
    int32_t &needle = cockpit.needle;
    if (cockpit.needleTick < 5) {
        cockpit.needleTick++;
    } else {
        cockpit.needleTick = 0;
        needle += needle < target ? 1 : needle > target ? -1 : 0;
    }
    if (needle < 0) {
        needle = 0;
    }
}

void clampSway(cockpitState &cockpit) {
    cockpit.hoodSwayX = clampInt(cockpit.hoodSwayX, -5, 5);
    cockpit.dashSwayX = clampInt(cockpit.dashSwayX, -5, 5);
    cockpit.hoodBumpY = clampInt(cockpit.hoodBumpY, -12, 12);
    cockpit.dashBumpY = clampInt(cockpit.dashBumpY, -12, 12);
}

void playFlash(cockpitState &cockpit) {
    cockpit.hoodFrame = cockpit.dashFrame = cockpit.whiteFrame = cockpit.flashFrame = 0;
    cockpit.hoodShort = cockpit.dashShort = true;
}

void blinkFlashLamp(cockpitState &cockpit) {
    cockpit.blinkTimer = refusalBlinkFrames;
}
