#pragma once
// The player's brightness, 0 to 10, applied to the finished frame. At 5 the frame is shown as
// drawn and nothing is done; above it a gamma curve lifts the darks and mid-tones, below it
// sinks them. Black stays black and white stays white: the night stays night.
#include <SDL.h>

#include <cstdint>

inline constexpr int defaultBrightness = 5;
inline constexpr int maxBrightness = 10;

// A channel's value 0 … 255 at a brightness level.
std::uint8_t brightenedChannel(int level, int value);

// The curve of one level as three 256-entry tables, one per channel of the screen's pixel
// format, each entry already at its channel's place in the pixel.
class brightnessTable {
  public:
    // Rebuilds the tables when the level or the screen's channels differ from the last call.
    void prepare(int level, const SDL_PixelFormat &format);
    // Every pixel of a 32-bit surface through the tables; the caller holds its lock.
    void apply(SDL_Surface *surface) const;

  private:
    int level = -1;              // none built yet
    std::uint8_t shifts[3] = {}; // red, green, blue
    std::uint32_t otherBits = 0; // what is not a colour channel passes unchanged
    std::uint32_t channels[3][256] = {};
};

// Brings the finished frame on the screen to the level, once a frame: at the default nothing
// is done at all.
void applyBrightness(brightnessTable &table, int level, SDL_Surface *screen);
