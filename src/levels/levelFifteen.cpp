#include "levels/levelFifteen.h"

#include "levels/levelLayout.h"
#include "levels/tileCodes.h"

using namespace groundCode;
using namespace objectCode;

namespace {

int32_t lowXWinding(int32_t x) {
    return 54 - x / 2;
}
int32_t highXWinding(int32_t x) {
    return 14 - x / 2;
}

// The diagonal road comes in across the low-x edge and, at x = 24 and 25, runs into the first
// stretch along x (y = 43 … 50), whose kerb takes the place of its opening piece. The stretch
// ends in a point at x = 40 … 42.
void placeFirstStretch(level &lvl) {
    for (int32_t x = 0; x <= 25; x++) {
        placeDiagonalColumn(lvl, x, lowXWinding(x));
    }
    for (const int32_t x : {24, 25}) {
        setGround(lvl, x, 42, dirt);
        setGround(lvl, x, 43, capUp);
    }
    placeStretchAlongX(lvl, 26, 39, 43, 50);
    placePointedEnd(lvl, 40, 43, 50, +1, 3);
}

// The second stretch along x (y = 69 … 76) starts in a point at x = 36 … 38 and, at x = 52
// and 53, runs into the diagonal road again, its kerb taking the place of the closing piece.
void placeSecondStretch(level &lvl) {
    placePointedEnd(lvl, 38, 69, 76, -1, 3);
    placeStretchAlongX(lvl, 39, 51, 69, 76);
    for (int32_t x = 52; x < 80; x++) {
        placeDiagonalColumn(lvl, x, highXWinding(x));
    }
    for (const int32_t x : {52, 53}) {
        setGround(lvl, x, 77, dirt);
        setGround(lvl, x, 76, capDown);
    }
}

// Lamps flank the diagonal road every eighth column.
void placeDiagonalRoadLamps(level &lvl) {
    for (const int32_t x : {7, 15, 23}) {
        placeDiagonalLamps(lvl, x, lowXWinding(x));
    }
    for (const int32_t x : {55, 63, 71, 79}) {
        placeDiagonalLamps(lvl, x, highXWinding(x));
    }
}

} // namespace

void levelFifteen::setup() {
    beginLayout(*this, 80);
    placeFirstStretch(*this);
    placeSecondStretch(*this);

    placeDiagonalRoadLamps(*this);
    placeObjects(
        *this, lamp,
        {{26, 41}, {31, 41}, {36, 41}, {39, 47}, {27, 60}, {51, 60}, {39, 72}, {41, 78}, {46, 78}, {51, 78}});
    // Twelve ground lights ring the flame and the tree beside it.
    placeObject(*this, flame, 40, 60);
    placeObject(*this, tree, 39, 60);
    placeObjects(*this, gLight,
                 {{29, 60},
                  {31, 54},
                  {31, 65},
                  {34, 51},
                  {34, 68},
                  {39, 49},
                  {39, 70},
                  {44, 51},
                  {44, 68},
                  {47, 54},
                  {47, 65},
                  {49, 60}});
    placeObject(*this, ashTree, 79, 79);
}
