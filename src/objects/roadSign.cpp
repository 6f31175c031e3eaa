#include "objects/roadSign.h"

#include "objects/spritePictures.h"

void roadSign::reset() {
    resetCommon(objectKind::roadSign);
    frame = 1;
    solid = true;
}

void roadSign::update(playerCar &car, int32_t side) {
    testHomeSquare(side);
    darkWhenFar(car);
}

namespace {

// Narrow edge-on views at 90 and 270, wide ones in between.
int32_t roadSignView(double r) {
    static const double sectorEnds[] = {80, 100, 157.5, 202.5, 260, 280, 337.5};
    if (r >= 337.5 || r < 22.5) {
        return 1;
    }
    int32_t k = 1;
    while (k < 7 && r >= sectorEnds[k - 1]) {
        k++;
    }
    return 1 + k;
}

} // namespace

void roadSign::choosePictures(spriteRecord &record, double relativeAngle, const animTables &) const {
    record.image = pictureOf(roadSignBase, roadSignView(relativeAngle), 8);
}
