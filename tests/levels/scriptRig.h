#pragma once
// A world for driving level scripts by hand: the car is put down and turned directly, the
// text box, the switches and a data folder of its own are the scripts', and the objects'
// copies can be looked at group by group.
#include <string>
#include <vector>

#include "levels/scriptServices.h"
#include "media/textBox.h"
#include "objects/worldRig.h"
#include "platform/dataFiles.h"
#include "platform/gameFlags.h"
#include "support/sdlTestEnvironment.h"

enum class heading { plusX, minusX, plusY, minusY };

struct scriptRig : worldRig {
    textBox text;
    gameFlags flags;
    const temporaryFolder dataFolder;
    dataFiles files = prepareDataFiles(dataFolder.path());
    const scriptServices services{text, files, flags, parts->keyboard};

    scriptRig() {
        text.messageFinished = true; // an empty message area: lines go straight on screen
    }

    void putCar(double x, double y, heading towards) {
        playerCar &car = world.car;
        car.x = x;
        car.y = y;
        // The camera plane stays 0.8 long and at a right angle to the facing.
        switch (towards) {
        case heading::plusX:
            car.dirX = 1, car.dirY = 0, car.planeX = 0, car.planeY = -0.8;
            break;
        case heading::minusX:
            car.dirX = -1, car.dirY = 0, car.planeX = 0, car.planeY = 0.8;
            break;
        case heading::plusY:
            car.dirX = 0, car.dirY = 1, car.planeX = 0.8, car.planeY = 0;
            break;
        case heading::minusY:
            car.dirX = 0, car.dirY = -1, car.planeX = -0.8, car.planeY = 0;
            break;
        }
    }

    void runScript(int frames = 1) {
        for (int i = 0; i < frames; i++) {
            levels.runLevelScript(world, services);
        }
    }

    void driveTo(double x, double y, heading towards) {
        putCar(x, y, towards);
        runScript();
    }

    // Every placed copy of a group.
    std::vector<basicObj *> copies(int32_t group) const {
        std::vector<basicObj *> found;
        forEachPlaced(world, [&](basicObj &object) {
            if (object.groupId == group) {
                found.push_back(&object);
            }
        });
        return found;
    }

    basicObj &homeCopy(int32_t group) const {
        for (basicObj *object : copies(group)) {
            if (object->x >= 0 && object->x <= levels.currentSide() && object->y >= 0 &&
                object->y <= levels.currentSide()) {
                return *object;
            }
        }
        return *copies(group).front();
    }

    // What the objects' own updates would say about which copy lies on the home square.
    void markHomeSquare() {
        forEachPlaced(world, [&](basicObj &object) { object.testHomeSquare(levels.currentSide()); });
    }

    // Nine copies of one tile, a side apart, as a level load places them.
    void placeTile(objectKind kind, int32_t group, double x, double y) {
        const int32_t side = levels.currentSide();
        for (int a = -1; a <= 1; a++) {
            for (int b = -1; b <= 1; b++) {
                place(kind, group, -1, x + side * a, y + side * b);
            }
        }
    }

    // The letters of the message area in slot order.
    std::string messageOnScreen() const {
        std::string shown;
        for (const textLetter &letter : text.message.letters) {
            if (!letter.isEmpty()) {
                shown += letter.letter;
            }
        }
        return shown;
    }

    bool messageFading() const {
        bool any = false;
        for (const textLetter &letter : text.message.letters) {
            if (!letter.isEmpty()) {
                any = true;
                if (letter.effect != letterEffect::fade) {
                    return false;
                }
            }
        }
        return any;
    }
};

// Every copy of the group satisfies the test (and there is at least one).
template <class test> bool allCopies(const scriptRig &rig, int32_t group, test &&holds) {
    const std::vector<basicObj *> found = rig.copies(group);
    if (found.empty()) {
        return false;
    }
    for (const basicObj *object : found) {
        if (!holds(*object)) {
            return false;
        }
    }
    return true;
}
