#include "levels/levelFour.h"

#include "levels/levelLayout.h"
#include "levels/tileCodes.h"

using namespace objectCode;

namespace {

// A gate on the line of lights: five ground lights two tiles apart along y = 20, a diamond of
// ash trees round the middle one, and a statue further on at y = 39.
void placeGate(level &lvl, int32_t x) {
    placeObjectRow(lvl, gLight, 20, x - 4, x + 4, 2);
    placeObjects(lvl, ashTree, {{x - 1, 20}, {x + 1, 20}, {x, 19}, {x, 21}});
    placeObject(lvl, statue, x, 39);
}

// Eight ash trees round an empty tile.
constexpr tileSpot ashRing[] = {{-2, 0}, {2, 0}, {-1, -2}, {-1, 2}, {1, -2}, {1, 2}, {0, -4}, {0, 4}};

void placeAshRing(level &lvl, int32_t x, int32_t y) {
    for (const tileSpot offset : ashRing) {
        placeObject(lvl, ashTree, x + offset.x, y + offset.y);
    }
}

// A grove: a tree on the line of lights between two rings of ash trees.
void placeGrove(level &lvl, int32_t x) {
    placeAshRing(lvl, x, 8);
    placeAshRing(lvl, x, 32);
    placeObject(lvl, tree, x, 20);
}

} // namespace

void levelFour::setup() {
    beginLayout(*this, 40);
    // Gates and groves take turns every 13 columns; the last grove's rings reach across the
    // edge of the world.
    for (const int32_t x : {6, 19, 32}) {
        placeGate(*this, x);
    }
    for (const int32_t x : {13, 26, 39}) {
        placeGrove(*this, x);
    }
}
