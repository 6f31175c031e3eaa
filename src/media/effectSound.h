#pragma once
// The one-shot sounds the world's objects can ask for; the sound bank holds their recordings.
#include <cstdint>

enum class effectSound : uint8_t {
    none,
    lamp,
    moonBeat,
    flameChime,
    alarm,
    statue,
    crush,
    save,
};
