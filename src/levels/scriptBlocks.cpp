#include "levels/scriptBlocks.h"

#include <algorithm>

#include "levels/level.h"
#include "levels/levelList.h"
#include "levels/loadLevelObjects.h"
#include "levels/saveGame.h"
#include "media/textBox.h"
#include "objects/lamp.h"
#include "objects/objectWorld.h"
#include "player/carView.h"
#include "world/steadyMath.h"

// ---- Leaving the level ----

levelExit leaveFor(objectWorld &world, const scriptServices &services, const level &from,
                   const int32_t nextLevel) {
    if (from.list != nullptr && from.list->isCurrent(from)) {
        loadLevelObjects(*from.list, false, nextLevel, world, services);
    }
    return levelExit::left;
}

// ---- Changes to object groups ----

void changeGroup(objectWorld &world, const int32_t group, const objectChange &change) {
    // Scripts address a tile by its group alone, never by an object's own id.
    setObject(world, {.groupId = group}, change);
}

void hide(objectWorld &world, const int32_t group) {
    changeGroup(world, group, {.emitsLight = false, .visible = false});
}

void light(objectWorld &world, const int32_t group) {
    changeGroup(world, group, {.frame = 1, .emitsLight = true, .visible = true});
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
    changeGroup(world, group, {.visible = visible});
}

void setFrame(objectWorld &world, const int32_t group, const int32_t frame) {
    changeGroup(world, group, {.frame = frame});
}

void setState(objectWorld &world, const int32_t group, const int32_t state) {
    changeGroup(world, group, {.state = state});
}

void setMode(objectWorld &world, const int32_t group, const objectMode mode) {
    changeGroup(world, group, {.mode = mode});
}

