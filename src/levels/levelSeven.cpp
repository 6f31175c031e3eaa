#include "levels/levelSeven.h"

#include "levels/levelLayout.h"
#include "levels/tileCodes.h"

using namespace objectCode;

namespace {

// The lightning stands in a ring round (58, 39) that looks the same from all eight
// directions; these are its offsets in one eighth of the circle.
constexpr tileSpot lightningOctant[] = {{7, 0}, {7, 1}, {6, 2}, {6, 3}, {5, 5}};

void placeLightningRing(level &lvl, int32_t x, int32_t y) {
    for (const tileSpot offset : lightningOctant) {
        for (const int32_t signX : {-1, 1}) {
            for (const int32_t signY : {-1, 1}) {
                placeObject(lvl, lightning, x + signX * offset.x, y + signY * offset.y);
                placeObject(lvl, lightning, x + signX * offset.y, y + signY * offset.x);
            }
        }
    }
}

} // namespace

void levelSeven::setup() {
    beginLayout(*this, 80);

    placeObject(*this, moon, 40, 39);
    // One flame for each route, in a row beside the moon.
    placeObjectRow(*this, flame, 39, 45, 50, 1);
    placeLightningRing(*this, 58, 39);
    placeObject(*this, statue, 66, 29);
    placeObject(*this, tree, 71, 39);
    placeObjects(*this, flame, {{68, 37}, {68, 41}, {71, 35}, {71, 43}, {74, 37}, {74, 41}});
}
