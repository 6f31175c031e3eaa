#include "levels/scriptBlocks.h"

#include <cmath>

#include "app/saveGame.h"
#include "app/textBox.h"
#include "levels/level.h"
#include "levels/levelList.h"
#include "objects/loadLevelObjects.h"
#include "objects/objectWorld.h"

// ---- Changes to object groups ----

void changeGroup(objectWorld &world, const int32_t group, const groupChange &change) {
    // Scripts address a tile by its group alone: no kind, no object id.
    setObject(false, world, "none", group, -1, change.shiftX, change.shiftY, change.homeShiftX,
              change.homeShiftY, change.frame, change.state, -1, -1, change.angle, change.emitsLight,
              change.lightShape, change.visible, change.mode);
}

void hide(objectWorld &world, const int32_t group) {
    changeGroup(world, group, {.emitsLight = 0, .visible = 0});
}

void light(objectWorld &world, const int32_t group) {
    changeGroup(world, group, {.frame = 1, .emitsLight = 1, .visible = 1});
}

void shiftBy(objectWorld &world, const int32_t group, const double dx, const double dy) {
    changeGroup(world, group, {.shiftX = dx, .shiftY = dy});
}

void moveHomeBy(objectWorld &world, const int32_t group, const double dx, const double dy) {
    changeGroup(world, group, {.homeShiftX = dx, .homeShiftY = dy});
}

void moveBy(objectWorld &world, const int32_t group, const double dx, const double dy) {
    changeGroup(world, group, {.shiftX = dx, .shiftY = dy, .homeShiftX = dx, .homeShiftY = dy});
}

void setVisible(objectWorld &world, const int32_t group, const bool visible) {
    changeGroup(world, group, {.visible = visible ? 1 : 0});
}

void setFrame(objectWorld &world, const int32_t group, const int32_t frame) {
    changeGroup(world, group, {.frame = frame});
}

void setState(objectWorld &world, const int32_t group, const int32_t state) {
    changeGroup(world, group, {.state = state});
}

void setMode(objectWorld &world, const int32_t group, const std::string_view mode) {
    changeGroup(world, group, {.mode = mode});
}

void setEmitsLight(objectWorld &world, const int32_t group, const bool emitsLight) {
    changeGroup(world, group, {.emitsLight = emitsLight ? 1 : 0});
}

void setLightShape(objectWorld &world, const int32_t group, const int32_t lightShape) {
    changeGroup(world, group, {.lightShape = lightShape});
}

void setAngle(objectWorld &world, const int32_t group, const double angle) {
    changeGroup(world, group, {.angle = angle});
}

// ---- Where the car is and where it looks ----

bool span::holds(const double value) const {
    const bool aboveLow = lowIncluded ? value >= low : value > low;
    const bool belowHigh = highIncluded ? value <= high : value < high;
    return aboveLow && belowHigh;
}

bool carInBox(const playerCar &car, const span xSpan, const span ySpan) {
    return xSpan.holds(car.x) && ySpan.holds(car.y);
}

bool faces(const playerCar &car, const double px, const double py) {
    return !isBehindViewer(car, px, py);
}

// ---- Centre arming and side exits ----

void armInCentre(const playerCar &car, int32_t &armed) {
    if (armed == 0 && carInBox(car, strict(20, 60), strict(20, 60))) {
        armed = 1;
    }
}

bool atSideExit(const playerCar &car) {
    const bool leftEdge = inclusive(1, 2).holds(car.x) && faces(car, -5, 40);
    const bool rightEdge = inclusive(78, 79).holds(car.x) && faces(car, 85, 40);
    return leftEdge || rightEdge;
}

bool leaveSideways(objectWorld &world, int32_t &armed) {
    if (armed == 0) {
        armInCentre(world.car, armed);
        return false;
    }
    if (!atSideExit(world.car)) {
        return false;
    }
    loadLevelObjects(world.levels, false, moonLevel, world);
    return true;
}

