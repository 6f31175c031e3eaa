#pragma once
// What an object is doing: one list for all kinds, as a level script may give any object any
// mode. Each kind acts on its own modes and treats every other one as `none`.
#include <cstdint>

enum class objectMode : uint8_t {
    none, // the neutral mode of every kind

    // Ghost cars.
    spawn,
    spawnStraight,
    patrol,
    attack,
    dead,
    respawn,
    respawnStraight,
    standing, // stands still where it is; printed as "static", a word C++ keeps for itself
    straight,
    race,

    // Statues.
    trigger, // the moment the player starts reading; lasts one update
    glow,
    end,
    after,

    // Butterflies.
    light,
    dim,

    // The moon.
    pulse,
    fade,
    repel,
    lit,

    // Lightning.
    random,
    hideRandom,
    once,
    hideOnce,
};
