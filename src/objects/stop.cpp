#include "objects/stop.h"

#include "objects/spritePictures.h"

void stop::reset() {
    resetCommon(objectKind::stop);
    frame = 1;
    solid = true;
}

void stop::update(playerCar &car, int32_t side) {
    testHomeSquare(side);
    darkWhenFar(car);
}

namespace {

// Eight even 45° views, the first centred on head-on.
int32_t stopSignView(double r) {
    if (r >= 337.5 || r < 22.5) {
        return 1;
    }
    return 1 + 1 + static_cast<int32_t>((r - 22.5) / 45.0);
}

} // namespace

void stop::choosePictures(spriteRecord &record, double relativeAngle, const animTables &) const {
    record.image = pictureOf(stopSignBase, stopSignView(relativeAngle), 8);
}
