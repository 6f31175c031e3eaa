#include "levels/levelTwelve.h"

#include "levels/levelLayout.h"
#include "levels/tileCodes.h"

using namespace groundCode;
using namespace objectCode;

namespace {

// Everything but the flame stands in pairs mirrored about the centre line at x = 40.
void placeMirrored(level &lvl, int32_t kind, int32_t x, int32_t y) {
    placeObject(lvl, kind, x, y);
    placeObject(lvl, kind, 80 - x, y);
}

} // namespace

void levelTwelve::setup() {
    beginLayout(*this, 80);
    placeStraightRoad(*this, 38);
    cutRoadGap(*this, 38, 44, 56);
    // Here the first dash after the gap starts with an up cap, unlike in the other gaps.
    setGround(*this, 40, 57, lineCapUp);

    placeObject(*this, flame, 40, 50);
    for (const int32_t y : {5, 15, 25, 35, 65, 75}) {
        placeMirrored(*this, lamp, 36, y);
    }
    // A lamp and a butterfly by each corner of the gap.
    for (const int32_t y : {41, 59}) {
        placeMirrored(*this, lamp, 32, y);
        placeMirrored(*this, butterfly, 33, y);
    }
}
