// Full-screen overlays: the white of a flash or a crash, the burst of the headlight
// flash through the windscreen, and the black of fades and the pause menu.
#include <cmath>
#include <string>

#include "artPictures.h"

namespace {

floatCanvas wash(rgbColour colour, float alpha, float vignette) {
    floatCanvas c(640, 480);
    for (int y = 0; y < 480; y++) {
        for (int x = 0; x < 640; x++) {
            const float dx = (x - 320) / 320.0f, dy = (y - 260) / 260.0f;
            const float edge = 1.0f - vignette * std::min(1.0f, (dx * dx + dy * dy) * 0.5f);
            c.blend(x, y, colour, std::min(1.0f, alpha * edge));
        }
    }
    return c;
}

// The flash: light thrown forward from the headlights, brightest low in the middle.
floatCanvas flashBurst(float strength) {
    floatCanvas c(640, 480);
    if (strength <= 0) {
        return c;
    }
    for (int y = 0; y < 480; y++) {
        for (int x = 0; x < 640; x++) {
            const float dx = (x - 320) / 420.0f, dy = (y - 330) / 240.0f;
            const float core = std::exp(-(dx * dx + dy * dy) * 2.2f);
            const float beam = std::exp(-std::pow((std::abs(x - 320.0f) - 130.0f) / 170.0f, 2.0f)) *
                               std::exp(-std::pow((y - 300.0f) / 90.0f, 2.0f));
            const float a = std::min(0.95f, strength * (0.75f * core + 0.35f * beam));
            c.blend(x, y, rgb(240, 246, 255), a);
        }
    }
    return c;
}

// A clear frame shows nothing: one transparent pixel does that without holding a
// screenful of memory for the whole run.
floatCanvas clearFrame() {
    return floatCanvas(1, 1);
}

} // namespace

void paintOverlays(pictureSink &sink) {
    // 0 is the whitest.
    const float white[] = {0.86f, 0.64f, 0.44f, 0.26f, 0.12f};
    for (int n = 0; n <= 4; n++) {
        sink.add("art/hud/whiteFlash/" + std::to_string(n) + ".png",
                 toRgba(wash(rgb(250, 250, 255), white[n], 0.3f)));
    }
    // 0 is the full burst, 1 … 5 ever weaker echoes of the strobe, 6 empty.
    const float burst[] = {1.0f, 0.75f, 0.55f, 0.38f, 0.24f, 0.12f, 0.0f};
    for (int n = 0; n <= 6; n++) {
        sink.add("art/hud/flashLight/" + std::to_string(n) + ".png",
                 toRgba(burst[n] > 0 ? flashBurst(burst[n]) : clearFrame()));
    }
    // 0 fully black, 5 clear; 3 dims the game behind the pause menu.
    const float black[] = {1.0f, 0.8f, 0.62f, 0.5f, 0.25f, 0.0f};
    for (int n = 0; n <= 5; n++) {
        sink.add("art/hud/blackFlash/" + std::to_string(n) + ".png",
                 toRgba(black[n] > 0 ? wash(rgb(0, 0, 0), black[n], 0.0f) : clearFrame()));
    }
}
