#include "soundEffects.h"

#include <cmath>

#include "soundInstruments.h"
#include "soundLoudness.h"
#include "soundMix.h"
#include "soundReverb.h"

namespace {

stereoSound finishOneShot(stereoSound sound, float peak) {
    fadeEdges(sound, 0.001, 0.012);
    normalisePeak(sound, peak);
    return sound;
}

// A sine gliding exponentially from one pitch to another.
monoBuffer glide(double fromHz, double toHz, double seconds, double attack, double decay) {
    monoBuffer voice(secondsToFrames(seconds));
    double phase = 0.0;
    for (size_t i = 0; i < voice.size(); ++i) {
        const double t = secondsAt(i);
        const double hz = fromHz * std::pow(toHz / fromHz, t / seconds);
        voice[i] = static_cast<float>(std::sin(twoPi * phase) * strikeEnvelope(t, attack, decay));
        phase += hz / sampleRate;
    }
    return voice;
}

monoBuffer noiseBurst(soundRandom &random, double seconds, filterShape shape, double hz, double decay) {
    monoBuffer burst = whiteNoise(secondsToFrames(seconds), random);
    filterBuffer(burst, shape, hz, 0.8);
    for (size_t i = 0; i < burst.size(); ++i) {
        burst[i] *= static_cast<float>(strikeEnvelope(secondsAt(i), 0.0005, decay));
    }
    return burst;
}

} // namespace

// A dull switch: a wooden tock above the idling engine's notes and a short tick over it,
// loud for its length, since it tells the player the flash was refused.
stereoSound refusalClick(int variant) {
    soundRandom random(0xC11Cu + static_cast<uint32_t>(variant));
    const double pitch = variant == 0 ? 1.0 : 0.8;
    stereoSound sound(secondsToFrames(0.12));
    addClipped(sound, glide(1500.0 * pitch, 1100.0 * pitch, 0.12, 0.0005, 0.007), 0, 0.6f, 0.0f);
    addClipped(sound, glide(480.0 * pitch, 330.0 * pitch, 0.12, 0.001, 0.02), 0, 0.9f, 0.0f);
    addClipped(sound, noiseBurst(random, 0.03, filterShape::high, 3000.0, 0.002), 0, 0.5f, 0.0f);
    fadeEdges(sound, 0.001, 0.012);
    setLoudness(sound, mixClickLoudness, mixCeiling, false);
    return sound;
}

stereoSound headlightFlash(int variant) {
    soundRandom random(0xF1A5u + static_cast<uint32_t>(variant) * 17u);
    const double whineFrom[3] = {1900.0, 2200.0, 1700.0};
    const double whineTo[3] = {5600.0, 6400.0, 5000.0};
    stereoSound sound(secondsToFrames(0.9));
    addClipped(sound, noiseBurst(random, 0.4, filterShape::high, 1200.0, 0.05), 0, 0.8f, -0.15f);
    addClipped(sound, noiseBurst(random, 0.4, filterShape::high, 1400.0, 0.05), 0, 0.8f, 0.15f);
    addClipped(sound, glide(110.0, 55.0, 0.3, 0.001, 0.06), 0, 0.9f, 0.0f);
    // The recharge whine climbs as the lamp's capacitor fills.
    monoBuffer whine = glide(whineFrom[variant], whineTo[variant], 0.55, 0.15, 0.2);
    addClipped(sound, whine, secondsToFrames(0.05), 0.12f, 0.0f);
    reverbOneShot(sound, {0.25f, 0.7f, 0.4f});
    return finishOneShot(sound, 0.85f);
}

stereoSound menuMove() {
    stereoSound sound(secondsToFrames(0.09));
    addClipped(sound, bellVoice(1318.5, 0.02, 2.0, 0.4), 0, 1.0f, 0.0f);
    return finishOneShot(sound, 0.7f);
}

stereoSound menuConfirm() {
    stereoSound sound(secondsToFrames(0.28));
    addClipped(sound, bellVoice(880.0, 0.04, 2.0, 0.6), 0, 0.9f, 0.0f);
    addClipped(sound, bellVoice(1174.7, 0.06, 2.0, 0.6), secondsToFrames(0.06), 1.0f, 0.0f);
    return finishOneShot(sound, 0.75f);
}
