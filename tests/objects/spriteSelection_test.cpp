#include <gtest/gtest.h>

#include "media/imageSlots.h"
#include "objects/buildSpriteList.h"
#include "worldRig.h"

namespace {

// The picture frame a record shows, from the slot it holds.
int frameOf(int32_t slot, int base) {
    return (slot - base) / lightLevels;
}

const spriteRecord &spriteFor(worldRig &rig, objectKind kind, double angle, double heading,
                              int32_t frame = -1, int32_t state = -1) {
    rig.place(kind, 0, 0, 5.0, 5.0);
    rig.change(0, -1, {.frame = frame, .state = state, .angle = angle});
    rig.world.view.heading = heading;
    buildSpriteList(rig.world);
    return rig.world.sprites.records[0];
}

} // namespace

TEST(SpriteSelection, StopSignsShowTheirFaceHeadOnAndTheirBackFromBehind) {
    const struct {
        double r;
        int picture;
    } views[] = {{0, 1}, {22.4, 1}, {22.5, 2}, {180, 5}, {337.4, 8}, {337.5, 1}, {359.9, 1}};
    for (const auto &view : views) {
        worldRig rig;
        EXPECT_EQ(frameOf(spriteFor(rig, objectKind::stop, view.r, 0).image, stopSignBase), view.picture)
            << view.r;
    }
    // The relative angle wraps: facing 10 seen from heading 350 is r = 20.
    worldRig rig;
    EXPECT_EQ(frameOf(spriteFor(rig, objectKind::stop, 10, 350).image, stopSignBase), 1);
}

TEST(SpriteSelection, RoadSignsHaveNarrowEdgeOnSectors) {
    const struct {
        double r;
        int picture;
    } views[] = {{0, 1}, {79.9, 2}, {80, 3}, {90, 3}, {100, 4}, {180, 5}, {260, 7}, {279.9, 7}, {280, 8}};
    for (const auto &view : views) {
        worldRig rig;
        EXPECT_EQ(frameOf(spriteFor(rig, objectKind::roadSign, view.r, 0).image, roadSignBase), view.picture)
            << view.r;
    }
}

TEST(SpriteSelection, CarsTurnThroughSixteenViewsOnBothHalves) {
    const struct {
        double r;
        int picture;
    } views[] = {{0, 10}, {202.5, 1}, {225, 16}, {360, 11}};
    for (const auto &view : views) {
        worldRig rig;
        const spriteRecord &record = spriteFor(rig, objectKind::car, view.r, 0);
        EXPECT_EQ(frameOf(record.leftImage, carLeftBase), view.picture) << view.r;
        EXPECT_EQ(frameOf(record.rightImage, carRightBase), view.picture) << view.r;
    }
}

TEST(SpriteSelection, GhostCarsByNearnessFrame) {
    worldRig rig;
    const spriteRecord &whole = spriteFor(rig, objectKind::ghostCar, 0, 0, 0);
    EXPECT_EQ(frameOf(whole.leftImage, ghostLeftAllBase), 9);
    worldRig fading;
    const spriteRecord &faded = spriteFor(fading, objectKind::ghostCar, 11.25, 0, 1);
    EXPECT_EQ(frameOf(faded.rightImage, ghostRightFadeBase), 10);
    worldRig close;
    const spriteRecord &unseen = spriteFor(close, objectKind::ghostCar, 0, 0, 2);
    EXPECT_EQ(unseen.leftImage, blankBase);
    EXPECT_EQ(unseen.image, blankBase);
    worldRig appearing;
    EXPECT_EQ(frameOf(spriteFor(appearing, objectKind::ghostCar, 0, 0, 8).leftImage, ghostSpawnLeftBase), 6);
}

TEST(SpriteSelection, AnimatedKindsLookTheirFrameUpInTheirTable) {
    worldRig rig;
    // Flame table: 10, 10, 9, 9, 8, …
    EXPECT_EQ(frameOf(spriteFor(rig, objectKind::flame, 0, 0, 4).image, flameBase), 8);
    worldRig statueRig;
    EXPECT_EQ(spriteFor(statueRig, objectKind::statue, 0, 0, 0, 0).image, statueGhostBase + lightLevels);
    worldRig lamp;
    EXPECT_EQ(frameOf(spriteFor(lamp, objectKind::lamp, 0, 0, 1).image, lampPostBase), 1);
    worldRig strayLamp; // a frame the lamp group does not have shows nothing
    EXPECT_EQ(frameOf(spriteFor(strayLamp, objectKind::lamp, 0, 0, 9).image, lampPostBase), 0);
}

TEST(SpriteSelection, AtMostAThousandRecordsInTableOrder) {
    worldRig rig;
    for (int i = 0; i < 1100; i++) {
        rig.place(i < 630 ? objectKind::lamp : objectKind::ashTree, i, i, i, 1.0);
    }
    buildSpriteList(rig.world);
    EXPECT_DOUBLE_EQ(rig.world.sprites.records[0].x, 0.0);
    EXPECT_DOUBLE_EQ(rig.world.sprites.records[999].x, 999.0);
    EXPECT_EQ(rig.world.sprites.records[999].image, ashTreeBase);
    EXPECT_TRUE(rig.world.sprites.records[999].visible);
}
