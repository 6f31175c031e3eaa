#include "objects/ashTree.h"

#include "objects/spritePictures.h"

void ashTree::reset() {
    resetCommon(objectKind::ashTree);
    solid = true;
}

void ashTree::update(playerCar &car, int32_t side) {
    testHomeSquare(side);
    darkWhenFar(car);
}

void ashTree::choosePictures(spriteRecord &record, double, const animTables &) const {
    record.image = shadedSlot(ashTreeBase, 0, 0);
}
