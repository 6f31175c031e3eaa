#pragma once
// The pieces every level script is made of: changes to whole object groups, tests of where
// the player car stands and which way it faces, and the duties many levels share (the side
// exits, the statues' lines, counting lamps, taking a flame, turning objects about a point).
#include <cstdint>
#include <string_view>

#include "objects/objectChange.h"
#include "objects/objectKinds.h"
#include "objects/objectMode.h"

class basicObj;
class level;
class objectWorld;
class playerCar;
class textBox;
struct dataFiles;
struct scriptServices;

// ---- Leaving the level ----

// What a script step did to the level: a step that may send the player on says so, and the
// script then ends its pass at once. From that moment the objects, the text and the car
// belong to the new level, whose script has already run once.
// clang-format off
enum class [[nodiscard]] levelExit { stayed, left };
// clang-format on

// Sends the player from `from` to the level `nextLevel`. A level that is no longer current
// has already been left in this pass: it is not left a second time.
levelExit leaveFor(objectWorld &world, const scriptServices &services, const level &from, int32_t nextLevel);

// ---- Changes to object groups ----

// Every placed copy of the group, by the change's fields; the rest stay as they are.
void changeGroup(objectWorld &world, int32_t group, const objectChange &change);

// Dark and out of sight.
void hide(objectWorld &world, int32_t group);
// Frame 1, shining and seen.
void light(objectWorld &world, int32_t group);
// The position moves, the home stays.
void shiftBy(objectWorld &world, int32_t group, double dx, double dy);
// The home moves, the position stays: objects that walk back home walk there.
void moveHomeBy(objectWorld &world, int32_t group, double dx, double dy);
// Position and home move together.
void moveBy(objectWorld &world, int32_t group, double dx, double dy);
void setVisible(objectWorld &world, int32_t group, bool visible);
void setFrame(objectWorld &world, int32_t group, int32_t frame);
void setState(objectWorld &world, int32_t group, int32_t state);
void setMode(objectWorld &world, int32_t group, objectMode mode);
void setEmitsLight(objectWorld &world, int32_t group, bool emitsLight);
void setLightShape(objectWorld &world, int32_t group, int32_t lightShape);
void setAngle(objectWorld &world, int32_t group, double angle);

// Group numbers first … last, for a range-for: `for (int32_t g : groups(2, 9)) hide(world, g);`
struct groupRange {
    struct iterator {
        int32_t group;
        int32_t operator*() const { return group; }
        iterator &operator++() {
            group++;
            return *this;
        }
        bool operator!=(const iterator &other) const { return group != other.group; }
    };
    int32_t first;
    int32_t last;
    iterator begin() const { return {first}; }
    iterator end() const { return {last + 1}; }
};
constexpr groupRange groups(int32_t first, int32_t last) {
    return {first, last};
}

// ---- Where the car is and where it looks ----

// One axis of a box test. On the tile edges it matters whether an end belongs to the span,
// so every use names it.
struct span {
    double low;
    double high;
    bool lowIncluded;
    bool highIncluded;

    bool holds(double value) const;
};
// low ≤ v ≤ high
constexpr span inclusive(double low, double high) {
    return {low, high, true, true};
}
// low < v < high
constexpr span strict(double low, double high) {
    return {low, high, false, false};
}
// low < v ≤ high
constexpr span aboveUpTo(double low, double high) {
    return {low, high, false, true};
}
// low ≤ v < high
constexpr span fromUnder(double low, double high) {
    return {low, high, true, false};
}

bool carInBox(const playerCar &car, span xSpan, span ySpan);
// The point lies ahead of the driver (or on the plane through the car).
bool faces(const playerCar &car, double px, double py);
// The point lies behind the driver.
bool behind(const playerCar &car, double px, double py);

// ---- Centre arming and side exits (to the moon level) ----

// Driving into the middle of an 80-tile level opens its side exits for the rest of the visit.
void armInCentre(const playerCar &car, int32_t &armed);
// Standing at the left or the right edge of the world, heading out across it.
bool atSideExit(const playerCar &car);
// Arms in the centre; once armed, a side exit leaves `from` for the moon level. When it has
// left, the caller resets its own script state and music.
levelExit leaveSideways(objectWorld &world, const scriptServices &services, const level &from,
                        int32_t &armed);

// ---- Statues' lines ----

