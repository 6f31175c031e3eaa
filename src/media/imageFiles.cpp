#include "media/imageFiles.h"

#include <iterator>

#include "media/glyphTable.h"
#include "media/helpers.h"
#include "media/imageSlots.h"

namespace {

const pictureGroupRow &rowOf(const pictureGroup group) {
    return pictureGroupTable[groupIndex(group)];
}

// The files a group's row names: numbered by frame in a folder, or frame 0's alone. A plain
// group's frame is a slot; a shaded group's frame 0 stays empty and the pictures go at the
// full-light slot of frames 1 on.
void addGroup(pictureList &list, const pictureGroup group) {
    const pictureGroupRow &row = rowOf(group);
    const int base = firstSlotOfGroup(group);
    const std::string files = row.files;
    if (files.back() != '/') {
        list.push_back({files, base});
        return;
    }
    const bool shaded = isShadedGroup(group);
    for (int frame = shaded ? 1 : 0; frame < row.frames; frame++) {
        list.push_back(
            {files + intToString(frame) + ".png", shaded ? shadedSlot(base, frame, 0) : base + frame});
    }
}

// Every group from `first` to `last` in slot order.
void addGroups(pictureList &list, const pictureGroup first, const pictureGroup last) {
    for (int g = groupIndex(first); g <= groupIndex(last); g++) {
        addGroup(list, pictureGroupTable[g].group);
    }
}

void addMoon(pictureList &list, const pictureGroup side, const char *name) {
    const int base = firstSlotOfGroup(side);
    list.push_back({std::string("art/moon/moon") + name + ".png", shadedSlot(base, 1, 0)});
    list.push_back({std::string("art/moon/crack") + name + ".png", shadedSlot(base, 2, 0)});
}

} // namespace

std::string logoFramePath(int frame) {
    return rowOf(pictureGroup::introLogo).files + intToString(frame) + ".png";
}

pictureList logoAndFontPictures() {
    pictureList list;
    addGroups(list, pictureGroup::introLogo, pictureGroup::copyrights);
    for (const char character : fontCharacters) {
        for (int style = 0; style < glyphStyles; style++) {
            list.push_back({glyphPath(character, style), glyphSlot(character, style)});
        }
    }
    return list;
}

pictureList dashboardPictures() {
    pictureList list;
    addGroups(list, pictureGroup::wheel, pictureGroup::blackFlash);
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
    return {rowOf(pictureGroup::blank).files, blankBase};
}

pictureList carPictures() {
    pictureList list;
    addGroups(list, pictureGroup::carLeft, pictureGroup::ghostSpawnRight);
    return list;
}

pictureList signPictures() {
    pictureList list;
    addGroups(list, pictureGroup::lampPost, pictureGroup::roadSign);
    return list;
}

pictureList creatureAndLightPictures() {
    pictureList list;
    addGroups(list, pictureGroup::butterfly, pictureGroup::statueGhostStatue);
    addMoon(list, pictureGroup::moonLeft, "Left");
    addMoon(list, pictureGroup::moonRight, "Right");
    addGroups(list, pictureGroup::flame, pictureGroup::lightning);
    return list;
}
