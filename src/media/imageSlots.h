#pragma once
// Slot numbers of the image bank. Every picture lives at a fixed slot so that drawing
// code addresses it by number. A picture shown in the 3-D view has 25 slots, one per
// light level, so frame f of a shaded group at light level L lies in slot
// base + 25 * f + L. Numbered sprite groups start at frame 1; frame 0 stays empty.

constexpr int imageSlotCount = 7573;
constexpr int screenSlot = 0;

constexpr int lightLevels = 25; // 0 full light ... 24 darkest
constexpr int darkestLevel = lightLevels - 1;
constexpr int shadedPictureSize = 64;

constexpr int shadedSlot(int base, int frame, int level) {
    return base + lightLevels * frame + level;
}

// Plain pictures: one slot each.
constexpr int introLogoBase = 1; // frames 0 ... 34
constexpr int introLogoFrames = 35;
constexpr int copyrightsSlot = 36;

// Glyphs: five styles per character, darkest (0) to brightest (4), the characters in
// the order of the glyph table (media/glyphTable.h).
constexpr int glyphStyles = 5;
constexpr int fontBase = 37; // + 5 * (place in the table) + style

// Dashboard and overlays.
constexpr int wheelBase = 247; // speedometer needle, frames 0 ... 11
constexpr int wheelGlowSlot = 259;
constexpr int batteryBase = 260; // frames 0 ... 13
constexpr int beamsLampBase = 274;
constexpr int energyLampBase = 276;
constexpr int smileLampBase = 278;
constexpr int frownLampBase = 280;
constexpr int dashboardBase = 282; // frames 0 ... 10
constexpr int hoodBase = 293;      // frames 0 ... 10
constexpr int headlightsSlot = 304;
constexpr int flashLightBase = 305; // frames 0 ... 6
constexpr int whiteFlashBase = 312; // frames 0 ... 4
constexpr int blackFlashBase = 317; // frames 0 ... 5

// Shaded groups: 25 slots per frame.
constexpr int blankBase = 323; // the empty sprite, 25 undarkened copies
constexpr int lampPostBase = 348;
constexpr int stopSignBase = 448;
constexpr int roadSignBase = 673;
constexpr int carLeftBase = 898;
constexpr int carRightBase = 1323;
constexpr int ghostLeftAllBase = 1748;
constexpr int ghostLeftFadeBase = 2173;
constexpr int ghostRightAllBase = 2598;
constexpr int ghostRightFadeBase = 3023;
constexpr int ghostSpawnLeftBase = 3448;
constexpr int ghostSpawnRightBase = 3623;
constexpr int butterflyBase = 3798;
constexpr int treeBase = 4023;
constexpr int ashTreeBase = 4248;
constexpr int ashBushBase = 4273;
constexpr int statueBase = 4298;
constexpr int statueGhostBase = 4323;
constexpr int statueGhostFadeBase = 4448;
constexpr int statueGhostStatueBase = 4573;
constexpr int moonLeftBase = 4698; // frame 1 whole, frame 2 cracked
constexpr int moonRightBase = 4773;
constexpr int flameBase = 4848;
constexpr int lightningBase = 5123;
constexpr int groundBase = 5348; // frame = tile code, code 0 included
constexpr int groundTileCodes = 89;

static_assert(shadedSlot(groundBase, groundTileCodes, 0) == imageSlotCount);

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
