#pragma once
// The game's font as one table: which characters have a glyph, where their pictures lie
// on disk and in the image bank, and how far the pen moves after each. The game, the asset
// generator that paints the glyphs and the tests all read it, so it needs nothing but the
// standard library.
#include <string>
#include <string_view>

#include "media/imageSlots.h"

// Every character with a glyph, in the order of their slots: five each from fontBase on.
constexpr std::string_view fontCharacters = "0123456789abcdefghijklmnopqrstuvwxyz_.:-!?";
static_assert(fontBase + glyphStyles * static_cast<int>(fontCharacters.size()) == wheelBase);

// The first of the five glyph slots of a character, or -1 when the font has no glyph
// for it (the space among them).
constexpr int glyphBaseSlot(char character) {
    const size_t index = fontCharacters.find(character);
    return index == std::string_view::npos ? -1 : fontBase + glyphStyles * static_cast<int>(index);
}

// The slot of a character's glyph in a style, or -1 when there is none.
constexpr int glyphSlot(char character, int style) {
    const int base = glyphBaseSlot(character);
    if (base < 0 || style < 0 || style >= glyphStyles) {
        return -1;
    }
    return base + style;
}

// The folder of a character's glyphs under art/font/: the character itself, or a name for
// the signs that have no place in a path.
inline std::string glyphFolder(char character) {
    switch (character) {
    case '_': // drawn as an arrow: the menu cursor
        return "arrow";
    case '.':
        return "period";
    case ':':
        return "colon";
    case '-':
        return "dash";
    case '!':
        return "exclamation";
    case '?':
        return "question";
    default:
        return std::string(1, character);
    }
}

inline std::string glyphPath(char character, int style) {
    return "art/font/" + glyphFolder(character) + "/" + std::to_string(style) + ".png";
}

// Pixels the pen moves after `character`; `nextCharacter` is '\0' at the end of a text.
constexpr int letterAdvance(char character, char nextCharacter) {
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
