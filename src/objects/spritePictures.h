#pragma once
// Choosing picture slots for a sprite record: the tools every kind's choosePictures uses.
#include <cstdint>

#include "media/drawList.h"
#include "media/imageSlots.h"

// The slots of one picture frame; frame 0 of a numbered group is empty, so a frame outside
// the group shows nothing.
inline int32_t pictureOf(int base, int32_t frame, int32_t frames) {
    return shadedSlot(base, frame >= 0 && frame <= frames ? frame : 0, 0);
}

// The two halves of a split sprite, the same frame of each.
inline void choosePair(spriteRecord &record, int leftBase, int rightBase, int32_t frame, int32_t frames) {
    record.leftImage = pictureOf(leftBase, frame, frames);
    record.rightImage = pictureOf(rightBase, frame, frames);
}