// A statue is being read this frame.
bool statueTriggered(const objectWorld &world);
// A statue's reading has just ended.
bool statueEnded(const objectWorld &world);
// Shows the line when a statue is read and fades it when the reading ends. True in the
// frame the line is shown, for levels that change their line afterwards.
bool statueMessage(const objectWorld &world, textBox &text, std::string_view line, bool &messageShown);
// The same for one statue of a level with several, each with its own line: only the statue
// of `groupId` shows the line and ends it.
bool statueMessage(const objectWorld &world, textBox &text, int32_t groupId, std::string_view line,
                   bool &messageShown);
// Fades a shown line away, for the stretches of a level in which its statue says nothing.
void withdrawMessage(textBox &text, bool &messageShown);
// The group of the first statue being read this frame, or -1: for levels whose statues
// each say their own line.
int32_t triggeredStatueGroup(const objectWorld &world);

// ---- Copies and flicker ----

// The copy of the group that lies on the home square, or null when none does (yet).
basicObj *homeCopyOf(objectWorld &world, int32_t group);
const basicObj *homeCopyOf(const objectWorld &world, int32_t group);

// A counter that lets the music waver between two tracks: every eleventh frame it switches
// from `low` to `high` or back (any other track counts as `high`).
void flickerMusic(int32_t &timer, int32_t &music, int32_t low, int32_t high);

// Small repeatable chance for flickering lights: the same play gives the same flicker.
struct flickerDice {
    uint32_t seed = 1;
    // 0 … sides − 1.
    int32_t roll(int32_t sides);
};

// ---- Lamps and flames ----

// Burning lamps in sight, each lamp tile counted once, by its copy on the home square.
int32_t litLampCount(const objectWorld &world);

// The car takes a flame: its progress flag is won, the flame shows as taken, the screen
// flashes white, the battery is full, the headlights come on and the game is saved at once.
void takeFlame(objectWorld &world, const scriptServices &services, int32_t flagIndex, int32_t flameGroup);
// takeFlame, and the music falls silent.
void pickUpFlame(objectWorld &world, const scriptServices &services, level &lvl, int32_t flagIndex,
                 int32_t flameGroup);

// ---- Orbits ----

struct worldPoint {
    double x;
    double y;
};

// The point turned about the centre by the angle, in radians.
worldPoint turnedAbout(worldPoint point, worldPoint centre, double angle);

enum class orbitPoint {
    home,    // the home turns; the object walks after it by its own behaviour
    position // the object itself turns; its home stays
};

// Turns the object's point about the centre and moves its whole group by the difference,
// so that the nine copies stay together.
void turnAbout(objectWorld &world, const basicObj &object, worldPoint centre, double angle, orbitPoint which);
// Every placed object of the kind that lies on the home square: each group turns once.
void orbitKind(objectWorld &world, objectKind kind, worldPoint centre, double angle, orbitPoint which);
// The one group, by its copy on the home square.
void orbitGroup(objectWorld &world, int32_t group, worldPoint centre, double angle, orbitPoint which);

// ---- Many groups at once ----

// A script that moves several groups every frame finds them all in one look through the
// object table and changes them in one more, rather than looking twice for each group.
constexpr int32_t mostGroupsAtOnce = 8;

struct groupCopies {
    groupRange range; // its first mostGroupsAtOnce groups only
    // By group - range.first: the group's first placed copy on the home square that was
    // wanted, or none.
    const basicObj *first[mostGroupsAtOnce] = {};
    // Every placed copy of the range's groups lies in the slots fromSlot … toSlot - 1.
    int32_t fromSlot = objectCount;
    int32_t toSlot = 0;
};

// The groups are tiles of the one kind, so only that kind's stretch of the table is looked
// at. `wanted`, when given, narrows which copy on the home square counts as a group's first.
groupCopies findGroups(const objectWorld &world, objectKind kind, groupRange range,
                       bool (*wanted)(const basicObj &) = nullptr);
// Every placed copy of each group found takes its group's change (by group - range.first),
// as changeGroup gives it; groups not found are left as they are.
void changeGroups(objectWorld &world, const groupCopies &found,
                  const objectChange (&changes)[mostGroupsAtOnce]);
// Each group of the range turns by its own angle, as orbitGroup turns one.
void orbitGroups(objectWorld &world, objectKind kind, groupRange range, worldPoint centre,
                 double (*angleOf)(int32_t group), orbitPoint which);
