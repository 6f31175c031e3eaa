#include "media/frameBrightness.h"

#include <algorithm>
#include <cmath>

#include "media/helpers.h"

namespace {

// The gamma at the brightest level; the darkest has its inverse, and the levels between
// step evenly in its logarithm.
constexpr double strongestGamma = 0.5;

double gammaOf(const int level) {
    return std::pow(strongestGamma,
                    static_cast<double>(level - defaultBrightness) / (maxBrightness - defaultBrightness));
}

// Where the channels lie in a pixel: most screens put red at bit 16, green at 8 and blue at 0,
// and shifts known when compiling make the lookup about a quarter faster than shifts read
// while it runs.
struct usualShifts {
    static constexpr int red = 16, green = 8, blue = 0;
};
struct anyShifts {
    int red, green, blue;
};

template <typename channelShifts>
void lookUpPixels(SDL_Surface *surface, const std::uint32_t (&channels)[3][256], const std::uint32_t kept,
                  const channelShifts at) {
    for (int y = 0; y < surface->h; y++) {
        auto *pixel = reinterpret_cast<std::uint32_t *>(static_cast<std::uint8_t *>(surface->pixels) +
                                                        y * surface->pitch);
        for (const std::uint32_t *const end = pixel + surface->w; pixel != end; pixel++) {
            const std::uint32_t was = *pixel;
            *pixel = channels[0][was >> at.red & 0xFF] | channels[1][was >> at.green & 0xFF] |
                     channels[2][was >> at.blue & 0xFF] | (was & kept);
        }
    }
}

} // namespace

std::uint8_t brightenedChannel(const int level, const int value) {
    if (level == defaultBrightness) {
        return static_cast<std::uint8_t>(value);
    }
    const double shown = 255.0 * std::pow(value / 255.0, gammaOf(level));
    return static_cast<std::uint8_t>(std::clamp(std::lround(shown), 0L, 255L));
}

void brightnessTable::prepare(const int wanted, const SDL_PixelFormat &format) {
    const std::uint8_t wantedShifts[3] = {format.Rshift, format.Gshift, format.Bshift};
    if (wanted == level && std::equal(shifts, shifts + 3, wantedShifts)) {
        return;
    }
    level = wanted;
    std::copy(wantedShifts, wantedShifts + 3, shifts);
    otherBits = ~(format.Rmask | format.Gmask | format.Bmask);
    for (int value = 0; value < 256; value++) {
        const std::uint32_t shown = brightenedChannel(level, value);
        for (int channel = 0; channel < 3; channel++) {
            channels[channel][value] = shown << shifts[channel];
        }
    }
}

void brightnessTable::apply(SDL_Surface *surface) const {
    if (shifts[0] == usualShifts::red && shifts[1] == usualShifts::green && shifts[2] == usualShifts::blue) {
        lookUpPixels(surface, channels, otherBits, usualShifts{});
    } else {
        lookUpPixels(surface, channels, otherBits, anyShifts{shifts[0], shifts[1], shifts[2]});
    }
}

void applyBrightness(brightnessTable &table, const int level, SDL_Surface *screen) {
    if (level == defaultBrightness || screen->format->BytesPerPixel != 4) {
        return;
    }
    table.prepare(level, *screen->format);
    const surfaceLock lock(screen);
    table.apply(screen);
}