// ---- Statues' lines ----

namespace {

bool anyStatueInMode(const objectWorld &world, const std::string_view mode) {
    for (const basicObj *object : world.objects) {
        if (object != nullptr && object->kind == "statue" && object->mode == mode) {
            return true;
        }
    }
    return false;
}

} // namespace

bool statueTriggered(const objectWorld &world) {
    return anyStatueInMode(world, "trigger");
}

bool statueEnded(const objectWorld &world) {
    return anyStatueInMode(world, "end");
}

bool statueMessage(objectWorld &world, const std::string_view line, bool &messageShown) {
    if (!messageShown) {
        if (!statueTriggered(world)) {
            return false;
        }
        if (world.text != nullptr) {
            world.text->showMessage(line);
        }
        messageShown = true;
        return true;
    }
    if (statueEnded(world)) {
        withdrawMessage(world, messageShown);
    }
    return false;
}

void withdrawMessage(objectWorld &world, bool &messageShown) {
    if (!messageShown) {
        return;
    }
    if (world.text != nullptr) {
        world.text->commandMessages(textCommand::fade);
    }
    messageShown = false;
}

// ---- Lamps and flames ----

namespace {

constexpr int32_t burningLamp = 3;
constexpr int32_t takenFlame = 29;
constexpr int32_t fullBattery = 13;
constexpr int32_t whiteFlashStart = 0;

} // namespace

int32_t litLampCount(const objectWorld &world) {
    int32_t count = 0;
    for (const basicObj *object : world.objects) {
        if (object != nullptr && object->placed && object->kind == "lamp" && object->visible &&
            object->onMap && object->frame == burningLamp) {
            count++;
        }
    }
    return count;
}

void takeFlame(objectWorld &world, const int32_t flagIndex, const int32_t flameGroup) {
    playerCar &car = world.car;
    car.progressFlags[flagIndex] = true;
    setFrame(world, flameGroup, takenFlame);
    car.whiteFrame = whiteFlashStart;
    car.battery = fullBattery;
    car.headlightsOn = true;
    saveProgress(world.files, world.levels.current, car.progressFlags);
}

void pickUpFlame(objectWorld &world, level &lvl, const int32_t flagIndex, const int32_t flameGroup) {
    takeFlame(world, flagIndex, flameGroup);
    lvl.music = 0;
}

// ---- Orbits ----

worldPoint turnedAbout(const worldPoint point, const worldPoint centre, const double angle) {
    const double dx = point.x - centre.x;
    const double dy = point.y - centre.y;
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    return {centre.x + dx * c - dy * s, centre.y + dx * s + dy * c};
}

void turnAbout(objectWorld &world, const basicObj &object, const worldPoint centre, const double angle,
               const orbitPoint which) {
    // Read before the change: the object itself is one of the copies that move.
    const int32_t group = object.groupId;
    const worldPoint from =
        which == orbitPoint::home ? worldPoint{object.homeX, object.homeY} : worldPoint{object.x, object.y};
    const worldPoint to = turnedAbout(from, centre, angle);
    if (which == orbitPoint::home) {
        moveHomeBy(world, group, to.x - from.x, to.y - from.y);
    } else {
        shiftBy(world, group, to.x - from.x, to.y - from.y);
    }
}

void orbitKind(objectWorld &world, const std::string_view kind, const worldPoint centre, const double angle,
               const orbitPoint which) {
    for (const basicObj *object : world.objects) {
        if (object != nullptr && object->placed && object->onMap && object->kind == kind) {
            turnAbout(world, *object, centre, angle, which);
        }
    }
}

void orbitGroup(objectWorld &world, const int32_t group, const worldPoint centre, const double angle,
                const orbitPoint which) {
    for (const basicObj *object : world.objects) {
        if (object != nullptr && object->placed && object->onMap && object->groupId == group) {
            turnAbout(world, *object, centre, angle, which);
            return;
        }
    }
}
