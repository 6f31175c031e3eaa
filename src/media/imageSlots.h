#pragma once
// Slot numbers of the image bank. Every picture lives at a fixed slot so that drawing
// code addresses it by number. A picture shown in the 3-D view has 25 slots, one per
// light level, so frame f of a shaded group at light level L lies in slot
// base + 25 * f + L. Numbered sprite groups start at frame 1; frame 0 stays empty.
#include <cstdint>

constexpr int screenSlot = 0;

constexpr int lightLevels = 25; // 0 full light ... 24 darkest
constexpr int darkestLevel = lightLevels - 1;
constexpr int shadedPictureSize = 64;

constexpr int shadedSlot(int base, int frame, int level) {
    return base + lightLevels * frame + level;
}

// Glyphs: five styles per character, darkest (0) to brightest (4), the characters in
// the order of the glyph table (media/glyphTable.h).
constexpr int glyphStyles = 5;
constexpr int fontCharacterCount = 42;

// Every group of pictures in the bank, in slot order: the plain ones (one slot a frame) up to
// the blank sprite, the shaded ones (25 slots a frame) from it on.
enum class pictureGroup : uint8_t {
    introLogo,
    copyrights,
    font,
    wheel,
    wheelGlow,
    battery,
    beamsLamp,
    energyLamp,
    smileLamp,
    frownLamp,
    dashboard,
    hood,
    headlights,
    flashLight,
    whiteFlash,
    blackFlash,
    blank,
    lampPost,
    stopSign,
    roadSign,
    carLeft,
    carRight,
    ghostLeftAll,
    ghostLeftFade,
    ghostRightAll,
    ghostRightFade,
    ghostSpawnLeft,
    ghostSpawnRight,
    butterfly,
    tree,
    ashTree,
    ashBush,
    statue,
    statueGhost,
    statueGhostFade,
    statueGhostStatue,
    moonLeft,
    moonRight,
    flame,
    lightning,
    ground,
};

constexpr int pictureGroupCount = 41;

struct pictureGroupRow {
    pictureGroup group;
    int frames;
    // Where the files are: a folder ending in '/' holds files numbered by frame (from 0 for a
    // plain group; from 1 for a shaded one, whose frame 0 stays empty); a file is frame 0's
    // picture alone; null names the files one by one (media/imageFiles.cpp).
    const char *files;
};

