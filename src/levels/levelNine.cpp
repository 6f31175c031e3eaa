#include "levels/levelNine.h"

#include "levels/levelLayout.h"
#include "levels/tileCodes.h"

using namespace objectCode;

void levelNine::setup() {
    beginLayout(*this, 80);
    placeStraightRoad(*this, 38);
    cutRoadGap(*this, 38, 32, 49);

    placeObject(*this, flame, 40, 41);
    placeObjects(
        *this, butterfly,
        {{35, 39}, {35, 43}, {37, 36}, {37, 46}, {40, 35}, {40, 46}, {43, 36}, {43, 46}, {45, 39}, {45, 43}});
    placeObjects(*this, statue, {{36, 32}, {44, 49}});
}
