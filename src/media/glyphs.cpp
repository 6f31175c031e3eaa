#include "media/glyphs.h"

#include "media/helpers.h"
#include "media/imageBank.h"

void drawLetter(imageBank &bank, int x, int y, std::string_view letter, int style) {
    if (letter.size() != 1) {
        return;
    }
    const int slot = glyphSlot(letter[0], style);
    if (slot < 0) {
        return;
    }
    applySurface(static_cast<Sint16>(x), static_cast<Sint16>(y), bank.slots[slot], bank.slots[screenSlot]);
}
