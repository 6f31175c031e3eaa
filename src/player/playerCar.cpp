#include "player/playerCar.h"

#include <cmath>
#include <numbers>

#include "media/animTables.h"

namespace {

// When the headlights come back on, the bonnet and dashboard glow from this frame and the
// glow is cut short at the end frame.
constexpr int32_t switchOnGlowFrame = 25;
constexpr int32_t glowEndFrame = 34;

constexpr int32_t fullFlashFrames = 60;
constexpr int32_t refusalBlinkFrames = 10;
constexpr int32_t headlightCooldownFrames = 30;
constexpr int32_t fullBattery = 13;

constexpr double acceleration = 0.2;
constexpr double rollingLoss = 0.5;
constexpr double steeringStep = 0.001;
constexpr double steeringLimit = 5.0;
constexpr double distancePerSpeed = 0.01;
// The steering value is a fraction of a full circle of 6.4.
constexpr double steeringToRadians = 2.0 * std::numbers::pi / 6.4;

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

} // namespace

playerCar::playerCar(const keyboardState &keyboard, const animTables &tables)
    : keyBindings(keyboard), animations(tables) {
    resetPlayerCar();
}

void playerCar::resetPlayerCar() {
    x = y = 5.1;
    dirX = -1.0;
    dirY = 0.0;
    planeX = 0.0;
    planeY = 0.8;
    heading = 0.0;
    gas = reverse = left = right = false;
    speed = turn = 0.0;
    side = groundTile = maxSpeed = maxReverse = 0;
    for (int k = 0; k < 2; k++) {
        lampTileX[k] = lampTileY[k] = 0;
        lampX[k] = lampY[k] = 0.0;
    }
    lampAngle[0] = 0.45;
    lampAngle[1] = -0.45;
    beamX = beamY = 0.0;
    baseLight = light = lightNormal;
    flashTimer = lightDecay = 0;
    hoodSwayX = hoodBumpY = dashSwayX = dashBumpY = 0;
    hoodKick = dashKick = bumpCount = 0;
    hoodFrame = dashFrame = whiteFrame = flashFrame = -1;
    headlightsOn = flashReady = beamsLamp = true;
    frown = false;
    blinkTimer = needle = needleTick = 0;
    battery = fullBattery;
    flashFired = refused = false;
    toggleCooldown = 0;
    for (bool &flag : progressFlags) {
        flag = false;
    }
    hoodShort = dashShort = false;
}

void playerCar::driveBeforeContact(const int32_t worldSide, const int32_t groundUnderCar) {
    beginFrame(worldSide, groundUnderCar);
    stepDashboardAnimations();
    stepSway();
    readControls();
    stepLights();
    move();
}

void playerCar::driveAfterContact() {
    rotate();
    stepGauges();
    wrapPosition();
    clampSway();
}

void playerCar::beginFrame(const int32_t worldSide, const int32_t groundUnderCar) {
    flashFired = refused = frown = false;
    side = worldSide;
    groundTile = groundUnderCar;
    const bool onDirt = groundTile == 0;
    maxSpeed = onDirt ? 15 : 30;
    maxReverse = onDirt ? -7 : -15;
    refresh();
}

void playerCar::stepDashboardAnimations() {
    if (headlightsOn) {
        playOn(hoodFrame, animations.tables[hoodFrames].count);
        if (hoodShort && hoodFrame == glowEndFrame) {
            hoodShort = false;
            hoodFrame = animations.tables[hoodFrames].count;
        }
        playOn(dashFrame, animations.tables[dashboardFrames].count);
        if (dashShort && dashFrame == glowEndFrame) {
            dashShort = false;
            dashFrame = animations.tables[dashboardFrames].count;
        }
    } else {
        hoodFrame = dashFrame = switchOnGlowFrame;
        hoodShort = dashShort = true;
    }
    playOn(whiteFrame, animations.tables[whiteFlashFrames].count);
    playOn(flashFrame, animations.tables[flashLightFrames].count);
}

void playerCar::stepSway() {
    if (turn > 0) {
        if (hoodSwayX > -5) {
            hoodSwayX--;
        }
        if (dashSwayX < 5) {
            dashSwayX++;
        }
    } else if (turn < 0) {
        if (hoodSwayX < 5) {
            hoodSwayX++;
        }
        if (dashSwayX > -5) {
            dashSwayX--;
        }
    } else {
        hoodSwayX = towardsZero(hoodSwayX);
        dashSwayX = towardsZero(dashSwayX);
    }
    hoodBumpY = towardsZero(hoodBumpY);
    dashBumpY = towardsZero(dashBumpY);

    // Off the road the car shakes: a new bump each time the last has settled, growing
    // while the car moves and dying away when it stands.
    if (groundTile == 0 && hoodBumpY == 0) {
        if (speed != 0) {
            if (hoodKick > -4) {
                hoodKick--;
            }
            if (dashKick > -1) {
                dashKick--;
            }
        } else {
            if (hoodKick < 0) {
                hoodKick++;
            }
            if (dashKick < 0) {
                dashKick++;
            }
        }
        hoodBumpY = hoodKick;
        dashBumpY = dashKick;
    }
}

