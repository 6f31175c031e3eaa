#include "media/imageFiles.h"

#include <iterator>

#include "media/glyphTable.h"
#include "media/helpers.h"
#include "media/imageSlots.h"

// Files folder + n + ".png" for n = first ... last, picture n at firstSlot + stride * n.
static void addNumbered(pictureList &list, const std::string &folder, int firstSlot, int stride, int first,
                        int last) {
    for (int n = first; n <= last; n++) {
        list.push_back({folder + intToString(n) + ".png", firstSlot + stride * n});
    }
}

// Numbered sprite frames start at 1; frame 0 of every shaded group stays empty.
static void addShadedFrames(pictureList &list, const std::string &folder, int base, int frames) {
    addNumbered(list, folder, base, lightLevels, 1, frames);
}

std::string logoFramePath(int frame) {
    return "art/introLogo/" + intToString(frame) + ".png";
}

pictureList logoAndFontPictures() {
    pictureList list;
    for (int frame = 0; frame < introLogoFrames; frame++) {
        list.push_back({logoFramePath(frame), introLogoBase + frame});
    }
    list.push_back({"art/copyrights.png", copyrightsSlot});
    for (const char character : fontCharacters) {
        for (int style = 0; style < glyphStyles; style++) {
            list.push_back({glyphPath(character, style), glyphSlot(character, style)});
        }
    }
    return list;
}

pictureList dashboardPictures() {
    pictureList list;
    addNumbered(list, "art/hud/wheel/", wheelBase, 1, 0, 11);
    list.push_back({"art/hud/wheel/wheelGlow.png", wheelGlowSlot});
    addNumbered(list, "art/hud/battery/", batteryBase, 1, 0, 13);
    addNumbered(list, "art/hud/mph/beams/", beamsLampBase, 1, 0, 1);
    addNumbered(list, "art/hud/mph/energy/", energyLampBase, 1, 0, 1);
    addNumbered(list, "art/hud/mph/smile/", smileLampBase, 1, 0, 1);
    addNumbered(list, "art/hud/mph/frown/", frownLampBase, 1, 0, 1);
    addNumbered(list, "art/hud/dashboard/", dashboardBase, 1, 0, 10);
    addNumbered(list, "art/hud/hood/", hoodBase, 1, 0, 10);
    list.push_back({"art/hud/headlights.png", headlightsSlot});
    addNumbered(list, "art/hud/flashLight/", flashLightBase, 1, 0, 6);
    addNumbered(list, "art/hud/whiteFlash/", whiteFlashBase, 1, 0, 4);
    addNumbered(list, "art/hud/blackFlash/", blackFlashBase, 1, 0, 5);
    return list;
}

pictureList groundPictures() {
    static const char *const namedTiles[] = {
        "blankDirt", "blankRoad",   "capUp",       "capDown",      "capRight",   "capLeft",
        "lineCapUp", "lineCapDown", "lineCapLeft", "lineCapRight", "lineUpDown", "lineLeftRight",
    };
    // These tile codes take their file number from the code less 11.
    static const int numberedTiles[] = {15, 17, 32, 34, 47, 55, 65, 72};
    constexpr int sandTile = 88;

    pictureList list;
    for (int code = 0; code < static_cast<int>(std::size(namedTiles)); code++) {
        list.push_back(
            {std::string("art/startRoad/") + namedTiles[code] + ".png", shadedSlot(groundBase, code, 0)});
    }
    for (const int code : numberedTiles) {
        list.push_back({"art/startRoad/" + intToString(code - 11) + ".png", shadedSlot(groundBase, code, 0)});
    }
    list.push_back({"art/startRoad/sand.png", shadedSlot(groundBase, sandTile, 0)});
    return list;
}

picturePlace blankPicture() {
    return {"art/blank.png", blankBase};
}

pictureList carPictures() {
    pictureList list;
    addShadedFrames(list, "art/car/left/", carLeftBase, 16);
    addShadedFrames(list, "art/car/right/", carRightBase, 16);
    addShadedFrames(list, "art/ghostCar/leftAll/", ghostLeftAllBase, 16);
    addShadedFrames(list, "art/ghostCar/leftFade/", ghostLeftFadeBase, 16);
    addShadedFrames(list, "art/ghostCar/rightAll/", ghostRightAllBase, 16);
    addShadedFrames(list, "art/ghostCar/rightFade/", ghostRightFadeBase, 16);
    addShadedFrames(list, "art/ghostCar/spawn/left/", ghostSpawnLeftBase, 6);
    addShadedFrames(list, "art/ghostCar/spawn/right/", ghostSpawnRightBase, 6);
    return list;
}

pictureList signPictures() {
    pictureList list;
    addShadedFrames(list, "art/lampPost/", lampPostBase, 3);
    addShadedFrames(list, "art/stopSign/", stopSignBase, 8);
    addShadedFrames(list, "art/roadSign/", roadSignBase, 8);
    return list;
}

pictureList creatureAndLightPictures() {
    pictureList list;
    addShadedFrames(list, "art/butterfly/", butterflyBase, 8);
    addShadedFrames(list, "art/tree/", treeBase, 8);
    list.push_back({"art/tree/ashTree.png", ashTreeBase});
    list.push_back({"art/tree/ashBush.png", ashBushBase});
    list.push_back({"art/statues/1.png", statueBase});
    addShadedFrames(list, "art/statues/ghost/", statueGhostBase, 4);
    addShadedFrames(list, "art/statues/ghostFade/", statueGhostFadeBase, 4);
    addShadedFrames(list, "art/statues/ghostStatue/", statueGhostStatueBase, 4);
    list.push_back({"art/moon/moonLeft.png", shadedSlot(moonLeftBase, 1, 0)});
    list.push_back({"art/moon/crackLeft.png", shadedSlot(moonLeftBase, 2, 0)});
    list.push_back({"art/moon/moonRight.png", shadedSlot(moonRightBase, 1, 0)});
    list.push_back({"art/moon/crackRight.png", shadedSlot(moonRightBase, 2, 0)});
    addShadedFrames(list, "art/flame/", flameBase, 10);
    addShadedFrames(list, "art/lightning/", lightningBase, 8);
    return list;
}