// In slot order: row g describes pictureGroup g.
inline constexpr pictureGroupRow pictureGroupTable[pictureGroupCount] = {
    {pictureGroup::introLogo, 35, "art/introLogo/"},
    {pictureGroup::copyrights, 1, "art/copyrights.png"},
    {pictureGroup::font, glyphStyles *fontCharacterCount, nullptr},
    {pictureGroup::wheel, 12, "art/hud/wheel/"}, // the speedometer's needle
    {pictureGroup::wheelGlow, 1, "art/hud/wheel/wheelGlow.png"},
    {pictureGroup::battery, 14, "art/hud/battery/"},
    {pictureGroup::beamsLamp, 2, "art/hud/mph/beams/"},
    {pictureGroup::energyLamp, 2, "art/hud/mph/energy/"},
    {pictureGroup::smileLamp, 2, "art/hud/mph/smile/"},
    {pictureGroup::frownLamp, 2, "art/hud/mph/frown/"},
    {pictureGroup::dashboard, 11, "art/hud/dashboard/"},
    {pictureGroup::hood, 11, "art/hud/hood/"},
    {pictureGroup::headlights, 1, "art/hud/headlights.png"},
    {pictureGroup::flashLight, 7, "art/hud/flashLight/"},
    {pictureGroup::whiteFlash, 5, "art/hud/whiteFlash/"},
    {pictureGroup::blackFlash, 6, "art/hud/blackFlash/"},
    {pictureGroup::blank, 1, "art/blank.png"}, // the empty sprite, 25 undarkened copies
    {pictureGroup::lampPost, 4, "art/lampPost/"},
    {pictureGroup::stopSign, 9, "art/stopSign/"},
    {pictureGroup::roadSign, 9, "art/roadSign/"},
    {pictureGroup::carLeft, 17, "art/car/left/"},
    {pictureGroup::carRight, 17, "art/car/right/"},
    {pictureGroup::ghostLeftAll, 17, "art/ghostCar/leftAll/"},
    {pictureGroup::ghostLeftFade, 17, "art/ghostCar/leftFade/"},
    {pictureGroup::ghostRightAll, 17, "art/ghostCar/rightAll/"},
    {pictureGroup::ghostRightFade, 17, "art/ghostCar/rightFade/"},
    {pictureGroup::ghostSpawnLeft, 7, "art/ghostCar/spawn/left/"},
    {pictureGroup::ghostSpawnRight, 7, "art/ghostCar/spawn/right/"},
    {pictureGroup::butterfly, 9, "art/butterfly/"},
    {pictureGroup::tree, 9, "art/tree/"},
    {pictureGroup::ashTree, 1, "art/tree/ashTree.png"},
    {pictureGroup::ashBush, 1, "art/tree/ashBush.png"},
    {pictureGroup::statue, 1, "art/statues/1.png"},
    {pictureGroup::statueGhost, 5, "art/statues/ghost/"},
    {pictureGroup::statueGhostFade, 5, "art/statues/ghostFade/"},
    {pictureGroup::statueGhostStatue, 5, "art/statues/ghostStatue/"},
    {pictureGroup::moonLeft, 3, nullptr}, // frame 1 whole, frame 2 cracked
    {pictureGroup::moonRight, 3, nullptr},
    {pictureGroup::flame, 11, "art/flame/"},
    {pictureGroup::lightning, 9, "art/lightning/"},
    {pictureGroup::ground, 89, nullptr}, // frame = tile code, code 0 included
};

constexpr int groupIndex(pictureGroup group) {
    return static_cast<int>(group);
}

constexpr bool isShadedGroup(pictureGroup group) {
    return groupIndex(group) >= groupIndex(pictureGroup::blank);
}

constexpr int slotsOfGroup(pictureGroup group) {
    return pictureGroupTable[groupIndex(group)].frames * (isShadedGroup(group) ? lightLevels : 1);
}

// The group's first slot: slot 0 is the screen, the groups follow it in table order.
constexpr int firstSlotOfGroup(pictureGroup group) {
    int slot = 1;
    for (int g = 0; g < groupIndex(group); g++) {
        slot += slotsOfGroup(pictureGroupTable[g].group);
    }
    return slot;
}

constexpr int imageSlotCount = firstSlotOfGroup(pictureGroup::ground) + slotsOfGroup(pictureGroup::ground);

namespace pictureGroupChecks {
constexpr bool rowsInGroupOrder() {
    for (int g = 0; g < pictureGroupCount; g++) {
        if (groupIndex(pictureGroupTable[g].group) != g) {
            return false;
        }
    }
    return true;
}
static_assert(rowsInGroupOrder());
static_assert(groupIndex(pictureGroup::ground) + 1 == pictureGroupCount);
} // namespace pictureGroupChecks

