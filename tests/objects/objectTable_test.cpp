#include <gtest/gtest.h>

#include "objects/worldStep.h"
#include "worldRig.h"

TEST(ObjectTable, HoldsEveryKindInTableOrderAtItsCapacity) {
    const worldRig rig;
    int index = 0;
    for (const kindTableRow &row : kindTable) {
        for (int i = 0; i < row.capacity; i++, index++) {
            ASSERT_EQ(rig.world.objects[index]->kind, row.kind) << index;
            ASSERT_FALSE(rig.world.objects[index]->placed);
        }
    }
    EXPECT_EQ(index, objectCount);
}

TEST(SetObject, PlacesTheFirstFreeObjectOfTheKindAndNoMoreThanThereAre) {
    worldRig rig;
    for (int i = 0; i < 631; i++) {
        rig.place(objectKind::lamp, i, i, 1.5, 2.5);
    }
    EXPECT_EQ(rig.placedCount(objectKind::lamp), 630);
    EXPECT_EQ(rig.placedCount(), 630);
    const basicObj &first = *rig.world.objects[0];
    EXPECT_EQ(first.groupId, 0);
    EXPECT_DOUBLE_EQ(first.homeX, 1.5);
    EXPECT_DOUBLE_EQ(first.y, 2.5);
    EXPECT_TRUE(first.visible);
}

TEST(SetObject, AChangeByGroupAndIdMovesAnObjectCarryingBothTwice) {
    worldRig rig;
    rig.place(objectKind::stop, 4, 40, 10.0, 10.0);
    rig.place(objectKind::stop, 4, 41, 20.0, 20.0);
    rig.place(objectKind::stop, 5, 42, 30.0, 30.0);
    rig.change(4, 40, {.shiftX = 1.0, .shiftY = -1.0});
    const basicObj *stops = rig.firstPlaced(objectKind::stop);
    EXPECT_DOUBLE_EQ(stops[0].x, 12.0);
    EXPECT_DOUBLE_EQ(stops[0].y, 8.0);
    EXPECT_DOUBLE_EQ(rig.world.objects[631]->x, 21.0); // group only
    EXPECT_DOUBLE_EQ(rig.world.objects[632]->x, 30.0); // neither
    EXPECT_DOUBLE_EQ(stops[0].homeX, 10.0);            // home moves only by its own offsets

    // Nobody carries group 99: nothing changes, nothing fails.
    rig.change(99, -1, {.shiftX = 5.0, .shiftY = 5.0});
    EXPECT_DOUBLE_EQ(rig.world.objects[632]->x, 30.0);
}

TEST(SetObject, OptionalFieldsKeepTheirValueUnlessGiven) {
    worldRig rig;
    rig.place(objectKind::roadSign, 0, 0, 1.0, 1.0);
    basicObj &sign = *rig.firstPlaced(objectKind::roadSign);
    rig.change(0, -1, {.angle = 400});
    EXPECT_EQ(sign.angle, 360.0);
    rig.change(0, -1, {.angle = -1});
    EXPECT_EQ(sign.angle, 360.0);
    rig.change(0, -1, {.angle = -0.5});
    EXPECT_EQ(sign.angle, -0.5);

    rig.change(0, -1, {.frame = 7, .mode = objectMode::dim});
    EXPECT_EQ(sign.frame, 7);
    EXPECT_EQ(sign.mode, objectMode::dim); // any mode is stored, even one the kind ignores
    rig.change(0, -1, {.frame = -1});
    EXPECT_EQ(sign.mode, objectMode::dim);
    EXPECT_EQ(sign.frame, 7); // a number below 0 leaves its field

    rig.change(
        0, -1,
        {.state = 3, .shade = 9, .fixedShade = true, .emitsLight = true, .lightShape = 6, .visible = false});
    EXPECT_EQ(sign.state, 3);
    EXPECT_EQ(sign.shade, 9);
    EXPECT_TRUE(sign.fixedShade);
    EXPECT_TRUE(sign.emitsLight);
    EXPECT_EQ(sign.lightShape, 6);
    EXPECT_FALSE(sign.visible);
}

TEST(BasicObject, TheHomeSquareIncludesBothEdges) {
    worldRig rig;
    rig.place(objectKind::stop, 0, 0, 80.0, 0.0);
    basicObj &sign = *rig.firstPlaced(objectKind::stop);
    sign.testHomeSquare(80);
    EXPECT_TRUE(sign.onMap);
    sign.x = 80.0001;
    sign.testHomeSquare(80);
    EXPECT_FALSE(sign.onMap);
    sign.x = -0.0001;
    sign.testHomeSquare(80);
    EXPECT_FALSE(sign.onMap);
}

TEST(UpdateObjects, StepsTheCarThenThePlacedObjectsThenTheFade) {
    worldRig rig;
    rig.enterLevel(5);
    rig.place(objectKind::stop, 0, 0, 200.0, 10.0); // far off the home square
    rig.world.fade.fadeOut();
    updateObjects(rig.world);
    EXPECT_EQ(rig.world.car.side, 80);                      // the car stepped
    EXPECT_FALSE(rig.firstPlaced(objectKind::stop)->onMap); // the object updated
    EXPECT_EQ(rig.world.fade.fadeLevel, 4);
}

TEST(RespawnGhostCars, WakesOnlyGhostsPlacedSinceTheirReset) {
    worldRig rig;
    rig.place(objectKind::ghostCar, 3, 27, 1.0, 1.0);
    respawnGhostCars(rig.world);
    int respawning = 0;
    for (const basicObj *object : rig.world.objects) {
        respawning += object->mode == objectMode::respawn;
    }
    EXPECT_EQ(respawning, 1);
    EXPECT_EQ(rig.firstPlaced(objectKind::ghostCar)->mode, objectMode::respawn);
}
