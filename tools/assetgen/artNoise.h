#pragma once
// Seeded randomness for the art: the same seed always paints the same picture.
#include <cstdint>

struct artRandom {
    uint64_t state;
    explicit artRandom(uint64_t seed) : state(seed * 0x9E3779B97F4A7C15ull + 0x632BE59BD9B4E019ull) {}
    uint64_t next() {
        // splitmix64
        uint64_t z = (state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    float unit() { return static_cast<float>(next() >> 40) / static_cast<float>(1 << 24); }
    float range(float lo, float hi) { return lo + (hi - lo) * unit(); }
};

// Value noise in 0 … 1 that repeats every `period` units on both axes, so ground
// tiles painted from it join without a seam.
float tiledNoise(float x, float y, int period, uint32_t seed);
// Several octaves of tiledNoise, still repeating every `period`.
float tiledFractal(float x, float y, int period, uint32_t seed, int octaves);
// Hash of a lattice point in 0 … 1.
float hash01(int x, int y, uint32_t seed);
