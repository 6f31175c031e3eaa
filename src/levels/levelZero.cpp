#include "levels/levelZero.h"

#include "levels/levelLayout.h"
#include "levels/tileCodes.h"

using namespace objectCode;

void levelZero::setup() {
    beginLayout(*this, 30);
    placeObject(*this, car, 14, 15);
}
