#pragma once
// The one container of the world: the player car and its camera, the table of all 3150
// world objects, the screen fade, and the links every object behaviour needs.
#include "app/gameFlags.h"
#include "media/fadeCounter.h"
#include "objects/basicObj.h"
#include "objects/objectKinds.h"
#include "media/camera.h"
#include "player/playerCar.h"

class imageBank;
class levelList;
class animTables;
class drawList;
class keyboardState;
class textBox;
struct dataFiles;

class objectWorld {
  public:
    objectWorld(imageBank &images, levelList &levels, const animTables &animations, drawList &sprites,
                gameFlags &flags, const keyboardState &keyboard);
    objectWorld(const objectWorld &) = delete;
    objectWorld &operator=(const objectWorld &) = delete;

    imageBank &images;
    levelList &levels;
    const animTables &animations;
    drawList &sprites;
    gameFlags &flags;
    textBox *text = nullptr;          // the levels show their lines through it
    const dataFiles *files = nullptr; // where progress is saved
    camera view;
    playerCar car;
    basicObj *objects[objectCount] = {}; // grouped by kind in table order
    fadeCounter fade;
};

// Places one object (`create`) or changes every placed object of a group and of an id.
// Optional numbers of -1 or below, and the mode "same", leave their fields as they are;
// the tri-states take 0 for false and anything above for true.
void setObject(bool create, objectWorld &world, std::string_view kind, int32_t groupId, int32_t objectId,
               double x, double y, double homeX, double homeY, int32_t frame, int32_t state, int32_t shade,
               int32_t fixedShade, double angle, int32_t emitsLight, int32_t lightShape, int32_t visible,
               std::string_view mode);

// The car's pass of driving, with the world's answer to its move in the middle.
void stepPlayerCar(objectWorld &world);

// One frame of the world: the car's step, every placed object's update in table order,
// then the fade.
void updateObjects(objectWorld &world);

// Every ghost car placed since its last reset comes back ("respawn").
void respawnGhostCars(objectWorld &world);