// The first slots by name, for the code that draws them.
constexpr int introLogoBase = firstSlotOfGroup(pictureGroup::introLogo); // frames 0 ... 34
constexpr int introLogoFrames = pictureGroupTable[groupIndex(pictureGroup::introLogo)].frames;
constexpr int copyrightsSlot = firstSlotOfGroup(pictureGroup::copyrights);
constexpr int fontBase = firstSlotOfGroup(pictureGroup::font); // + 5 * (place in the table) + style
constexpr int wheelBase = firstSlotOfGroup(pictureGroup::wheel);
constexpr int wheelGlowSlot = firstSlotOfGroup(pictureGroup::wheelGlow);
constexpr int batteryBase = firstSlotOfGroup(pictureGroup::battery);
constexpr int beamsLampBase = firstSlotOfGroup(pictureGroup::beamsLamp);
constexpr int energyLampBase = firstSlotOfGroup(pictureGroup::energyLamp);
constexpr int smileLampBase = firstSlotOfGroup(pictureGroup::smileLamp);
constexpr int frownLampBase = firstSlotOfGroup(pictureGroup::frownLamp);
constexpr int dashboardBase = firstSlotOfGroup(pictureGroup::dashboard);
constexpr int hoodBase = firstSlotOfGroup(pictureGroup::hood);
constexpr int headlightsSlot = firstSlotOfGroup(pictureGroup::headlights);
constexpr int flashLightBase = firstSlotOfGroup(pictureGroup::flashLight);
constexpr int whiteFlashBase = firstSlotOfGroup(pictureGroup::whiteFlash);
constexpr int blackFlashBase = firstSlotOfGroup(pictureGroup::blackFlash);
constexpr int blankBase = firstSlotOfGroup(pictureGroup::blank);
constexpr int lampPostBase = firstSlotOfGroup(pictureGroup::lampPost);
constexpr int stopSignBase = firstSlotOfGroup(pictureGroup::stopSign);
constexpr int roadSignBase = firstSlotOfGroup(pictureGroup::roadSign);
constexpr int carLeftBase = firstSlotOfGroup(pictureGroup::carLeft);
constexpr int carRightBase = firstSlotOfGroup(pictureGroup::carRight);
constexpr int ghostLeftAllBase = firstSlotOfGroup(pictureGroup::ghostLeftAll);
constexpr int ghostLeftFadeBase = firstSlotOfGroup(pictureGroup::ghostLeftFade);
constexpr int ghostRightAllBase = firstSlotOfGroup(pictureGroup::ghostRightAll);
constexpr int ghostRightFadeBase = firstSlotOfGroup(pictureGroup::ghostRightFade);
constexpr int ghostSpawnLeftBase = firstSlotOfGroup(pictureGroup::ghostSpawnLeft);
constexpr int ghostSpawnRightBase = firstSlotOfGroup(pictureGroup::ghostSpawnRight);
constexpr int butterflyBase = firstSlotOfGroup(pictureGroup::butterfly);
constexpr int treeBase = firstSlotOfGroup(pictureGroup::tree);
constexpr int ashTreeBase = firstSlotOfGroup(pictureGroup::ashTree);
constexpr int ashBushBase = firstSlotOfGroup(pictureGroup::ashBush);
constexpr int statueBase = firstSlotOfGroup(pictureGroup::statue);
constexpr int statueGhostBase = firstSlotOfGroup(pictureGroup::statueGhost);
constexpr int statueGhostFadeBase = firstSlotOfGroup(pictureGroup::statueGhostFade);
constexpr int statueGhostStatueBase = firstSlotOfGroup(pictureGroup::statueGhostStatue);
constexpr int moonLeftBase = firstSlotOfGroup(pictureGroup::moonLeft);
constexpr int moonRightBase = firstSlotOfGroup(pictureGroup::moonRight);
constexpr int flameBase = firstSlotOfGroup(pictureGroup::flame);
constexpr int lightningBase = firstSlotOfGroup(pictureGroup::lightning);
constexpr int groundBase = firstSlotOfGroup(pictureGroup::ground);
constexpr int groundTileCodes = pictureGroupTable[groupIndex(pictureGroup::ground)].frames;

// The shaded groups follow one another in whole frames of 25 slots from the blank one on,
// so every shaded slot belongs to frame (slot - blankBase) / 25 of that run.
constexpr int shadedFrameCount = (imageSlotCount - blankBase) / lightLevels;
static_assert(blankBase + lightLevels * shadedFrameCount == imageSlotCount);

constexpr bool isShadedSlot(int slot) {
    return slot >= blankBase && slot < imageSlotCount;
}
constexpr int shadedFrameOf(int slot) {
    return (slot - blankBase) / lightLevels;
}
constexpr int lightLevelOf(int slot) {
    return (slot - blankBase) % lightLevels;
}
constexpr bool isLogoSlot(int slot) {
    return slot >= introLogoBase && slot < introLogoBase + introLogoFrames;
}
