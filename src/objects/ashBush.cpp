#include "objects/ashBush.h"

#include "objects/spritePictures.h"

void ashBush::reset() {
    resetCommon(objectKind::ashBush);
    solid = true;
}

void ashBush::update(playerCar &car, int32_t side) {
    testHomeSquare(side);
    darkWhenFar(car);
}

void ashBush::choosePictures(spriteRecord &record, double, const animTables &) const {
    record.image = shadedSlot(ashBushBase, 0, 0);
}
