#include <gtest/gtest.h>

#include <iterator>

#include "objects/ashBush.h"
#include "objects/ashTree.h"
#include "objects/butterfly.h"
#include "objects/car.h"
#include "objects/flame.h"
#include "objects/gLight.h"
#include "objects/ghostCar.h"
#include "objects/lamp.h"
#include "objects/lightning.h"
#include "objects/moon.h"
#include "objects/roadSign.h"
#include "objects/statue.h"
#include "objects/stop.h"
#include "objects/tree.h"

namespace {

struct kindDefaults {
    objectKind kind;
    bool split, emitsLight;
    int32_t lightShape, frame, state, shade;
    bool fixedShade, solid;
    objectMode mode;
};

// What every kind looks like out of play, in table order.
constexpr kindDefaults expectedDefaults[] = {
    {objectKind::lamp, false, false, 4, 3, 0, 24, false, true, objectMode::none},
    {objectKind::stop, false, false, 0, 1, 0, 24, false, true, objectMode::none},
    {objectKind::car, true, true, 0, 1, 0, 24, false, false, objectMode::none},
    {objectKind::ghostCar, true, false, 0, 1, 0, 1, true, false, objectMode::spawn},
    {objectKind::tree, false, false, 1, 1, 0, 24, false, true, objectMode::none},
    {objectKind::butterfly, false, true, 0, 1, 0, 24, false, false, objectMode::light},
    {objectKind::ashTree, false, false, 0, 0, 0, 24, false, true, objectMode::none},
    {objectKind::ashBush, false, false, 0, 0, 0, 24, false, true, objectMode::none},
    {objectKind::statue, false, false, 0, 0, 0, 24, true, false, objectMode::none},
    {objectKind::gLight, false, false, 4, 0, 0, 24, false, true, objectMode::none},
    {objectKind::moon, true, true, 0, 1, 1, 24, false, true, objectMode::none},
    {objectKind::flame, false, true, 3, 1, 0, 24, false, false, objectMode::none},
    {objectKind::roadSign, false, false, 0, 1, 0, 24, false, true, objectMode::none},
    {objectKind::lightning, false, false, 0, 0, 0, 24, false, false, objectMode::none},
};

void expectDefaults(const basicObj &object, const kindDefaults &want) {
    SCOPED_TRACE(testing::Message() << "kind " << kindIndex(want.kind));
    EXPECT_EQ(object.kind, want.kind);
    EXPECT_FALSE(object.placed);
    EXPECT_EQ(object.groupId, -1);
    EXPECT_EQ(object.objectId, -1);
    EXPECT_FALSE(object.visible);
    EXPECT_EQ(object.split, want.split);
    EXPECT_EQ(object.emitsLight, want.emitsLight);
    EXPECT_EQ(object.lightShape, want.lightShape);
    EXPECT_EQ(object.frame, want.frame);
    EXPECT_EQ(object.state, want.state);
    EXPECT_EQ(object.shade, want.shade);
    EXPECT_EQ(object.fixedShade, want.fixedShade);
    EXPECT_EQ(object.solid, want.solid);
    EXPECT_EQ(object.mode, want.mode);
}

// Moves every common field away from any kind's default.
void disturb(basicObj &object) {
    object.placed = object.visible = object.split = object.emitsLight = true;
    object.groupId = object.objectId = 7;
    object.lightShape = object.frame = object.state = object.shade = 5;
    object.fixedShade = !object.fixedShade;
    object.solid = !object.solid;
    object.x = object.y = object.homeX = object.homeY = object.angle = 12.0;
    object.mode = objectMode::dead;
}

} // namespace

TEST(KindDefaults, EveryKindBuildsAndResetsToItsOwnDefaults) {
    lamp aLamp;
    stop aStop;
    car aCar;
    ghostCar aGhost;
    tree aTree;
    butterfly aButterfly;
    ashTree anAshTree;
    ashBush anAshBush;
    statue aStatue;
    gLight aGroundLight;
    moon aMoon;
    flame aFlame;
    roadSign aRoadSign;
    lightning aBolt;
    basicObj *const oneOfEach[] = {&aLamp,      &aStop,     &aCar,      &aGhost,  &aTree,
                                   &aButterfly, &anAshTree, &anAshBush, &aStatue, &aGroundLight,
                                   &aMoon,      &aFlame,    &aRoadSign, &aBolt};
    for (size_t k = 0; k < std::size(oneOfEach); k++) {
        expectDefaults(*oneOfEach[k], expectedDefaults[k]);
        disturb(*oneOfEach[k]);
        oneOfEach[k]->reset();
        expectDefaults(*oneOfEach[k], expectedDefaults[k]);
        EXPECT_EQ(oneOfEach[k]->x, 0.0);
        EXPECT_EQ(oneOfEach[k]->angle, 0.0);
    }
}
