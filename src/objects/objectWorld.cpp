#include "objects/objectWorld.h"

#include "levels/levelList.h"
#include "objects/interactions.h"

objectWorld::objectWorld(imageBank &bank, levelList &levelsOfGame, const animTables &tables,
                         drawList &spriteList, gameFlags &switches, const keyboardState &keyboard)
    : images(bank), levels(levelsOfGame), animations(tables), sprites(spriteList), flags(switches),
      car(keyboard, tables) {}

namespace {

void applyOptionalFields(basicObj &object, int32_t frame, int32_t state, int32_t shade, int32_t fixedShade,
                         double angle, int32_t emitsLight, int32_t lightShape, int32_t visible,
                         std::string_view mode) {
    if (frame >= 0) {
        object.frame = frame;
    }
    if (state >= 0) {
        object.state = state;
    }
    if (shade >= 0) {
        object.shade = shade;
    }
    if (fixedShade >= 0) {
        object.fixedShade = fixedShade != 0;
    }
    if (angle > 360) {
        object.angle = 360;
    } else if (angle > -1) {
        object.angle = angle;
    }
    if (emitsLight >= 0) {
        object.emitsLight = emitsLight != 0;
    }
    if (lightShape >= 0) {
        object.lightShape = lightShape;
    }
    if (visible >= 0) {
        object.visible = visible != 0;
    }
    if (mode != "same") {
        object.mode = mode;
    }
}

basicObj *firstFree(objectWorld &world, std::string_view kind) {
    for (basicObj *object : world.objects) {
        if (object != nullptr && !object->placed && object->kind == kind) {
            return object;
        }
    }
    return nullptr;
}

} // namespace

void setObject(bool create, objectWorld &world, std::string_view kind, int32_t groupId, int32_t objectId,
               double x, double y, double homeX, double homeY, int32_t frame, int32_t state, int32_t shade,
               int32_t fixedShade, double angle, int32_t emitsLight, int32_t lightShape, int32_t visible,
               std::string_view mode) {
    const auto change = [&](basicObj &object) {
        applyOptionalFields(object, frame, state, shade, fixedShade, angle, emitsLight, lightShape, visible,
                            mode);
    };
    if (create) {
        basicObj *object = firstFree(world, kind);
        if (object == nullptr) {
            return;
        }
        object->placed = true;
        if (groupId >= 0) {
            object->groupId = groupId;
        }
        if (objectId >= 0) {
            object->objectId = objectId;
        }
        object->x = object->homeX = x;
        object->y = object->homeY = y;
        change(*object);
        return;
    }
    // An object that carries both the group and the id is changed twice.
    const auto move = [&](basicObj &object) {
        object.x += x;
        object.y += y;
        object.homeX += homeX;
        object.homeY += homeY;
        change(object);
    };
    if (groupId >= 0) {
        for (basicObj *object : world.objects) {
            if (object != nullptr && object->placed && object->groupId == groupId) {
                move(*object);
            }
        }
    }
    if (objectId >= 0) {
        for (basicObj *object : world.objects) {
            if (object != nullptr && object->placed && object->objectId == objectId) {
                move(*object);
            }
        }
    }
}

void stepPlayerCar(objectWorld &world) {
    playerCar &car = world.car;
    const int32_t side = world.levels.currentSide();
    car.driveBeforeContact(side, world.levels.groundAt(tileIndex(car.x, side), tileIndex(car.y, side)));
    bumpObjects(world);
    flashObjects(world);
    car.driveAfterContact();
}

void updateObjects(objectWorld &world) {
    stepPlayerCar(world);
    const int32_t side = world.levels.currentSide();
    for (basicObj *object : world.objects) {
        if (object != nullptr && object->placed) {
            object->update(world.car, side);
        }
    }
    world.fade.fadeStep();
}

void respawnGhostCars(objectWorld &world) {
    for (basicObj *object : world.objects) {
        if (object != nullptr && object->kind == "ghostCar" && object->groupId >= 0 &&
            object->objectId >= 0) {
            object->mode = "respawn";
        }
    }
}