void setEmitsLight(objectWorld &world, const int32_t group, const bool emitsLight) {
    changeGroup(world, group, {.emitsLight = emitsLight});
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

bool behind(const playerCar &car, const double px, const double py) {
    return isBehindViewer(car, px, py);
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

levelExit leaveSideways(objectWorld &world, const scriptServices &services, const level &from,
                        int32_t &armed) {
    if (armed == 0) {
        armInCentre(world.car, armed);
        return levelExit::stayed;
    }
    if (!atSideExit(world.car)) {
        return levelExit::stayed;
    }
    return leaveFor(world, services, from, moonLevel);
}

// ---- Statues' lines ----

namespace {

constexpr int32_t anyGroup = -1;

// Every statue in the table counts, placed or not, unless a group is asked for.
bool anyStatueInMode(const objectWorld &world, const objectMode mode, const int32_t groupId = anyGroup) {
    for (const basicObj *object : world.objects) {
        if (object != nullptr && object->kind == objectKind::statue && object->mode == mode &&
            (groupId == anyGroup || object->groupId == groupId)) {
            return true;
        }
    }
    return false;
}

bool showOrWithdraw(const objectWorld &world, textBox &text, const int32_t groupId,
                    const std::string_view line, bool &messageShown) {
    if (!messageShown) {
        if (!anyStatueInMode(world, objectMode::trigger, groupId)) {
            return false;
        }
        text.showMessage(line);
        messageShown = true;
        return true;
    }
    if (anyStatueInMode(world, objectMode::end, groupId)) {
        withdrawMessage(text, messageShown);
    }
    return false;
}

} // namespace

bool statueTriggered(const objectWorld &world) {
    return anyStatueInMode(world, objectMode::trigger);
}

bool statueEnded(const objectWorld &world) {
    return anyStatueInMode(world, objectMode::end);
}

bool statueMessage(const objectWorld &world, textBox &text, const std::string_view line, bool &messageShown) {
    return showOrWithdraw(world, text, anyGroup, line, messageShown);
}

bool statueMessage(const objectWorld &world, textBox &text, const int32_t groupId,
                   const std::string_view line, bool &messageShown) {
    // A group below 0 names no statue: it never speaks.
    if (groupId < 0) {
        return false;
    }
    return showOrWithdraw(world, text, groupId, line, messageShown);
}

void withdrawMessage(textBox &text, bool &messageShown) {
    if (!messageShown) {
        return;
    }
    text.commandMessages(textCommand::fade);
    messageShown = false;
}

int32_t triggeredStatueGroup(const objectWorld &world) {
    for (const basicObj *object : world.objects) {
        if (object != nullptr && object->kind == objectKind::statue && object->mode == objectMode::trigger) {
            return object->groupId;
        }
    }
    return -1;
}

// ---- Copies and flicker ----

basicObj *homeCopyOf(objectWorld &world, const int32_t group) {
    for (basicObj *object : world.objects) {
        if (object != nullptr && object->placed && object->onMap && object->groupId == group) {
            return object;
        }
    }
    return nullptr;
}

const basicObj *homeCopyOf(const objectWorld &world, const int32_t group) {
    for (const basicObj *object : world.objects) {
        if (object != nullptr && object->placed && object->onMap && object->groupId == group) {
            return object;
        }
    }
    return nullptr;
}

void flickerMusic(int32_t &timer, int32_t &music, const int32_t low, const int32_t high) {
    if (timer > 9) {
        timer = 0;
        music = music == low ? high : low;
    } else {
        timer++;
    }
}

int32_t flickerDice::roll(const int32_t sides) {
    // A plain linear congruential step; the high bits vary best.
    seed = seed * 1103515245u + 12345u;
    return static_cast<int32_t>((seed >> 16) % static_cast<uint32_t>(sides));
}

// ---- Lamps and flames ----

namespace {

constexpr int32_t takenFlame = 29;
constexpr int32_t fullBattery = 13;
constexpr int32_t whiteFlashStart = 0;

} // namespace

int32_t litLampCount(const objectWorld &world) {
    int32_t count = 0;
    forEachPlaced(world, [&](const basicObj &object) {
        count +=
            object.kind == objectKind::lamp && object.visible && object.onMap && object.frame == lampBurning;
    });
    return count;
}

void takeFlame(objectWorld &world, const scriptServices &services, const int32_t flagIndex,
               const int32_t flameGroup) {
    playerCar &car = world.car;
    car.progressFlags[flagIndex] = true;
    setFrame(world, flameGroup, takenFlame);
    car.cockpit.whiteFrame = whiteFlashStart;
    car.battery = fullBattery;
    car.headlightsOn = true;
    saveProgress(services, world.currentLevel.index, car.progressFlags);
}

void pickUpFlame(objectWorld &world, const scriptServices &services, level &lvl, const int32_t flagIndex,
                 const int32_t flameGroup) {
    takeFlame(world, services, flagIndex, flameGroup);
    lvl.music = 0;
}

// ---- Orbits ----

worldPoint turnedAbout(const worldPoint point, const worldPoint centre, const double angle) {
    const double dx = point.x - centre.x;
    const double dy = point.y - centre.y;
    const sineAndCosine turn = steadySinCos(angle);
    return {centre.x + dx * turn.cosine - dy * turn.sine, centre.y + dx * turn.sine + dy * turn.cosine};
}

namespace {

// The move that turns the object's point about the centre, for its whole group.
objectChange turnStep(const basicObj &object, const worldPoint centre, const double angle,
                      const orbitPoint which) {
    const worldPoint from =
        which == orbitPoint::home ? worldPoint{object.homeX, object.homeY} : worldPoint{object.x, object.y};
    const worldPoint to = turnedAbout(from, centre, angle);
    if (which == orbitPoint::home) {
        return {.homeShiftX = to.x - from.x, .homeShiftY = to.y - from.y};
    }
    return {.shiftX = to.x - from.x, .shiftY = to.y - from.y};
}

} // namespace

void turnAbout(objectWorld &world, const basicObj &object, const worldPoint centre, const double angle,
               const orbitPoint which) {
    // Read before the change: the object itself is one of the copies that move.
    changeGroup(world, object.groupId, turnStep(object, centre, angle, which));
}

void orbitKind(objectWorld &world, const objectKind kind, const worldPoint centre, const double angle,
               const orbitPoint which) {
    forEachPlaced(world, [&](const basicObj &object) {
        if (object.onMap && object.kind == kind) {
            turnAbout(world, object, centre, angle, which);
        }
    });
}

void orbitGroup(objectWorld &world, const int32_t group, const worldPoint centre, const double angle,
                const orbitPoint which) {
    // By its first copy on the home square only: the search ends there.
    for (const basicObj *object : world.objects) {
        if (object != nullptr && object->placed && object->onMap && object->groupId == group) {
            turnAbout(world, *object, centre, angle, which);
            return;
        }
    }
}

// ---- Many groups at once ----

groupCopies findGroups(const objectWorld &world, const objectKind kind, const groupRange range,
                       bool (*wanted)(const basicObj &)) {
    groupCopies found = {.range = {range.first, std::min(range.last, range.first + mostGroupsAtOnce - 1)}};
    const int32_t firstSlot = firstSlotOf(kind);
    for (int32_t slot = firstSlot; slot < firstSlot + capacityOf(kind); slot++) {
        const basicObj *object = world.objects[slot];
        if (object == nullptr || !object->placed || object->groupId < found.range.first ||
            object->groupId > found.range.last) {
            continue;
        }
        found.fromSlot = std::min(found.fromSlot, slot);
        found.toSlot = slot + 1;
        const basicObj *&first = found.first[object->groupId - found.range.first];
        if (first == nullptr && object->onMap && (wanted == nullptr || wanted(*object))) {
            first = object;
        }
    }
    return found;
}

void changeGroups(objectWorld &world, const groupCopies &found,
                  const objectChange (&changes)[mostGroupsAtOnce]) {
    for (int32_t slot = found.fromSlot; slot < found.toSlot; slot++) {
        basicObj *object = world.objects[slot];
        if (object == nullptr || !object->placed || object->groupId < found.range.first ||
            object->groupId > found.range.last) {
            continue;
        }
        const int32_t index = object->groupId - found.range.first;
        if (found.first[index] != nullptr) {
            changeObject(*object, changes[index]);
        }
    }
}

void orbitGroups(objectWorld &world, const objectKind kind, const groupRange range, const worldPoint centre,
                 double (*const angleOf)(int32_t group), const orbitPoint which) {
    const groupCopies found = findGroups(world, kind, range);
    objectChange steps[mostGroupsAtOnce];
    for (int32_t index = 0; index <= found.range.last - found.range.first; index++) {
        const basicObj *first = found.first[index];
        if (first != nullptr) {
            steps[index] = turnStep(*first, centre, angleOf(found.range.first + index), which);
        }
    }
    changeGroups(world, found, steps);
}
