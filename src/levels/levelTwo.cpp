#include "levels/levelTwo.h"

#include "levels/levelLayout.h"
#include "levels/tileCodes.h"

using namespace objectCode;

void levelTwo::setup() {
    beginLayout(*this, 40);
    placeStraightRoad(*this, 4);

    placeObjectColumn(*this, lamp, 2, 0, 35, 5);
    placeObjectColumn(*this, lamp, 10, 0, 35, 5);
    placeObject(*this, stop, 9, 25);
    placeObjects(*this, butterfly,
                 {{4, 2},
                  {4, 8},
                  {4, 21},
                  {4, 37},
                  {5, 16},
                  {5, 35},
                  {6, 29},
                  {7, 11},
                  {7, 25},
                  {8, 5},
                  {8, 19},
                  {12, 25}});
}