void playerCar::readControls() {
    if (baseLight < light) {
        // The car cannot be driven while the flash is brighter than normal.
        gas = reverse = left = right = false;
        turn = 0;
    } else {
        gas = actionHeld(keyAction::gasKey);
        if (!actionHeld(keyAction::reverseKey)) {
            reverse = false;
        } else if (!gas) {
            reverse = true;
        }
        right = actionHeld(keyAction::rightKey);
        if (!right && turn < 0) {
            turn = 0;
        }
        left = actionHeld(keyAction::leftKey);
        if (!left && turn > 0) {
            turn = 0;
        }
        if (toggleCooldown > 0) {
            toggleCooldown--;
        }
        if (actionPressed(keyAction::extraRightKey)) {
            toggleHeadlightsOrRefuse();
        }
    }
    if (actionPressed(keyAction::headlightKey)) {
        fireFlashOrRefuse();
    }
}

void playerCar::toggleHeadlightsOrRefuse() {
    if (toggleCooldown != 0) {
        refuse();
        return;
    }
    toggleCooldown = headlightCooldownFrames;
    headlightsOn = !headlightsOn;
}

void playerCar::fireFlashOrRefuse() {
    if (!(light < lightFullFlash && speed == 0 && headlightsOn && battery > 0)) {
        refuse();
        return;
    }
    battery--;
    light = lightFullFlash;
    flashTimer = fullFlashFrames;
    hoodFrame = dashFrame = whiteFrame = flashFrame = 0;
    flashFired = true;
    hoodShort = dashShort = true;
}

void playerCar::refuse() {
    blinkTimer = refusalBlinkFrames;
    refused = true;
}

void playerCar::stepLights() {
    if (flashTimer >= 1) {
        flashTimer--;
    } else {
        // After the full flash the light falls one shape every three frames.
        flashTimer = 0;
        if (lightDecay < 1) {
            lightDecay = 2;
            light = light > baseLight ? light - 1 : baseLight;
        } else {
            lightDecay--;
        }
    }
    if (headlightsOn) {
        beamsLamp = true;
        flashReady = light < lightFullFlash && speed == 0;
        if (light < lightNormal) {
            light = lightNormal;
        }
    } else {
        beamsLamp = false;
        flashReady = false;
        if (light > lightOff) {
            light = lightOff;
        }
    }
    if (blinkTimer > 0) {
        blinkTimer--;
        flashReady = !flashReady;
    }
}

void playerCar::move() {
    if (gas) {
        speed = speed < maxSpeed ? speed + acceleration : maxSpeed;
    } else if (speed > rollingLoss) {
        speed -= rollingLoss;
    } else if (speed >= 0) {
        speed = 0;
    }
    if (reverse) {
        speed = speed > maxReverse ? speed - acceleration : maxReverse;
    } else if (speed < -rollingLoss) {
        speed += rollingLoss;
    } else if (speed <= 0) {
        speed = 0;
    }

    // Steering grows by small steps up to a limit that rises with the speed.
    if (right) {
        if (speed != 0) {
            const double limit = -steeringStep * speed;
            turn = turn > limit ? turn - steeringStep : limit;
            if (turn < -steeringLimit) {
                turn = -steeringLimit;
            }
        } else if (turn < 0) {
            turn = 0;
        }
    }
    if (left) {
        if (speed != 0) {
            const double limit = steeringStep * speed;
            turn = turn < limit ? turn + steeringStep : limit;
            if (turn > steeringLimit) {
                turn = steeringLimit;
            }
        } else if (turn > 0) {
            turn = 0;
        }
    }

    x += speed * distancePerSpeed * dirX;
    y += speed * distancePerSpeed * dirY;
}

void playerCar::rotate() {
    turn = turn * steeringToRadians;
    rotateVector(dirX, dirY, turn);
    rotateVector(planeX, planeY, turn);
    heading -= turn * steeringToRadians * 58.36;
    heading = wrapDegrees(heading);
}

void playerCar::stepGauges() {
    const int32_t stepPerMark = maxSpeed / 11;
    int32_t target = 0;
    for (int k = 0; k <= 10; k++) {
        if (stepPerMark * k < speed) {
            target++;
        }
    }
    // The needle moves at most one mark every six frames.
    if (needleTick < 5) {
        needleTick++;
    } else {
        needleTick = 0;
        needle += needle < target ? 1 : needle > target ? -1 : 0;
    }
    if (needle < 0) {
        needle = 0;
    }
    if (battery < 0) {
        battery = 0;
    }
    if (battery < 1) {
        headlightsOn = false;
    }
}

void playerCar::wrapPosition() {
    x = wrapCoordinate(x, side);
    y = wrapCoordinate(y, side);
}

void playerCar::clampSway() {
    hoodSwayX = clampInt(hoodSwayX, -5, 5);
    dashSwayX = clampInt(dashSwayX, -5, 5);
    hoodBumpY = clampInt(hoodBumpY, -12, 12);
    dashBumpY = clampInt(dashBumpY, -12, 12);
}
