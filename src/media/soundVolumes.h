#pragma once
// The player's music and effects volumes, 0 to 10: at 10 every sound plays at the level the
// game sets, lower levels scale it down in tenths.
#include <cstdint>

inline constexpr int fullVolume = 10;

struct soundVolumes {
    int music = fullVolume;
    int effects = fullVolume;
};

// The volume a channel is given for the one the game asks for at that level.
constexpr std::int32_t scaledVolume(const std::int32_t volume, const int level) {
    return level >= fullVolume ? volume : volume * level / fullVolume;
}
