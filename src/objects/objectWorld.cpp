#include "objects/objectWorld.h"

objectWorld::objectWorld(const animTables &tables, drawList &spriteList, const keyboardState &keyboard)
    : animations(tables), sprites(spriteList), car(keyboard, tables) {}

namespace {

// A number below 0 has always meant "leave it", and still does.
void setNumber(int32_t &field, const std::optional<int32_t> value) {
    if (value && *value >= 0) {
        field = *value;
    }
}

void setFlag(bool &field, const std::optional<bool> value) {
    if (value) {
        field = *value;
    }
}

void applyFields(basicObj &object, const objectChange &change) {
    setNumber(object.frame, change.frame);
    setNumber(object.state, change.state);
    setNumber(object.shade, change.shade);
    setFlag(object.fixedShade, change.fixedShade);
    if (change.angle) {
        if (*change.angle > 360) {
            object.angle = 360;
        } else if (*change.angle > -1) {
            object.angle = *change.angle;
        }
    }
    setFlag(object.emitsLight, change.emitsLight);
    setNumber(object.lightShape, change.lightShape);
    setFlag(object.visible, change.visible);
    if (change.mode) {
        object.mode = *change.mode;
    }
}

basicObj *firstFree(objectWorld &world, const objectKind kind) {
    for (basicObj *object : world.objects) {
        if (object != nullptr && !object->placed && object->kind == kind) {
            return object;
        }
    }
    return nullptr;
}

void place(objectWorld &world, const objectTarget &target, const objectChange &change) {
    basicObj *object = firstFree(world, target.kind);
    if (object == nullptr) {
        return;
    }
    object->placed = true;
    if (target.groupId >= 0) {
        object->groupId = target.groupId;
    }
    if (target.objectId >= 0) {
        object->objectId = target.objectId;
    }
    object->x = object->homeX = target.x;
    object->y = object->homeY = target.y;
    applyFields(*object, change);
}

} // namespace

void changeObject(basicObj &object, const objectChange &change) {
    object.x += change.shiftX;
    object.y += change.shiftY;
    object.homeX += change.homeShiftX;
    object.homeY += change.homeShiftY;
    applyFields(object, change);
}

void setObject(objectWorld &world, const objectTarget &target, const objectChange &change) {
    if (target.create) {
        place(world, target, change);
        return;
    }
    if (target.groupId >= 0) {
        forEachPlaced(world, [&](basicObj &object) {
            if (object.groupId == target.groupId) {
                changeObject(object, change);
            }
        });
    }
    if (target.objectId >= 0) {
        forEachPlaced(world, [&](basicObj &object) {
            if (object.objectId == target.objectId) {
                changeObject(object, change);
            }
        });
    }
}

void respawnGhostCars(objectWorld &world) {
    for (basicObj *object : world.objects) {
        if (object != nullptr && object->kind == objectKind::ghostCar && object->groupId >= 0 &&
            object->objectId >= 0) {
            object->mode = objectMode::respawn;
        }
    }
}
