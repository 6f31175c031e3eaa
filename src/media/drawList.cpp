#include "media/drawList.h"

void spriteRecord::clear() {
    visible = split = emitsLight = fixedShade = false;
    lightShape = shade = 0;
    x = y = 0.0;
    image = leftImage = rightImage = 0;
}

drawList::drawList(imageBank &bank) : images(bank) {
    clear();
}

void drawList::clear() {
    for (spriteRecord &record : records) {
        record.clear();
    }
}
