// The text glyphs: every character of the glyph table in five brightness styles, each as
// wide as the character's advance so letters set with the advance table never overlap.
#include <string>

#include "artPictures.h"
#include "artStrokeFont.h"
#include "media/glyphTable.h"

namespace {

// The pale moonlit ink of all text; style 0 is almost lost in the dark, 4 glows.
constexpr rgbColour textInk = rgb(238, 232, 214);
constexpr float styleBrightness[glyphStyles] = {0.20f, 0.38f, 0.58f, 0.80f, 1.0f};
constexpr float styleGlow[glyphStyles] = {0.0f, 0.0f, 0.10f, 0.25f, 0.45f};

floatCanvas glyphPicture(char c, int style) {
    const int width = glyphAdvance(c);
    floatCanvas mask(width, static_cast<int>(glyphHeight));
    strokeGlyph(mask, c, 0, 0, 1.0f, 2.0f, rgb(255, 255, 255));

    // A soft dark shadow keeps letters readable over the lit road and the dashboard.
    floatCanvas picture(width, static_cast<int>(glyphHeight));
    floatCanvas halo = mask;
    blur(halo, 1);
    for (int i = 0; i < width * static_cast<int>(glyphHeight); i++) {
        const float a = std::min(1.0f, halo.px[i * 4 + 3] * 1.6f);
        const float glow = styleGlow[style] * a;
        picture.blend(i % width, i / width, rgb(0, 0, 0), a * 0.55f);
        picture.addLight(i % width, i / width, rgb(255, 214, 150), glow);
    }
    const rgbColour ink = scaled(textInk, styleBrightness[style]);
    for (int i = 0; i < width * static_cast<int>(glyphHeight); i++) {
        picture.blend(i % width, i / width, ink, mask.px[i * 4 + 3]);
    }
    return picture;
}

} // namespace

void paintGlyphs(pictureSink &sink) {
    // The contact sheet shows the letters first, then the digits and signs.
    for (const bool letters : {true, false}) {
        for (const char c : fontCharacters) {
            if ((c >= 'a' && c <= 'z') != letters) {
                continue;
            }
            for (int style = 0; style < glyphStyles; style++) {
                sink.add(glyphPath(c, style), toRgba(glyphPicture(c, style)));
            }
        }
    }
}
