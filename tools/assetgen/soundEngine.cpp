#include "soundEngine.h"

#include <cmath>

#include "soundLoudness.h"
#include "soundMix.h"

namespace {

// Firing rates in whole hertz, so one second holds a whole number of cycles.
constexpr int firingHz[engineNotes] = {31, 44, 61, 83};
constexpr size_t engineFrames = sampleRate;
// Long enough, with the stones scattered at random, that no pattern is heard coming round.
constexpr size_t gravelFrames = sampleRate * 32 / 5;

// Position within the firing cycle, computed in integers so the last frame leads exactly into the first.
struct cyclePosition {
    size_t cycle;
    double fraction;
};

cyclePosition positionAt(size_t frame, int hz) {
    const size_t ticks = frame * static_cast<size_t>(hz);
    return {ticks / sampleRate, static_cast<double>(ticks % sampleRate) / sampleRate};
}

// Each firing differs a little in strength, which is what makes an engine sound alive.
monoBuffer firingStrengths(size_t cycles, soundRandom &random) {
    monoBuffer strengths(cycles);
    for (float &strength : strengths) {
        strength = random.range(0.75f, 1.0f);
    }
    return strengths;
}

monoBuffer engineMono(int note) {
    const int hz = firingHz[note];
    soundRandom random(0xE9617u + static_cast<uint32_t>(note) * 131u);
    const monoBuffer strengths = firingStrengths(static_cast<size_t>(hz), random);
    const monoBuffer noise = whiteNoise(engineFrames, random);
    monoBuffer engine(engineFrames);
    for (size_t i = 0; i < engineFrames; ++i) {
        const cyclePosition at = positionAt(i, hz);
        const double phase = at.fraction;
        const double pulse = strengths[at.cycle] * std::exp(-phase * 5.0);
        const double body = 0.6 * std::sin(twoPi * phase) + 0.35 * std::sin(twoPi * 2.0 * phase + 0.6) +
                            0.2 * std::sin(twoPi * 3.0 * phase + 1.3) + 0.1 * std::sin(twoPi * 5.0 * phase);
        engine[i] = static_cast<float>(body * (0.5 + 0.5 * pulse) + 0.9 * noise[i] * pulse * pulse);
    }
    // Higher notes open the filter: more bite as the engine works harder.
    filterLoop(engine, filterShape::low, 380.0 + hz * 10.0, 1.1);
    filterLoop(engine, filterShape::high, 25.0, 0.7);
    return engine;
}

// Short bursts of band-passed noise scattered round the loop: single stones under the tyres.
// Most are small; the few louder ones are only a little louder, so none stands out to be
// heard coming round again.
void addStones(stereoSound &loop, soundRandom &random) {
    const int stones = 1100;
    for (int s = 0; s < stones; ++s) {
        const size_t start = static_cast<size_t>(random.unit() * gravelFrames);
        const double decay = random.range(0.002f, 0.009f);
        monoBuffer stone = whiteNoise(secondsToFrames(decay * 5.0), random);
        filterBuffer(stone, filterShape::band, random.range(900.0f, 4200.0f), 1.6);
        for (size_t i = 0; i < stone.size(); ++i) {
            stone[i] *=
                static_cast<float>(strikeEnvelope(static_cast<double>(i) / sampleRate, 0.0005, decay));
        }
        const float size = random.unit();
        addWrapped(loop, stone, start, 0.25f + 0.45f * size * size, random.range(-0.6f, 0.6f));
    }
}

monoBuffer gravelBed(soundRandom &random) {
    monoBuffer hiss = whiteNoise(gravelFrames, random);
    filterLoop(hiss, filterShape::band, 2200.0, 0.6);
    monoBuffer rumble = whiteNoise(gravelFrames, random);
    filterLoop(rumble, filterShape::low, 180.0, 0.7);
    for (size_t i = 0; i < gravelFrames; ++i) {
        hiss[i] = 0.25f * hiss[i] + 1.4f * rumble[i];
    }
    return hiss;
}

} // namespace

stereoSound engineNote(int note) {
    const monoBuffer engine = engineMono(note);
    stereoSound sound(engineFrames);
    sound.left = engine;
    sound.right = engine;
    removeOffset(sound);
    setLoudness(sound, fileLoudnessFor(mixEngineHeard[note], mixEngineVolumes[note]), mixCeiling, true);
    return sound;
}

stereoSound gravelLoop() {
    soundRandom random(0x6BA7E1u);
    const monoBuffer bed = gravelBed(random);
    stereoSound sound(gravelFrames);
    sound.left = bed;
    sound.right = bed;
    addStones(sound, random);
    removeOffset(sound);
    setLoudness(sound, fileLoudnessFor(mixGravelHeard, mixGravelVolume), mixCeiling, true);
    return sound;
}
