#include "player/playerCar.h"

#include <cmath>

#include "player/cockpitSteps.h"

namespace {

constexpr int32_t fullFlashFrames = 60;
constexpr int32_t headlightCooldownFrames = 30;
constexpr int32_t fullBattery = 13;

// A new game's car faces −x.
constexpr carPose startPose = {
    .x = 5.1, .y = 5.1, .dirX = -1.0, .dirY = 0.0, .planeX = 0.0, .planeY = 0.8, .heading = 0.0};

} // namespace

using namespace carMotion;

playerCar::playerCar(const keyboardState &keys, const animTables &tables)
    : bindings(keys), animations(tables) {
    resetPlayerCar();
}

void playerCar::resetPlayerCar() {
    placeAt(startPose);
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
    bumpCount = 0;
    headlightsOn = true;
    battery = fullBattery;
    flashFired = refused = false;
    toggleCooldown = 0;
    for (bool &flag : progressFlags) {
        flag = false;
    }
    cockpit = cockpitState{};
}

void playerCar::placeAt(const carPose &pose) {
    x = pose.x;
    y = pose.y;
    dirX = pose.dirX;
    dirY = pose.dirY;
    planeX = pose.planeX;
    planeY = pose.planeY;
    heading = pose.heading;
}

void playerCar::driveBeforeContact(const int32_t worldSide, const int32_t groundUnderCar) {
    beginFrame(worldSide, groundUnderCar);
    stepDashboardAnimations(cockpit, animations, headlightsOn);
    stepSway(cockpit, turn, groundTile == 0, speed != 0);
    readControls();
    stepLights();
    move();
}

void playerCar::driveAfterContact() {
    rotate();
    stepNeedle(cockpit, speed, maxSpeed);
    stepBattery();
    wrapPosition();
    clampSway(cockpit);
}

void playerCar::beginFrame(const int32_t worldSide, const int32_t groundUnderCar) {
    flashFired = refused = false;
    cockpit.frown = false;
    side = worldSide;
    groundTile = groundUnderCar;
    const bool onDirt = groundTile == 0;
    maxSpeed = onDirt ? 15 : 30;
    maxReverse = onDirt ? -7 : -15;
    bindings.refresh();
}

void playerCar::readControls() {
    if (baseLight < light) {
        // The car cannot be driven while the flash is brighter than normal.
        gas = reverse = left = right = false;
        turn = 0;
    } else {
        gas = bindings.actionHeld(keyAction::accelerateKey);
        if (!bindings.actionHeld(keyAction::brakeKey)) {
            reverse = false;
        } else if (!gas) {
            reverse = true;
        }
        right = bindings.actionHeld(keyAction::steerRightKey);
        if (!right && turn < 0) {
            turn = 0;
        }
        left = bindings.actionHeld(keyAction::steerLeftKey);
        if (!left && turn > 0) {
            turn = 0;
        }
        if (toggleCooldown > 0) {
            toggleCooldown--;
        }
        if (bindings.actionPressed(keyAction::lightsKey)) {
            toggleHeadlightsOrRefuse();
        }
    }
    if (bindings.actionPressed(keyAction::flashKey)) {
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
    playFlash(cockpit);
    flashFired = true;
}

void playerCar::refuse() {
    blinkFlashLamp(cockpit);
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
    const bool flashCouldFire = light < lightFullFlash && speed == 0;
    if (headlightsOn) {
        if (light < lightNormal) {
            light = lightNormal;
        }
    } else if (light > lightOff) {
        light = lightOff;
    }
    stepLamps(cockpit, headlightsOn, flashCouldFire);
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

void playerCar::stepBattery() {
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
