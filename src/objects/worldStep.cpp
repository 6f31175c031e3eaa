#include "objects/worldStep.h"

#include "objects/interactions.h"
#include "objects/objectWorld.h"
#include "world/wrapping.h"

void stepPlayerCar(objectWorld &world) {
    playerCar &car = world.car;
    const levelInPlay &level = world.currentLevel;
    car.driveBeforeContact(level.side,
                           level.groundAt(tileIndex(car.x, level.side), tileIndex(car.y, level.side)));
    bumpObjects(world);
    flashObjects(world);
    car.driveAfterContact();
}

void updateObjects(objectWorld &world) {
    stepPlayerCar(world);
    const int32_t side = world.currentLevel.side;
    forEachPlaced(world, [&](basicObj &object) { object.update(world.car, side); });
    world.fade.fadeStep();
}
