#include <gtest/gtest.h>

#include <algorithm>

#include "objects/ashBush.h"
#include "objects/ashTree.h"
#include "objects/car.h"
#include "objects/gLight.h"
#include "objects/lamp.h"
#include "objects/roadSign.h"
#include "objects/stop.h"
#include "player/carRig.h"

namespace {

constexpr int32_t side = 40;

// The player car stands at (5, 5); the object is put `away` tiles from it along x.
struct kindRig {
    carRig rig{1};

    kindRig() {
        rig.car.x = 5.0;
        rig.car.y = 5.0;
    }

    void show(basicObj &object, double away, double y = 5.0) {
        object.placed = object.visible = true;
        object.x = object.homeX = 5.0 + away;
        object.y = object.homeY = y;
    }
};

} // namespace

TEST(Lamp, RingsOnceForEachChangeOfItsFrame) {
    kindRig world;
    lamp street;
    street.frame = lampDark; // dark in the previous level
    street.update(world.rig.car, side);
    street.reset();
    world.show(street, 2.0);
    street.update(world.rig.car, side);
    EXPECT_FALSE(street.soundCue) << "a lamp placed burning is silent";
    street.frame = lampDark;
    street.update(world.rig.car, side);
    EXPECT_TRUE(street.soundCue);
    street.update(world.rig.car, side);
    EXPECT_FALSE(street.soundCue);
}

TEST(Lamp, HiddenLampIsSilentAndLeavesNoStaleSound) {
    kindRig world;
    lamp street;
    world.show(street, 2.0);
    street.visible = false;
    street.frame = lampDark;
    street.update(world.rig.car, side);
    EXPECT_FALSE(street.soundCue);
    EXPECT_EQ(street.lastFrame, lampDark);
    street.visible = true;
    street.update(world.rig.car, side);
    EXPECT_FALSE(street.soundCue);
}

TEST(Lamp, OnlyTheHomeCopyLightsTheMap) {
    kindRig world;
    lamp home, onTheEdge, wrapped;
    world.show(home, 2.0);
    world.show(onTheEdge, side - 5.0); // x = side still lies on the home square
    world.show(wrapped, side + 2.0);
    world.rig.car.x = side + 3.0; // beside the wrapped copy
    for (lamp *street : {&home, &onTheEdge, &wrapped}) {
        street->update(world.rig.car, side);
    }
    EXPECT_TRUE(home.emitsLight);
    EXPECT_TRUE(onTheEdge.emitsLight);
    EXPECT_FALSE(wrapped.emitsLight);
    EXPECT_EQ(wrapped.shade, 1) << "the wrapped copy is still drawn, bright near the car";
}

TEST(Lamp, DarkLampTakesItsTileLightUntilFarAway) {
    kindRig world;
    lamp street;
    world.show(street, 2.0);
    street.frame = lampDark;
    street.update(world.rig.car, side);
    EXPECT_FALSE(street.emitsLight);
    EXPECT_FALSE(street.fixedShade);

    world.show(street, 25.01);
    street.update(world.rig.car, side);
    EXPECT_TRUE(street.fixedShade);
    EXPECT_EQ(street.shade, 24);
}

TEST(Lamp, BurningLampDarkensInStepsWithDistance) {
    const struct {
        double away;
        int32_t shade;
    } bands[] = {{22.0, 1}, {22.5, 3}, {23.0, 3}, {23.5, 8}, {24.5, 14}, {25.0, 14}, {25.01, 24}};
    kindRig world;
    for (const auto &band : bands) {
        lamp street;
        world.show(street, 0.0, 5.0 - band.away); // along y, and behind: the larger axis decides
        street.x += 3.0;
        street.update(world.rig.car, side);
        EXPECT_TRUE(street.fixedShade) << band.away;
        EXPECT_EQ(street.shade, band.shade) << band.away;
    }
}

TEST(Scenery, SignsAndAshPlantsTakeTheLightMapWithinTwentyFiveTiles) {
    kindRig world;
    stop stopSign;
    roadSign sign;
    ashTree deadTree;
    ashBush deadBush;
    basicObj *const sceneries[] = {&stopSign, &sign, &deadTree, &deadBush};
    for (basicObj *scenery : sceneries) {
        SCOPED_TRACE(testing::Message() << "kind " << kindIndex(scenery->kind));
        world.show(*scenery, 25.0);
        scenery->fixedShade = true;
        scenery->update(world.rig.car, side);
        EXPECT_FALSE(scenery->fixedShade);
        EXPECT_TRUE(scenery->onMap);

        world.show(*scenery, 25.01);
        scenery->update(world.rig.car, side);
        EXPECT_TRUE(scenery->fixedShade);
        EXPECT_EQ(scenery->shade, 24);

        scenery->visible = false; // unseen: left as it was
        scenery->shade = 3;
        scenery->update(world.rig.car, side);
        EXPECT_EQ(scenery->shade, 3);
    }
}

TEST(StationaryCar, HeadlightsComeUpOneShapeEveryFiveFrames) {
    kindRig world;
    car parked;
    world.show(parked, 3.0);
    EXPECT_EQ(parked.lightShape, 0);
    for (int f = 1; f <= 30; f++) {
        parked.update(world.rig.car, side);
        EXPECT_EQ(parked.lightShape, std::min(f / carLightStepFrames, carLightFull)) << "frame " << f;
    }
    EXPECT_EQ(parked.lightShape, carLightFull);
    EXPECT_TRUE(parked.emitsLight);
    EXPECT_TRUE(parked.visible);
}

TEST(StationaryCar, CopyOffTheHomeSquareStaysDarkAndUnseen) {
    kindRig world;
    car parked;
    world.show(parked, -6.0); // x = -1
    for (int f = 0; f < 12; f++) {
        parked.update(world.rig.car, side);
        EXPECT_EQ(parked.lightShape, 0);
    }
    EXPECT_FALSE(parked.visible);
    EXPECT_FALSE(parked.emitsLight);
}

TEST(GroundLight, LightsFromItsHomeCopyAndIsNeverShown) {
    kindRig world;
    gLight home, wrapped;
    world.show(home, 2.0);
    world.show(wrapped, 2.0, 5.0 - side);
    home.soundCue = true;
    home.update(world.rig.car, side);
    wrapped.update(world.rig.car, side);
    EXPECT_FALSE(home.visible) << "a script showing it makes no difference";
    EXPECT_FALSE(home.soundCue);
    EXPECT_TRUE(home.emitsLight);
    EXPECT_EQ(home.lightShape, 4);
    EXPECT_FALSE(wrapped.emitsLight);
}
