#include "objects/interactions.h"

#include <cmath>

#include "media/helpers.h"
#include "media/wrapping.h"
#include "objects/objectWorld.h"

namespace {

constexpr double frontOffset = 0.5;
constexpr double collisionRadius = 0.7;
constexpr double wallRadius = 1.25;
constexpr double pushStep = 0.001;
constexpr double shakePerSpeed = 0.4;
constexpr int32_t bumpCountLimit = 5;
constexpr double beamDistance = 5.5;
constexpr double flashRadius = 3.0;
constexpr int32_t flashFiringFrame = 6;
constexpr double spotDistance = 4.0;

// The nearest placed, visible, solid object to the car's front point.
struct nearestSolid {
    double distance = 1000.0;
    const basicObj *object = nullptr;
};

nearestSolid findNearestSolid(const objectWorld &world) {
    const playerCar &car = world.car;
    const double frontX = car.x + frontOffset * car.dirX;
    const double frontY = car.y + frontOffset * car.dirY;
    nearestSolid found;
    forEachPlaced(world, [&](const basicObj &object) {
        if (!object.visible || !object.solid) {
            return;
        }
        const double d = distance(frontX, frontY, object.x, object.y);
        if (d < found.distance) { // the first of equally near objects wins
            found = {d, &object};
        }
    });
    return found;
}

// Moves the car back along its line of travel until the nearest solid object is at least
// `radius` away; a standing car is not moved.
nearestSolid pushBack(objectWorld &world, nearestSolid nearest, double radius) {
    playerCar &car = world.car;
    if (car.speed == 0) {
        return nearest;
    }
    const double step = car.speed > 0 ? -pushStep : pushStep;
    while (nearest.distance < radius) {
        car.x += step * car.dirX;
        car.y += step * car.dirY;
        nearest = findNearestSolid(world);
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
        const double a = car.lampAngle[k];
        const double dx = spotDistance * car.dirX;
        const double dy = spotDistance * car.dirY;
        car.lampX[k] = wrapCoordinate(car.x + dx * std::cos(a) - dy * std::sin(a), car.side);
        car.lampY[k] = wrapCoordinate(car.y + dx * std::sin(a) + dy * std::cos(a), car.side);
        car.lampTileX[k] = static_cast<int32_t>(car.lampX[k]);
        car.lampTileY[k] = static_cast<int32_t>(car.lampY[k]);
    }
}

} // namespace

void bumpObjects(objectWorld &world) {
    playerCar &car = world.car;
    const int32_t shake = static_cast<int32_t>(car.speed * shakePerSpeed);
    nearestSolid nearest = findNearestSolid(world);

    const bool wall = nearest.object != nullptr && nearest.object->isWall(world.currentLevel.index);
    if (wall && nearest.distance < wallRadius) {
        nearest = pushBack(world, nearest, wallRadius);
        stopCar(car);
    }

    bool bumped = false;
    if (nearest.distance < collisionRadius) {
        bumped = true;
        changeGroupOf(world, *nearest.object, nearest.object->bumped());
        pushBack(world, nearest, collisionRadius);
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
        const int32_t level = world.currentLevel.index;
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
