#pragma once
// The car the player drives: controls, speed and steering, the headlights with their flash
// and battery, and the wrap of the position round the world. It owns the cockpit (the
// swaying bonnet and dashboard, lamps and speedometer) and moves it along each pass. One
// step is one pass; nothing is scaled by elapsed time.
#include <cstdint>
#include <numbers>

#include "player/keyBindings.h"
#include "world/cockpitState.h"
#include "world/wrapping.h"

class animTables;

constexpr int progressFlagCount = 6;

// Light shapes of the headlights.
constexpr int32_t lightOff = 0;
constexpr int32_t lightNormal = 3;
constexpr int32_t lightFullFlash = 7;

// How the car speeds up, rolls to a stand, steers and moves, a pass at a time.
namespace carMotion {
constexpr double acceleration = 0.2; // a pass with the gas or the reverse held
constexpr double rollingLoss = 0.5;  // a pass with neither held
constexpr double steeringStep = 0.001;
constexpr double steeringLimit = 5.0;
constexpr double distancePerSpeed = 0.01; // tiles a pass for each unit of speed
// The steering value is a fraction of a full circle of 6.4.
constexpr double steeringToRadians = 2.0 * std::numbers::pi / 6.4;
} // namespace carMotion

// Where the car stands and which way it faces. The camera plane is perpendicular to the
// facing and 0.8 long; the heading is the facing in degrees.
struct carPose {
    double x, y;
    double dirX, dirY;
    double planeX, planeY;
    double heading;
};

class playerCar {
  public:
    playerCar(const keyboardState &keys, const animTables &tables);

    keyBindings bindings; // the controls, refreshed at the start of each step
    const animTables &animations;

    double x, y;
    double dirX, dirY;
    double planeX, planeY; // camera plane: perpendicular to the facing, length 0.8
    double heading;        // degrees, 0 … 360
    bool gas, reverse, left, right;
    double speed; // negative when reversing
    double turn;  // positive turns left
    int32_t side;
    int32_t groundTile;
    int32_t maxSpeed, maxReverse;
    int32_t lampTileX[2], lampTileY[2]; // headlight spots: 0 left lamp, 1 right lamp
    double lampX[2], lampY[2];
    double lampAngle[2];
    double beamX, beamY; // where the flash is aimed, 5.5 tiles ahead
    int32_t baseLight;
    int32_t light;
    int32_t flashTimer;
    int32_t lightDecay;
    int32_t bumpCount; // recent collisions; only the first few shake the bonnet
    // The switch and the charge belong to the car, not the cockpit, though the dashboard
    // shows them: level scripts, trees and ghost cars change them, and whether a flash
    // fires depends on them.
    bool headlightsOn;
    int32_t battery;
    bool flashFired;
    bool refused;
    int32_t toggleCooldown;
    bool progressFlags[progressFlagCount];
    cockpitState cockpit;

    void resetPlayerCar();
    // Stands the car at a pose; its speed, lights and everything else stay as they are.
    void placeAt(const carPose &pose);
    // A pass of driving comes in two halves; between them the world answers the car's
    // move (collisions, the flash). The world passes in its side and the ground tile the
    // car stands on, so the car needs to know nothing of levels.
    void driveBeforeContact(int32_t worldSide, int32_t groundUnderCar);
    void driveAfterContact();

    // The car's own steps of a pass, in the order the two halves run them; the cockpit's
    // steps run between them.
    void beginFrame(int32_t worldSide, int32_t groundUnderCar);
    void readControls();
    void stepLights();
    void move();
    void rotate();
    void stepBattery();
    void wrapPosition();

  private:
    void fireFlashOrRefuse();
    void toggleHeadlightsOrRefuse();
    void refuse();
};
