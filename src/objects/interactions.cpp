#include "objects/interactions.h"

#include <cmath>
#include <string_view>

#include "levels/levelList.h"
#include "media/helpers.h"
#include "objects/lamp.h"
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
constexpr int32_t butterflyLevel = 17;

// The nearest placed, visible, solid object to the car's front point, and the groups the
// collision acts on (-1 when the nearest is of another kind).
struct nearestSolid {
    double distance = 1000.0;
    int32_t lampGroup = -1;
    int32_t statueGroup = -1;
    int32_t moonGroup = -1;
    int32_t treeGroup = -1;
};

nearestSolid findNearestSolid(const objectWorld &world) {
    const playerCar &car = world.car;
    const double frontX = car.x + frontOffset * car.dirX;
    const double frontY = car.y + frontOffset * car.dirY;
    const basicObj *nearest = nullptr;
    nearestSolid found;
    for (const basicObj *object : world.objects) {
        if (object == nullptr || !object->placed || !object->visible || !object->solid) {
            continue;
        }
        const double d = distance(frontX, frontY, object->x, object->y);
        if (d < found.distance) { // the first of equally near objects wins
            found.distance = d;
            nearest = object;
        }
    }
    if (nearest != nullptr) {
        const std::string_view kind = nearest->kind;
        found.lampGroup = kind == "lamp" ? nearest->groupId : -1;
        found.statueGroup = kind == "statue" ? nearest->groupId : -1;
        found.moonGroup = kind == "moon" ? nearest->groupId : -1;
        found.treeGroup = kind == "tree" && world.levels.current == moonLevel ? nearest->groupId : -1;
    }
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

void changeGroupFrame(objectWorld &world, int32_t group, int32_t frame) {
    setObject(false, world, "none", group, -1, 0, 0, 0, 0, frame, -1, -1, -1, -1, -1, -1, -1, "same");
}

void stopCar(playerCar &car) {
    car.speed = 0;
    car.turn = 0;
}

bool inFlash(const playerCar &car, const basicObj &object) {
    return distance(car.beamX, car.beamY, object.x, object.y) <= flashRadius;
}

bool isActiveGhost(std::string_view mode) {
    return mode == "patrol" || mode == "attack" || mode == "static" || mode == "straight" || mode == "race";
}

// The flash's effect on one object near the beam point, by kind.
void flashObject(objectWorld &world, const basicObj &object) {
    const std::string_view kind = object.kind;
    const int32_t group = object.groupId;
    if (kind == "lamp" && object.visible) {
        changeGroupFrame(world, group, object.frame == lampDark ? lampBurning : lampDark);
    } else if (kind == "tree" && object.visible && object.frame == 1) {
        changeGroupFrame(world, group, 2); // a sapling starts to grow
    } else if (kind == "ghostCar" && object.visible && isActiveGhost(object.mode)) {
        setObject(false, world, "none", group, -1, 0, 0, 0, 0, -1, -1, -1, -1, -1, -1, -1, -1, "dead");
    } else if (kind == "statue" && object.visible && object.state <= 2) {
        setObject(false, world, "none", group, -1, 0, 0, 0, 0, 0, 2, -1, -1, -1, -1, -1, -1, "dead");
    } else if (kind == "butterfly" && !object.visible && object.emitsLight &&
               world.levels.current == butterflyLevel) {
        setObject(false, world, "none", group, -1, 0, 0, 0, 0, -1, -1, -1, -1, -1, -1, -1, 1, "same");
    } else if (kind == "moon" && object.visible) {
        setObject(false, world, "none", group, -1, 0, 0, 0, 0, -1, 2, -1, -1, -1, -1, -1, -1, "same");
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

    const bool wall = nearest.moonGroup >= 0 || nearest.treeGroup >= 0;
    if (wall && nearest.distance < wallRadius) {
        nearest = pushBack(world, nearest, wallRadius);
        stopCar(car);
    }

    bool bumped = false;
    if (nearest.distance < collisionRadius) {
        bumped = true;
        if (nearest.lampGroup >= 0) {
            changeGroupFrame(world, nearest.lampGroup, lampDark);
        }
        if (nearest.statueGroup >= 0) {
            changeGroupFrame(world, nearest.statueGroup, 1); // a dead statue starts to crumble
        }
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
        for (const basicObj *object : world.objects) {
            if (object != nullptr && object->placed && inFlash(car, *object)) {
                flashObject(world, *object);
            }
        }
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
