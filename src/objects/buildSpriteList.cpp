#include "objects/buildSpriteList.h"

#include "media/drawList.h"
#include "media/imageSlots.h"
#include "objects/objectWorld.h"
#include "world/wrapping.h"

namespace {

// The object's facing relative to the camera's heading, in 0 … 360.
double relativeAngle(const basicObj &object, const camera &view) {
    return wrapDegrees(object.angle - view.heading);
}

void fillRecord(spriteRecord &record, const basicObj &object, const camera &view,
                const animTables &animations) {
    record.visible = object.visible;
    record.split = object.split;
    record.emitsLight = object.emitsLight;
    record.lightShape = object.lightShape;
    record.shade = object.shade;
    record.fixedShade = object.fixedShade;
    record.x = object.x;
    record.y = object.y;
    // Presets; each kind replaces the pictures it uses.
    record.image = shadedSlot(stopSignBase, 1, 0);
    record.leftImage = shadedSlot(carLeftBase, 9, 0);
    record.rightImage = shadedSlot(carRightBase, 9, 0);
    object.choosePictures(record, relativeAngle(object, view), animations);
}

} // namespace

void buildSpriteList(objectWorld &world) {
    drawList &sprites = world.sprites;
    sprites.clear();
    int next = 0;
    // A full list leaves the rest undrawn this frame.
    forEachPlaced(world, [&](const basicObj &object) {
        if (next < sprites.count) {
            fillRecord(sprites.records[next++], object, world.view, world.animations);
        }
    });
}
