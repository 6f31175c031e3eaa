#pragma once
// The one container of the world: the player car and its camera, the table of all 3150
// world objects, the screen fade, and the links every object behaviour needs.
#include "media/frameBrightness.h"
#include "media/soundVolumes.h"
#include "objects/basicObj.h"
#include "objects/objectChange.h"
#include "objects/objectKinds.h"
#include "player/playerCar.h"
#include "world/camera.h"
#include "world/fadeCounter.h"
#include "world/levelInPlay.h"

class animTables;
class drawList;
class keyboardState;

class objectWorld {
  public:
    objectWorld(const animTables &animations, drawList &sprites, const keyboardState &keyboard);
    objectWorld(const objectWorld &) = delete;
    objectWorld &operator=(const objectWorld &) = delete;

    const animTables &animations; // the ghost cars' frames and every kind's sprite frames
    drawList &sprites;            // refilled from the placed objects every frame
    soundVolumes volumes;         // the player's choice, heard through the sound bank
    // The player's choice, seen through the renderer.
    int brightness = defaultBrightness;
    camera view;
    playerCar car;
    levelInPlay currentLevel;            // kept up to date by the level list
    basicObj *objects[objectCount] = {}; // grouped by kind in table order
    fadeCounter fade;
};

// Which objects one call of setObject places or changes.
struct objectTarget {
    bool create = false;                // place one free object of `kind` rather than change placed ones
    objectKind kind = objectKind::lamp; // placing only
    // Placing: the ids the object takes, when 0 or more. Changing: every placed object of
    // the group is changed, then every placed object with the id (one carrying both is
    // changed twice); -1 reaches none.
    int32_t groupId = -1;
    int32_t objectId = -1;
    double x = 0.0, y = 0.0; // placing only: where the object and its home stand
};

// The one way objects are put into play and changed: placing takes the first free object
// of the kind in table order (or none when all are in use) and then applies the change's
// fields; changing moves each object by the change's shifts and then applies its fields.
void setObject(objectWorld &world, const objectTarget &target, const objectChange &change = {});
// One placed object changed as setObject changes each object it reaches: moved by the
// change's shifts, then given its fields.
void changeObject(basicObj &object, const objectChange &change);

// Calls `visit` with every placed object, in table order.
template <typename visitor> void forEachPlaced(objectWorld &world, visitor &&visit) {
    for (basicObj *object : world.objects) {
        if (object != nullptr && object->placed) {
            visit(*object);
        }
    }
}
template <typename visitor> void forEachPlaced(const objectWorld &world, visitor &&visit) {
    for (const basicObj *object : world.objects) {
        if (object != nullptr && object->placed) {
            visit(*object);
        }
    }
}
// The same for the objects of one kind only, which hold their own stretch of the table.
template <typename visitor>
void forEachPlacedOfKind(const objectWorld &world, const objectKind kind, visitor &&visit) {
    const int32_t first = firstSlotOf(kind);
    for (int32_t slot = first; slot < first + capacityOf(kind); slot++) {
        const basicObj *object = world.objects[slot];
        if (object != nullptr && object->placed) {
            visit(*object);
        }
    }
}

// Every ghost car placed since its last reset comes back (respawn).
void respawnGhostCars(objectWorld &world);
