#include "objects/interactions.h"

#include "objects/objectWorld.h"
#include "world/steadyMath.h"
#include "world/wrapping.h"

namespace {

constexpr double frontOffset = 0.5;
constexpr double collisionRadius = 0.7;
constexpr double wallRadius = 1.25;
constexpr double pushStep = 0.001;
constexpr double shakePerSpeed = 0.4;
constexpr int32_t bumpCountLimit = 5;
constexpr double flashRadius = 3.0;
constexpr int32_t flashFiringFrame = 6;
constexpr double spotDistance = 4.0;

// However the car came to overlap something (a script or a change of face can put a solid
// object on top of it, or a row of them along its line of travel), one pass pushes it back no
// farther than this; a deeper overlap is worked off over the next passes. Twice the wall
// radius covers any overlap that driving alone can make.
constexpr double pushLimit = 3.0;
constexpr int32_t pushStepLimit = static_cast<int32_t>(pushLimit / pushStep);

// The placed, visible, solid objects near enough to the car's front point that pushing it
// back within the limit could bring them nearer than a wall's radius: all the push-back
// needs to look at, in table order, gathered once a pass.
struct solidsInReach {
    const basicObj *objects[objectCount] = {};
    int count = 0;
};

// The nearest of them; the first of equally near objects wins.
struct nearestSolid {
    double distance = 1000.0;
    const basicObj *object = nullptr;
};

double frontPointDistance(const playerCar &car, const basicObj &object) {
    return distance(car.x + frontOffset * car.dirX, car.y + frontOffset * car.dirY, object.x, object.y);
}

void gatherSolidsInReach(const objectWorld &world, solidsInReach &reach) {
    reach.count = 0;
    forEachPlaced(world, [&](const basicObj &object) {
        if (object.visible && object.solid &&
            frontPointDistance(world.car, object) < wallRadius + pushLimit) {
            reach.objects[reach.count++] = &object;
        }
    });
}

nearestSolid findNearestSolid(const playerCar &car, const solidsInReach &reach) {
    nearestSolid found;
    for (int k = 0; k < reach.count; k++) {
        const double d = frontPointDistance(car, *reach.objects[k]);
        if (d < found.distance) {
            found = {d, reach.objects[k]};
        }
    }
    return found;
}

// Moves the car back along its line of travel until the nearest solid object is at least
// `radius` away, or the pass's push is spent; a standing car is not moved.
nearestSolid pushBack(playerCar &car, const solidsInReach &reach, nearestSolid nearest, double radius,
                      int32_t &stepsLeft) {
    if (car.speed == 0) {
        return nearest;
    }
    const double step = car.speed > 0 ? -pushStep : pushStep;
    while (nearest.distance < radius && stepsLeft > 0) {
        car.x += step * car.dirX;
        car.y += step * car.dirY;
        stepsLeft--;
        nearest = findNearestSolid(car, reach);
    }
    return nearest;
}

void stopCar(playerCar &car) {
    car.speed = 0;
    car.turn = 0;
}

bool inFlash(const playerCar &car, const basicObj &object) {
    return distance(car.beamX, car.beamY, object.x, object.y) <= flashRadius;
}

// A change the object asks for reaches its whole group, so all nine copies stay alike.
void changeGroupOf(objectWorld &world, const basicObj &object, const std::optional<objectChange> &change) {
    if (change) {
        setObject(world, {.groupId = object.groupId}, *change);
    }
}

void placeHeadlightSpots(playerCar &car) {
    for (int k = 0; k < 2; k++) {
        const sineAndCosine lamp = steadySinCos(car.lampAngle[k]);
        const double dx = spotDistance * car.dirX;
        const double dy = spotDistance * car.dirY;
        car.lampX[k] = wrapCoordinate(car.x + dx * lamp.cosine - dy * lamp.sine, car.side);
        car.lampY[k] = wrapCoordinate(car.y + dx * lamp.sine + dy * lamp.cosine, car.side);
        car.lampTileX[k] = static_cast<int32_t>(car.lampX[k]);
        car.lampTileY[k] = static_cast<int32_t>(car.lampY[k]);
    }
}

} // namespace

void bumpObjects(objectWorld &world) {
    playerCar &car = world.car;
    const int32_t shake = static_cast<int32_t>(car.speed * shakePerSpeed);
    static solidsInReach reach; // large, and refilled every pass
    gatherSolidsInReach(world, reach);
    nearestSolid nearest = findNearestSolid(car, reach);
    int32_t pushStepsLeft = pushStepLimit;

    const bool wall = nearest.object != nullptr && nearest.object->isWall(world.currentLevel);
    if (wall && nearest.distance < wallRadius) {
        nearest = pushBack(car, reach, nearest, wallRadius, pushStepsLeft);
        stopCar(car);
    }

    bool bumped = false;
    if (nearest.distance < collisionRadius) {
        bumped = true;
        changeGroupOf(world, *nearest.object, nearest.object->bumped());
        pushBack(car, reach, nearest, collisionRadius, pushStepsLeft);
        stopCar(car);
    }

    if (!bumped) {
        if (car.bumpCount >= 1) {
            car.bumpCount--;
        }
    } else if (car.bumpCount > bumpCountLimit - 1) {
        car.bumpCount = bumpCountLimit;
    } else {
        car.bumpCount++;
        car.cockpit.hoodBumpY += shake;
        car.cockpit.dashBumpY -= shake;
    }
}

void flashObjects(objectWorld &world) {
    playerCar &car = world.car;
    car.beamX = car.x + beamDistance * car.dirX;
    car.beamY = car.y + beamDistance * car.dirY;
    if (car.cockpit.flashFrame == flashFiringFrame) {
        const levelInPlay &level = world.currentLevel;
        forEachPlaced(world, [&](const basicObj &object) {
            if (inFlash(car, object)) {
                changeGroupOf(world, object, object.flashed(level));
            }
        });
    }
    placeHeadlightSpots(car);
}

void hitPlayer(playerCar &car) {
    car.cockpit.flashFrame = 36;
    car.cockpit.whiteFrame = 25;
    car.cockpit.hoodBumpY += 7;
    car.cockpit.dashBumpY -= 7;
    stopCar(car);
}
