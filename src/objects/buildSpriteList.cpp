#include "objects/buildSpriteList.h"

#include <cmath>
#include <string_view>

#include "media/animTables.h"
#include "media/drawList.h"
#include "media/imageSlots.h"
#include "media/wrapping.h"
#include "objects/objectWorld.h"

namespace {

// The slots of one picture frame; frame 0 of a numbered group is empty, so a frame outside
// the group shows nothing.
int32_t pictureOf(int base, int32_t frame, int32_t frames) {
    return shadedSlot(base, frame >= 0 && frame <= frames ? frame : 0, 0);
}

// The object's facing relative to the camera's heading, in 0 … 360.
double relativeAngle(const basicObj &object, const camera &view) {
    return wrapDegrees(object.angle - view.heading);
}

// Stop signs: eight even 45° views, the first centred on head-on.
int32_t stopSignView(double r) {
    if (r >= 337.5 || r < 22.5) {
        return 1;
    }
    return 1 + 1 + static_cast<int32_t>((r - 22.5) / 45.0);
}

// Road signs: narrow edge-on views at 90 and 270, wide ones in between.
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

// Standing cars: sixteen views turning against the relative angle.
int32_t carView(double r) {
    int32_t s = static_cast<int32_t>(std::floor(r / 22.5));
    s = s > 15 ? 15 : s;
    return ((9 - s) % 16 + 16) % 16 + 1;
}

// Ghost cars: sixteen views on sectors centred on the multiples of 22.5.
int32_t ghostView(double r) {
    const int32_t s = r >= 348.75 || r < 11.25 ? 0 : 1 + static_cast<int32_t>((r - 11.25) / 22.5);
    return (s + 8) % 16 + 1;
}

void choosePair(spriteRecord &record, int leftBase, int rightBase, int32_t frame, int32_t frames) {
    record.leftImage = pictureOf(leftBase, frame, frames);
    record.rightImage = pictureOf(rightBase, frame, frames);
}

void chooseGhostCar(spriteRecord &record, const basicObj &ghost, double r) {
    if (ghost.frame == 0 || ghost.frame == 1) {
        const int32_t view = ghostView(r);
        const bool fading = ghost.frame == 1;
        choosePair(record, fading ? ghostLeftFadeBase : ghostLeftAllBase,
                   fading ? ghostRightFadeBase : ghostRightAllBase, view, 16);
    } else if (ghost.frame == 2) {
        // So close to the car the ghost cannot be seen.
        record.image = record.leftImage = record.rightImage = shadedSlot(blankBase, 0, 0);
    } else if (ghost.frame >= 3 && ghost.frame <= 8) {
        choosePair(record, ghostSpawnLeftBase, ghostSpawnRightBase, ghost.frame - 2, 6);
    }
}

void chooseStatue(spriteRecord &record, const basicObj &statue, const animTables &animations) {
    if (statue.state < 0) {
        record.image = shadedSlot(blankBase, 0, 0);
    } else if (statue.state == 0) {
        record.image = pictureOf(statueGhostBase, animations.at(statueFrames, statue.frame), 4);
    } else if (statue.state == 1) {
        record.image = pictureOf(statueGhostFadeBase, animations.at(statueFrames, statue.frame), 4);
    } else if (statue.state == 2) {
        record.image = pictureOf(statueGhostStatueBase, animations.at(statueDeathFrames, statue.frame), 4);
    }
}

void choosePictures(spriteRecord &record, const basicObj &object, const camera &view,
                    const animTables &animations) {
    const std::string_view kind = object.kind;
    const double r = relativeAngle(object, view);
    if (kind == "lamp") {
        record.image = pictureOf(lampPostBase, object.frame, 3);
    } else if (kind == "stop") {
        record.image = pictureOf(stopSignBase, stopSignView(r), 8);
    } else if (kind == "roadSign") {
        record.image = pictureOf(roadSignBase, roadSignView(r), 8);
    } else if (kind == "car") {
        choosePair(record, carLeftBase, carRightBase, carView(r), 16);
    } else if (kind == "ghostCar") {
        chooseGhostCar(record, object, r);
    } else if (kind == "butterfly") {
        record.image = pictureOf(butterflyBase, animations.at(butterflyFrames, object.frame), 8);
    } else if (kind == "tree") {
        record.image = pictureOf(treeBase, animations.at(treeFrames, object.frame), 8);
    } else if (kind == "ashTree") {
        record.image = shadedSlot(ashTreeBase, 0, 0);
    } else if (kind == "ashBush") {
        record.image = shadedSlot(ashBushBase, 0, 0);
    } else if (kind == "statue") {
        chooseStatue(record, object, animations);
    } else if (kind == "moon") {
        choosePair(record, moonLeftBase, moonRightBase, object.state, 2);
    } else if (kind == "flame") {
        record.image = pictureOf(flameBase, animations.at(flameFrames, object.frame), 10);
    } else if (kind == "lightning") {
        record.image = pictureOf(lightningBase, animations.at(lightningFrames, object.frame), 8);
    }
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
    record.image = shadedSlot(stopSignBase, 1, 0);
    record.leftImage = shadedSlot(carLeftBase, 9, 0);
    record.rightImage = shadedSlot(carRightBase, 9, 0);
    choosePictures(record, object, view, animations);
}

} // namespace

void buildSpriteList(objectWorld &world) {
    drawList &sprites = world.sprites;
    sprites.clear();
    int next = 0;
    for (const basicObj *object : world.objects) {
        if (next == sprites.count) {
            break; // a full list: the rest are not drawn this frame
        }
        if (object != nullptr && object->placed) {
            fillRecord(sprites.records[next++], *object, world.view, world.animations);
        }
    }
}
