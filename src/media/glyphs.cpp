#include "media/glyphs.h"

#include "media/helpers.h"
#include "media/imageBank.h"

int glyphBaseSlot(char character) {
    if (character >= 'a' && character <= 'z') {
        return fontLetterBase + glyphStyles * (character - 'a');
    }
    if (character >= '0' && character <= '9') {
        return fontDigitBase + glyphStyles * (character - '0');
    }
    switch (character) {
    case '_': // drawn as an arrow: the menu cursor
        return fontArrowBase;
    case '.':
        return fontPeriodBase;
    case ':':
        return fontColonBase;
    case '-':
        return fontDashBase;
    case '!':
        return fontExclamationBase;
    case '?':
        return fontQuestionBase;
    default:
        return -1;
    }
}

int glyphSlot(char character, int style) {
    const int base = glyphBaseSlot(character);
    if (base < 0 || style < 0 || style >= glyphStyles) {
        return -1;
    }
    return base + style;
}

int letterAdvance(char character, char nextCharacter) {
    switch (character) {
    case 'e':
    case 'f':
        return 15;
    case 'i':
        return 7;
    case 'm':
        return 25;
    case 'o':
    case 'q':
    case 's':
    case 't':
    case '6':
    case '_':
        return 18;
    case 'r':
        return 17;
    case 'w':
        // "wa" sits closer together than any other pair.
        return nextCharacter == 'a' ? 19 : 25;
    case '1':
        return 9;
    case ' ':
        return 8;
    default:
        return 16;
    }
}

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
